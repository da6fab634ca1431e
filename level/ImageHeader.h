#pragma once

#include <cstddef>

#include <IL/il.h>

// What an image file declares about itself, read without decoding it.
struct ImageHeader {
    ILenum type = IL_TYPE_UNKNOWN; // IL_JPG, IL_PNG or IL_TGA once the header with the size is read
    unsigned width = 0;
    unsigned height = 0;
    bool decodable = false; // the rest of the data passed the checks below too
};

// Checks the bytes of a JPEG, PNG or TGA file before the image library sees them, because its
// decoders are not safe on hostile input. JPEG and PNG are known by their signatures; TGA has
// none, so it is taken only for a ".tga" name (`tgaName`). The check is structural:
// - JPEG: the marker segments up to the frame header lie inside the data, the frame is 8-bit
//   with 1, 3 or 4 components and a size, and the scans are few enough to decode quickly;
// - PNG: the first chunk is a well-formed IHDR with a valid depth and colour type;
// - TGA: the header is consistent and the data holds every pixel it declares, run-length packets
//   included, none running past the image or indexing past the colour map.
// The result's type is IL_TYPE_UNKNOWN when the bytes are none of these or their header is
// malformed; a header that is well formed gives the declared size even when the rest of the
// data is not fit for decoding, so that an image can be refused for its size alone.
ImageHeader ReadImageHeader(const unsigned char* bytes, std::size_t size, bool tgaName);
