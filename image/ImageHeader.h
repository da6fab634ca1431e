#pragma once

#include <cstddef>

#include <IL/il.h>

// What an image file declares about itself, read without decoding it.
struct ImageHeader {
    ILenum type = IL_TYPE_UNKNOWN; // IL_JPG, IL_PNG or IL_TGA once a well-formed header is read
    unsigned width = 0;
    unsigned height = 0;
};

// The bytes of a JPEG, PNG or TGA file are checked before the image library sees them, because
// its decoders are not safe on hostile input. JPEG and PNG are known by their signatures; TGA
// has none, so it is taken only for a ".tga" name (`tgaName`).

// The type and declared size from a well-formed header (a JPEG's frame header, a PNG's header
// chunk, a TGA's 18 bytes); the type is IL_TYPE_UNKNOWN for anything else. Cheap, so that an
// image can be refused for its size before anything else is done with it.
ImageHeader ReadImageHeader(const unsigned char* bytes, std::size_t size, bool tgaName);

// Whether the rest of the file is fit for the decoder, which then never takes an error path:
// - JPEG: the marker segments lie inside the data, there is one 8-bit baseline, extended or
//   progressive frame with 1, 3 or 4 components, and at least one but not too many scans;
// - PNG: see IsPngDataSound (every chunk, checksums, the inflated rows);
// - TGA: the data holds every pixel the header declares, run-length packets included, none
//   running past the image and no colour index past the colour map.
// Costs time in proportion to the pixels: call it only for an image of an acceptable size.
bool IsImageDataSound(const unsigned char* bytes, std::size_t size, const ImageHeader& header);
