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

#include "image/ImageHeader.h"
#include "level/RegularFile.h"

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

const unsigned char* Unsigned(const std::string& bytes)
{
    return reinterpret_cast<const unsigned char*>(bytes.data());
}

// The whole file, or why not (empty when it was read); `tooLarge` says so for an oversized file.
std::string ReadWholeFile(const std::string& path, std::string& bytes, std::string& tooLarge)
{
    RegularFile file(path);
    if (!file.IsOpen())
        return file.Error();
    if (file.Size() > static_cast<std::uint64_t>(kMaxFileBytes))
        return "too large: " + (tooLarge = "file of " + std::to_string(file.Size()) + " bytes");
    return file.ReadAll(bytes) ? std::string() : "cannot be read";
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
    std::string bytes;
    std::string tooLarge;
    const std::string why = ReadWholeFile(path, bytes, tooLarge);
    ImageHeader header;
    return why.empty() ? RefuseImage(Unsigned(bytes), bytes.size(), HasTgaName(path), maxSide, header, nullptr) : why;
}

bool LoadImageFile(const std::string& path, unsigned maxSide)
{
    std::string bytes;
    std::string tooLarge;
    if (ReadWholeFile(path, bytes, tooLarge).empty() &&
        DecodeImage(Unsigned(bytes), bytes.size(), HasTgaName(path), maxSide, &tooLarge))
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
