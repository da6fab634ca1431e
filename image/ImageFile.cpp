#include "image/ImageFile.h"

#include <algorithm>
#include <cctype>
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

// The whole file, or nothing when it cannot be read; `tooLarge` says so for an oversized file.
// Only a regular file is opened: opening a FIFO waits for a writer for ever, and a device or a
// folder is no image either. The open does not block and is checked again, in case the path
// was changed after the first look.
bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& tooLarge)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    std::FILE* file = ::fdopen(descriptor, "rb");
    if (!file) {
        ::close(descriptor);
        return false;
    }
    bool ok = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
    if (ok && info.st_size > kMaxFileBytes) {
        tooLarge = "file of " + std::to_string(info.st_size) + " bytes";
        ok = false;
    }
    if (ok) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    return ok;
}

} // namespace

bool DecodeImage(const unsigned char* bytes, std::size_t size, bool tgaName, unsigned maxSide, std::string* tooLarge)
{
    const ImageHeader header = ReadImageHeader(bytes, size, tgaName);
    if (header.type == IL_TYPE_UNKNOWN)
        return false;
    const std::uint64_t pixels = std::uint64_t(header.width) * header.height;
    if (header.width > maxSide || header.height > maxSide || pixels > MAX_IMAGE_PIXELS) {
        if (tooLarge)
            *tooLarge = std::to_string(header.width) + " x " + std::to_string(header.height) + " pixels";
        return false;
    }
    return IsImageDataSound(bytes, size, header) && ilLoadL(header.type, bytes, static_cast<ILuint>(size)) == IL_TRUE;
}

bool LoadImageFile(const std::string& path, unsigned maxSide)
{
    std::vector<unsigned char> bytes;
    std::string tooLarge;
    if (ReadWholeFile(path, bytes, tooLarge) &&
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
