#include "level/FileStamp.h"

#include <cstdio>
#include <memory>

#include <sys/stat.h>

namespace {

struct FileInfo {
    std::uint64_t size;
    std::int64_t modifiedNs;
};

bool InfoOf(const std::string& path, FileInfo& info)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    info = {static_cast<std::uint64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
    return true;
}

// FNV-1a over the file's bytes: a change of any byte shows, and no second copy is kept.
bool HashOf(const std::string& path, std::uint64_t& hash)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file)
        return false;
    hash = 14695981039346656037ull;
    unsigned char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        for (std::size_t i = 0; i < count; ++i)
            hash = (hash ^ buffer[i]) * 1099511628211ull;
    return !std::ferror(file.get());
}

} // namespace

FileStamp FileStamp::Of(const std::string& path)
{
    FileStamp stamp;
    FileInfo info{};
    // The time is taken before the bytes: a write between the two shows as a change later.
    if (InfoOf(path, info) && HashOf(path, stamp.m_hash)) {
        stamp.m_known = true;
        stamp.m_size = info.size;
        stamp.m_modifiedNs = info.modifiedNs;
    }
    return stamp;
}

bool FileStamp::Changed(const std::string& path)
{
    FileInfo info{};
    if (!m_known || !InfoOf(path, info))
        return false;
    if (info.size == m_size && info.modifiedNs == m_modifiedNs)
        return false;
    std::uint64_t hash = 0;
    if (!HashOf(path, hash))
        return false;
    if (info.size != m_size || hash != m_hash)
        return true;
    m_modifiedNs = info.modifiedNs;
    return false;
}
