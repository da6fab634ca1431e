#include "xml/XmlReader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

#include "xml/XmlParser.h"
#include "xml/XmlTreeBuilder.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

const char kNoMemoryReport[] = "out of dynamic memory in yy_create_buffer()\n";
const char kNoMemoryError[] = "out of memory while reading the file";

// The whole file in one piece, so that the scanner never waits for input mid-token. False on a
// read error, with errno telling why.
bool ReadWholeFile(std::FILE* file, std::string& contents)
{
    struct stat info;
    std::size_t expected = 0;
    if (fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode))
        expected = static_cast<std::size_t>(info.st_size);
    // One byte more than expected, so that a file read whole is known to be whole at once.
    contents.resize(expected + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == contents.size())
            contents.resize(std::max<std::size_t>(4096, contents.size() * 2));
        std::size_t count = std::fread(&contents[used], 1, contents.size() - used, file);
        used += count;
        if (count == 0)
            break;
    }
    contents.resize(used);
    return !std::ferror(file);
}

} // namespace

bool XmlReader::Read(const std::string& path)
{
    XmlTreeBuilder tree;
    return Read(path, tree) && KeepTree(tree);
}

bool XmlReader::ReadBuffer(const char* data, std::size_t size)
{
    XmlTreeBuilder tree;
    return ReadBuffer(data, size, tree) && KeepTree(tree);
}

bool XmlReader::Read(const std::string& path, XmlHandler& handler)
{
    m_root.reset();
    m_error.clear();
    // Opening a FIFO would wait for a writer for ever, and a device is no level either (a folder
    // fails at its first read).
    struct stat info;
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
        m_error = "cannot open file: not a regular file";
        return false;
    }
    FilePointer file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        m_error = std::string("cannot open file: ") + std::strerror(errno);
        return false;
    }
    std::string contents;
    try {
        if (!ReadWholeFile(file.get(), contents))
            return Fail("input in flex scanner failed\n", std::string("cannot read file: ") + std::strerror(errno));
    } catch (const std::bad_alloc&) {
        return Fail(kNoMemoryReport, kNoMemoryError);
    }
    file.reset();
    return ReadBuffer(contents.data(), contents.size(), handler);
}

bool XmlReader::ReadBuffer(const char* data, std::size_t size, XmlHandler& handler)
{
    m_root.reset();
    m_error.clear();
    try {
        XmlParser parser(data, size, handler, m_reports);
        if (!parser.Parse())
            return Fail(nullptr, parser.GetError());
        return true;
    } catch (const std::bad_alloc&) {
        return Fail(kNoMemoryReport, kNoMemoryError);
    }
}

bool XmlReader::KeepTree(XmlTreeBuilder& tree)
{
    try {
        m_root = std::make_unique<XmlElement>(tree.TakeRoot());
        return true;
    } catch (const std::bad_alloc&) {
        return Fail(kNoMemoryReport, kNoMemoryError);
    }
}

bool XmlReader::Fail(const char* report, std::string error)
{
    if (report && m_reports)
        std::fputs(report, m_reports);
    m_error = std::move(error);
    return false;
}
