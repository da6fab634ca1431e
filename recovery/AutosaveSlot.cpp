#include "recovery/AutosaveSlot.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string PREFIX = "autosave-";
const std::string SOURCE = ".source";
const std::string COPY = ".xml";

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> SourceFiles(const std::string& folder)
{
    std::vector<std::string> sources;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, PREFIX.size(), PREFIX) == 0 && EndsWith(name, SOURCE))
            sources.push_back(entry.path().string());
    }
    return sources;
}

// A slot's source file, opened without waiting and only when it is a regular file: anything else
// of that name (a FIFO would block the start) is no slot.
int OpenSource(const std::string& path, int access)
{
    const int fd = open(path.c_str(), access | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat info {};
    if (fd >= 0 && (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        close(fd);
        return -1;
    }
    return fd;
}

// Whether `fd` is still the file named `path`: a slot that its owner or another scanner
// removed between our open and our lock is no slot any more.
bool StillNamed(int fd, const std::string& path)
{
    struct stat opened {}, named {};
    return fstat(fd, &opened) == 0 && stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

std::int64_t ModifiedNs(const std::string& path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return 0;
    return static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
}

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[4096];
    ssize_t count = 0;
    for (off_t at = 0; (count = pread(fd, buffer, sizeof buffer, at)) > 0; at += count)
        text.append(buffer, static_cast<std::size_t>(count));
    return text;
}

// Moves `from` into `folder` under its own name, or with a number added when a file of that
// name is there already: nothing set aside earlier is ever replaced.
std::string MoveKeepingOthers(const std::string& from, const std::string& folder)
{
    const std::filesystem::path name = std::filesystem::path(from).filename();
    for (int number = 0; number < 1000; ++number) {
        const std::string to = folder + "/" + name.stem().string() +
                               (number ? "-" + std::to_string(number) : std::string()) + name.extension().string();
        if (link(from.c_str(), to.c_str()) == 0) {
            unlink(from.c_str());
            return to;
        }
        // The system may refuse a link to another user's file; a rename that replaces nothing
        // moves it all the same.
        if (errno != EEXIST && renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
            return to;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

} // namespace

AutosaveSlot AutosaveSlot::Create(const std::string& folder)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Spelled as a scan of the folder spells it, so that OpenLevels knows its own slot.
        std::string temporary = (std::filesystem::path(folder) / ".autosave-new-XXXXXX").string();
        const int fd = mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0)
            return {};
        const std::string source =
            (std::filesystem::path(folder) / (PREFIX + temporary.substr(temporary.size() - 6) + SOURCE)).string();
        // link, unlike rename, never replaces a slot that has this name already.
        const bool placed = flock(fd, LOCK_EX | LOCK_NB) == 0 && link(temporary.c_str(), source.c_str()) == 0;
        const int error = errno;
        unlink(temporary.c_str());
        if (placed)
            return AutosaveSlot(fd, source);
        close(fd);
        if (error != EEXIST) {
            errno = error;
            return {};
        }
    }
    errno = EEXIST;
    return {};
}

std::vector<AutosaveSlot> AutosaveSlot::ClaimAbandoned(const std::string& folder)
{
    std::vector<AutosaveSlot> slots;
    for (const std::string& source : SourceFiles(folder)) {
        const int fd = OpenSource(source, O_RDWR);
        if (fd < 0)
            continue;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, source))
            slots.push_back(AutosaveSlot(fd, source));
        else
            close(fd);
    }
    std::stable_sort(slots.begin(), slots.end(), [](const AutosaveSlot& a, const AutosaveSlot& b) {
        return ModifiedNs(a.CopyFile()) > ModifiedNs(b.CopyFile());
    });
    return slots;
}

std::vector<std::string> AutosaveSlot::OpenLevels(const std::string& folder, const std::string& ownSource)
{
    std::vector<std::string> levels;
    for (const std::string& source : SourceFiles(folder)) {
        if (source == ownSource)
            continue;
        const int fd = OpenSource(source, O_RDONLY);
        if (fd < 0)
            continue;
        // A lock that cannot be shared is a running editor's; one we could take ends with close.
        if (flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK)
            levels.push_back(ReadAll(fd));
        close(fd);
    }
    return levels;
}

AutosaveSlot::~AutosaveSlot()
{
    Release();
}

AutosaveSlot::AutosaveSlot(AutosaveSlot&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_source(std::move(other.m_source))
{
}

AutosaveSlot& AutosaveSlot::operator=(AutosaveSlot&& other) noexcept
{
    if (this != &other) {
        Release();
        m_fd = std::exchange(other.m_fd, -1);
        m_source = std::move(other.m_source);
    }
    return *this;
}

void AutosaveSlot::Release()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

std::string AutosaveSlot::CopyFile() const
{
    return m_source.substr(0, m_source.size() - SOURCE.size()) + COPY;
}

bool AutosaveSlot::SetLevelPath(const std::string& path)
{
    // In place, through the locked descriptor: a new file would not carry the lock.
    if (m_fd < 0 || ftruncate(m_fd, 0) != 0)
        return false;
    std::size_t written = 0;
    while (written < path.size()) {
        const ssize_t count = pwrite(m_fd, path.data() + written, path.size() - written, static_cast<off_t>(written));
        if (count <= 0)
            return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}

std::string AutosaveSlot::LevelPath() const
{
    return m_fd < 0 ? std::string() : ReadAll(m_fd);
}

void AutosaveSlot::Remove()
{
    if (m_fd < 0)
        return;
    // The copy first: a source without a copy is an empty slot, a copy without its source is lost.
    unlink(CopyFile().c_str());
    unlink(m_source.c_str());
    Release();
}

std::string AutosaveSlot::SetAside(const std::string& place)
{
    if (m_fd < 0)
        return {};
    mkdir(place.c_str(), 0700);
    const std::string moved = MoveKeepingOthers(CopyFile(), place);
    if (!moved.empty())
        unlink(m_source.c_str());
    Release();
    return moved;
}
