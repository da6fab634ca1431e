#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

struct stat;

// Every file whose path a user or a file names is opened here, and only here. Only a regular file
// (links followed) is opened: a FIFO would wait for a writer for ever, and a device or a folder
// is no level, image or copy either. The open itself does not block, and what it opened is
// checked again, not only what the path named a moment earlier.
class RegularFile {
public:
    // Opens `path` for reading; when it cannot, IsOpen is false and Error says why.
    explicit RegularFile(const std::string& path);
    ~RegularFile();
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&&) = delete;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    // Why the file is not open, or why the last read failed: a system error's text or
    // "not a regular file".
    const std::string& Error() const { return m_error; }
    // The system's error number of Error (0 while there is none).
    int ErrorNumber() const { return m_errno; }
    std::uint64_t Size() const { return m_size; }
    std::int64_t ModifiedNs() const { return m_modifiedNs; }

    // The file's bytes from the start to its end; false (Error says why) when they cannot be read.
    bool ReadAll(std::string& bytes);
    // A stream that owns the open file from now on (null when it is not open).
    std::FILE* TakeStream();

private:
    void Fail(int number);
    // Whether `info` is no regular file; Error then says so.
    bool Refuse(const struct stat& info);

    int m_fd = -1;
    std::string m_error;
    int m_errno = 0;
    std::uint64_t m_size = 0;
    std::int64_t m_modifiedNs = 0;
};

// The whole regular file at `path`; false with `error` saying why.
bool ReadRegularFile(const std::string& path, std::string& bytes, std::string& error);
