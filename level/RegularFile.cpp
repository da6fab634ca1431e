#include "level/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool RegularFile::Refuse(const struct stat& info)
{
    if (S_ISREG(info.st_mode))
        return false;
    Fail(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    if (!S_ISDIR(info.st_mode))
        m_error = "not a regular file";
    return true;
}

RegularFile::RegularFile(const std::string& path)
{
    // A look first, so that what is plainly no file (a device, whose open may do something) is
    // not opened at all.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        Fail(errno);
        return;
    }
    if (Refuse(info))
        return;
    // The path may name something else by now. Without O_NONBLOCK the open of a FIFO would wait
    // for a writer before fstat could refuse it.
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0) {
        Fail(errno);
        return;
    }
    if (::fstat(m_fd, &info) != 0) {
        Fail(errno);
    } else if (!Refuse(info)) {
        m_size = static_cast<std::uint64_t>(info.st_size);
        m_modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        // Reads of a regular file never wait anyway; the flag goes so that they need not be retried.
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
        return;
    }
    ::close(m_fd);
    m_fd = -1;
}

RegularFile::~RegularFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_error(std::move(other.m_error)), m_errno(other.m_errno),
      m_size(other.m_size), m_modifiedNs(other.m_modifiedNs)
{
}

void RegularFile::Fail(int number)
{
    m_errno = number;
    m_error = std::strerror(number);
}

bool RegularFile::ReadAll(std::string& bytes)
{
    bytes.clear();
    if (m_fd < 0)
        return false;
    // The size is a hint: a file that grows or shrinks meanwhile is read to its end all the same.
    bytes.resize(static_cast<std::size_t>(m_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t count = ::pread(m_fd, &bytes[used], bytes.size() - used, static_cast<off_t>(used));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            Fail(errno);
            bytes.clear();
            return false;
        }
        if (count == 0)
            break;
        used += static_cast<std::size_t>(count);
    }
    bytes.resize(used);
    return true;
}

std::FILE* RegularFile::TakeStream()
{
    if (m_fd < 0)
        return nullptr;
    std::FILE* stream = ::fdopen(m_fd, "rb");
    if (!stream) {
        Fail(errno);
        ::close(m_fd);
    }
    m_fd = -1;
    return stream;
}

bool ReadRegularFile(const std::string& path, std::string& bytes, std::string& error)
{
    RegularFile file(path);
    if (!file.ReadAll(bytes)) {
        error = file.Error();
        return false;
    }
    return true;
}
