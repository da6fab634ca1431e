#include "image/ImageFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <utility>

#include <GL/gl.h>
#include <IL/il.h>
#include <IL/ilu.h>
#include <IL/ilut.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "image/ImageHeader.h"

namespace {

// A file larger than any image that may be decoded could need: the pixels at 4 bytes each and
// room for headers, colour maps and metadata.
constexpr long kMaxFileBytes = static_cast<long>(MAX_IMAGE_PIXELS * 4 + (16 << 20));

std::vector<std::string>& PendingNotices()
{
    static std::vector<std::string> notices;
    return notices;
}

bool HasTgaName(const std::string& path)
{
    const char suffix[] = ".tga";
    const std::size_t n = sizeof suffix - 1;
    if (path.size() < n)
        return false;
    return std::equal(path.end() - n, path.end(), suffix, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

std::string SizeLimits(unsigned maxSide)
{
    return "at most " + std::to_string(maxSide) + " x " + std::to_string(maxSide) + " pixels and 64 Mpixel";
}

// The whole file, or why not (empty when it was read); `tooLarge` says so for an oversized file.
// Only a regular file is opened: opening a FIFO waits for a writer for ever, and a device or a
// folder is no image either. The open does not block and is checked again, in case the path
// was changed after the first look.
std::string ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& tooLarge)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::strerror(errno);
    if (!S_ISREG(info.st_mode))
        return "not a regular file";
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return std::strerror(errno);
    std::FILE* file = ::fdopen(descriptor, "rb");
    if (!file) {
        ::close(descriptor);
        return "cannot be read";
    }
    std::string why;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode))
        why = "not a regular file";
    else if (info.st_size > kMaxFileBytes)
        why = "too large: " + (tooLarge = "file of " + std::to_string(info.st_size) + " bytes");
    if (why.empty()) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size())
            why = "cannot be read";
    }
    std::fclose(file);
    return why;
}

// Why the bytes are not decoded (empty when they may be), the type and size read on the way.
std::string RefuseImage(const unsigned char* bytes, std::size_t size, bool tgaName, unsigned maxSide,
                        ImageHeader& header, std::string* tooLarge)
{
    header = ReadImageHeader(bytes, size, tgaName);
    if (header.type == IL_TYPE_UNKNOWN)
        return "not a JPEG, PNG or TGA image";
    const std::uint64_t pixels = std::uint64_t(header.width) * header.height;
    if (header.width > maxSide || header.height > maxSide || pixels > MAX_IMAGE_PIXELS) {
        const std::string dimensions = std::to_string(header.width) + " x " + std::to_string(header.height) + " pixels";
        if (tooLarge)
            *tooLarge = dimensions;
        return "too large: " + dimensions + "; " + SizeLimits(maxSide);
    }
    if (!IsImageDataSound(bytes, size, header))
        return "damaged image data";
    return {};
}

} // namespace

bool DecodeImage(const unsigned char* bytes, std::size_t size, bool tgaName, unsigned maxSide, std::string* tooLarge)
{
    ImageHeader header;
    return RefuseImage(bytes, size, tgaName, maxSide, header, tooLarge).empty() &&
           ilLoadL(header.type, bytes, static_cast<ILuint>(size)) == IL_TRUE;
}

std::string CheckImageFile(const std::string& path, unsigned maxSide)
{
    std::vector<unsigned char> bytes;
    std::string tooLarge;
    const std::string why = ReadWholeFile(path, bytes, tooLarge);
    ImageHeader header;
    return why.empty() ? RefuseImage(bytes.data(), bytes.size(), HasTgaName(path), maxSide, header, nullptr) : why;
}

bool LoadImageFile(const std::string& path, unsigned maxSide)
{
    std::vector<unsigned char> bytes;
    std::string tooLarge;
    if (ReadWholeFile(path, bytes, tooLarge).empty() &&
        DecodeImage(bytes.data(), bytes.size(), HasTgaName(path), maxSide, &tooLarge))
        return true;
    if (!tooLarge.empty())
        PendingNotices().push_back(path + ": image not loaded, too large (" + tooLarge + "; " +
                                   SizeLimits(maxSide) + ")");
    return false;
}

unsigned MaxTextureSide(unsigned limit)
{
    GLint side = 0;
    glGetIntegerv(limit, &side);
    return side > 0 ? static_cast<unsigned>(side) : 0;
}

std::vector<std::string> TakeImageNotices()
{
    return std::exchange(PendingNotices(), {});
}

void InitImageLibrary()
{
    static bool initialised = false;
    if (initialised)
        return;
    ilInit();
    iluInit();
    ilutRenderer(ILUT_OPENGL);
    initialised = true;
}
