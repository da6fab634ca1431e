#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include <IL/il.h>
#include <zlib.h>

#include "image/ImageFile.h"

namespace {

// The largest texture side of a context the fuzzer pretends to have: smaller than most real
// ones, so that accepted images decode fast and the fuzzer spends its time on the checks.
constexpr unsigned kMaxSide = 2048;

// Gives every PNG chunk the checksum of its contents. Mutated chunks would otherwise almost
// never get past the checksum test, and a hostile file always has correct checksums.
void FixPngChecksums(std::vector<unsigned char>& bytes)
{
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (bytes.size() < sizeof signature || std::memcmp(bytes.data(), signature, sizeof signature) != 0)
        return;
    std::size_t pos = sizeof signature;
    while (bytes.size() - pos >= 12) {
        const std::uint32_t length = std::uint32_t(bytes[pos]) << 24 | bytes[pos + 1] << 16 | bytes[pos + 2] << 8 | bytes[pos + 3];
        if (length > bytes.size() - pos - 12)
            return;
        const unsigned long crc = crc32(0, bytes.data() + pos + 4, length + 4);
        for (int i = 0; i < 4; ++i)
            bytes[pos + 8 + length + i] = static_cast<unsigned char>(crc >> (24 - 8 * i));
        pos += 12 + length;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ilInit();
    return 0;
}

// Arbitrary bytes as an image file, the way the texture table and the sky box take them: type
// detection, the header check, the library's JPEG, PNG or TGA decoder, and the conversion to RGB
// that the sky box faces get. Nothing may crash, leak or read out of bounds; whatever the
// decoders cannot take safely must be refused by the check before them. No OpenGL is involved.
// PNG checksums are made right first, so that the fuzzer explores what lies behind them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<unsigned char> bytes(data, data + size);
    FixPngChecksums(bytes);
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    if (DecodeImage(bytes.data(), bytes.size(), true, kMaxSide, nullptr))
        ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE);
    ilDeleteImages(1, &image);
    return 0;
}
