#pragma once

#include <cstddef>
#include <cstdint>

// The fields of a PNG header chunk that decide how the image data is laid out.
struct PngLayout {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    unsigned depth = 0;      // bits per sample
    unsigned colourType = 0; // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
    bool interlaced = false;
};

// Whether a whole PNG file (signature and a valid header chunk already checked) is one that the
// decoder reads without an error: every chunk lies inside the data with a correct checksum,
// the critical chunks come in their order (a palette where one is needed, the image data in one
// run, the end chunk last) and the image data inflates to exactly the rows the header declares,
// each starting with a known filter type. The decoder's error paths are never taken, so their
// faults (leaks among them) cannot be reached.
bool IsPngDataSound(const unsigned char* bytes, std::size_t size, const PngLayout& layout);
