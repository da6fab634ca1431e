#include "level/ImageFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include <IL/ilu.h>
#include <IL/ilut.h>

namespace {

constexpr std::size_t kTgaHeaderSize = 18;
const unsigned char kJpegSignature[] = {0xFF, 0xD8, 0xFF};
const unsigned char kPngSignature[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

template <std::size_t N>
bool StartsWith(const unsigned char* bytes, std::size_t size, const unsigned char (&signature)[N])
{
    return size >= N && std::memcmp(bytes, signature, N) == 0;
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

bool IsPlausibleTgaHeader(const unsigned char* h, std::size_t size)
{
    if (size < kTgaHeaderSize)
        return false;
    const unsigned char colourMapType = h[1];
    const unsigned char imageType = h[2];
    const unsigned width = h[12] | (h[13] << 8);
    const unsigned height = h[14] | (h[15] << 8);
    const bool knownImageType = imageType == 1 || imageType == 2 || imageType == 3 ||
                                imageType == 9 || imageType == 10 || imageType == 11;
    return colourMapType <= 1 && knownImageType && width != 0 && height != 0;
}

} // namespace

ILenum DetectImageType(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return IL_TYPE_UNKNOWN;
    unsigned char header[kTgaHeaderSize];
    const std::size_t size = std::fread(header, 1, sizeof header, file);
    std::fclose(file);
    if (StartsWith(header, size, kJpegSignature))
        return IL_JPG;
    if (StartsWith(header, size, kPngSignature))
        return IL_PNG;
    if (HasTgaName(path) && IsPlausibleTgaHeader(header, size))
        return IL_TGA;
    return IL_TYPE_UNKNOWN;
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
