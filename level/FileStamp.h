#pragma once

#include <cstdint>
#include <string>

// What a file held when this program last read or wrote it: its size, modification time and a
// hash of its bytes. A file counts as changed only when its bytes differ: one whose size and time
// are as stamped is not read again, and one that was only touched (a new time, the same bytes)
// is unchanged and takes the new time, so that it is not read again either.
class FileStamp {
public:
    // No file known: nothing can have changed.
    FileStamp() = default;
    // The file at `path` as it is now; an empty stamp when it cannot be read.
    static FileStamp Of(const std::string& path);

    bool Known() const { return m_known; }
    // Whether the file at `path` now holds other bytes than stamped. A file that is gone or
    // cannot be read, and an empty stamp, say no: there is nothing to lose by writing over it.
    bool Changed(const std::string& path);

private:
    bool m_known = false;
    std::uint64_t m_size = 0;
    std::int64_t m_modifiedNs = 0;
    std::uint64_t m_hash = 0;
};
