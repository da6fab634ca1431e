#include <cstddef>
#include <cstdint>

#include <IL/il.h>

#include "level/ImageFile.h"

namespace {

// The largest texture side of a context the fuzzer pretends to have: smaller than most real
// ones, so that accepted images decode fast and the fuzzer spends its time on the checks.
constexpr unsigned kMaxSide = 2048;

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
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    if (DecodeImage(data, size, true, kMaxSide, nullptr))
        ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE);
    ilDeleteImages(1, &image);
    return 0;
}
