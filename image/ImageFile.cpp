#include "image/ImageFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <utility>

#include <GL/gl.h>
#include <IL/il.h>
#include <IL/ilu.h>
#include <IL/ilut.h>

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
bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& tooLarge)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        size = std::ftell(file);
    bool ok = size >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok && size > kMaxFileBytes) {
        tooLarge = "file of " + std::to_string(size) + " bytes";
        ok = false;
    }
    if (ok) {
        bytes.resize(static_cast<std::size_t>(size));
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
