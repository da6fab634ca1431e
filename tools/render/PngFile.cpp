#include "tools/render/PngFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include "tools/render/LevelPicture.h"

namespace {

using Bytes = std::vector<unsigned char>;

void PutBigEndian(Bytes& bytes, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<unsigned char>(value >> shift));
}

// Length, type, data and the checksum of type and data.
void PutChunk(Bytes& file, const char type[5], const Bytes& data)
{
    PutBigEndian(file, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    PutBigEndian(file, static_cast<std::uint32_t>(crc32(0, &file[start], static_cast<uInt>(file.size() - start))));
}

Bytes EncodePng(const Picture& picture)
{
    Bytes header;
    PutBigEndian(header, static_cast<std::uint32_t>(picture.width));
    PutBigEndian(header, static_cast<std::uint32_t>(picture.height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter, not interlaced
    // Each row starts with its filter type, 0: the bytes as they are.
    const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
    Bytes rows;
    for (int y = 0; y < picture.height; ++y) {
        rows.push_back(0);
        rows.insert(rows.end(), picture.rgb.begin() + y * stride, picture.rgb.begin() + (y + 1) * stride);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    Bytes packed(packedSize);
    compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), Z_BEST_SPEED);
    packed.resize(packedSize);

    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", {});
    return file;
}

std::string SystemError(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

// New files get the permissions the user's file-creation mask leaves, as any other program's.
mode_t CreationMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const Bytes& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno != EINTR)
            return false;
        done += written > 0 ? static_cast<std::size_t>(written) : 0;
    }
    return true;
}

} // namespace

bool WritePngFile(const Picture& picture, const std::string& path, std::string& error)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    std::string temporary = folder + "/.trelkan-render-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = SystemError(path + ": cannot create a file in " + folder);
        return false;
    }
    bool ok = fchmod(fd, CreationMode()) == 0 && WriteAll(fd, EncodePng(picture));
    ok = close(fd) == 0 && ok;
    if (!ok)
        error = SystemError(path + ": cannot write the picture");
    else if (std::rename(temporary.c_str(), path.c_str()) != 0)
        error = SystemError(path + ": cannot replace the file");
    if (error.empty())
        return true;
    unlink(temporary.c_str());
    return false;
}
