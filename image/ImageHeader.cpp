#include "image/ImageHeader.h"

#include <cstdint>
#include <cstring>

#include "image/ByteReader.h"
#include "image/PngData.h"

namespace {

template <std::size_t N>
bool StartsWith(const unsigned char* bytes, std::size_t size, const unsigned char (&signature)[N])
{
    return size >= N && std::memcmp(bytes, signature, N) == 0;
}

// --- JPEG ---

const unsigned char kJpegSignature[] = {0xFF, 0xD8};
// Progressive images have about ten scans; thousands of tiny ones only make the decoder slow.
constexpr int kMaxJpegScans = 64;
constexpr unsigned kStartOfScan = 0xDA;
constexpr unsigned kEndOfImage = 0xD9;

bool IsRestartMarker(unsigned marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

// Baseline, extended sequential and progressive Huffman frames: what every JPEG writer makes
// and the decoder fully supports.
bool IsSupportedFrame(unsigned marker)
{
    return marker == 0xC0 || marker == 0xC1 || marker == 0xC2;
}

bool IsOtherFrame(unsigned marker)
{
    return marker >= 0xC3 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The frame header: 8-bit samples, a height and width, 1, 3 or 4 components of 3 bytes each.
bool ReadFrame(ByteReader segment, unsigned length, ImageHeader& header)
{
    if (length < 8)
        return false;
    const unsigned precision = segment.U8();
    const unsigned height = segment.U16BigEndian();
    const unsigned width = segment.U16BigEndian();
    const unsigned components = segment.U8();
    const bool knownComponents = components == 1 || components == 3 || components == 4;
    if (precision != 8 || height == 0 || width == 0 || !knownComponents || length != 8 + 3 * components)
        return false;
    header = {IL_JPG, width, height};
    return true;
}

// Passes the entropy-coded data after a scan header, up to the next marker other than a
// stuffed zero or a restart marker (or the end of the data).
void SkipEntropyCodedData(ByteReader& reader)
{
    while (reader.Has(2) && !(reader.Peek() == 0xFF && reader.Peek(1) != 0 && !IsRestartMarker(reader.Peek(1))))
        reader.Skip(1);
}

// Walks the marker segments: up to the frame header when `toEnd` is false, otherwise through
// every scan to the end. The header's type stays unknown without a well-formed frame; `sound`
// tells whether the whole walk found nothing the decoder would stop at.
ImageHeader WalkJpeg(const unsigned char* bytes, std::size_t size, bool toEnd, bool& sound)
{
    ByteReader reader(bytes, size);
    reader.Skip(2);
    ImageHeader header;
    int scans = 0;
    sound = false;
    // A file cut short inside the image data still decodes (the rest is grey); cut short in a
    // header, or without a frame and a scan, it does not.
    while (reader.Has(2)) {
        if (reader.U8() != 0xFF)
            return header;
        while (reader.Has(1) && reader.Peek() == 0xFF)
            reader.Skip(1);
        if (!reader.Has(1))
            break;
        const unsigned marker = reader.U8();
        if (marker == kEndOfImage)
            break;
        if (IsRestartMarker(marker) || marker == 0x01)
            continue;
        if (!reader.Has(2))
            return header;
        const unsigned length = reader.Peek() << 8 | reader.Peek(1);
        if (length < 2 || !reader.Has(length) || IsOtherFrame(marker) || marker == 0xD8)
            return header;
        ByteReader segment = reader;
        segment.Skip(2);
        reader.Skip(length);
        if (IsSupportedFrame(marker)) {
            if (header.type != IL_TYPE_UNKNOWN || !ReadFrame(segment, length, header))
                return header;
            if (!toEnd)
                return header;
        } else if (marker == kStartOfScan) {
            if (header.type == IL_TYPE_UNKNOWN || ++scans > kMaxJpegScans)
                return header;
            SkipEntropyCodedData(reader);
        }
    }
    sound = header.type != IL_TYPE_UNKNOWN && scans > 0;
    return header;
}

// --- PNG ---

const unsigned char kPngSignature[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

bool IsValidPngDepth(unsigned colourType, unsigned depth)
{
    switch (colourType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16; // grey
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;                // palette
    case 2:                                                                             // RGB
    case 4:                                                                             // grey, alpha
    case 6: return depth == 8 || depth == 16;                                           // RGBA
    default: return false;
    }
}

// The header chunk, which must come first.
bool ReadPngLayout(const unsigned char* bytes, std::size_t size, PngLayout& layout)
{
    ByteReader reader(bytes, size);
    reader.Skip(sizeof kPngSignature);
    // Length, "IHDR", 13 bytes of fields, CRC.
    if (!reader.Has(4 + 4 + 13 + 4) || reader.U32BigEndian() != 13 || std::memcmp(reader.Data(), "IHDR", 4) != 0)
        return false;
    reader.Skip(4);
    layout.width = reader.U32BigEndian();
    layout.height = reader.U32BigEndian();
    layout.depth = reader.U8();
    layout.colourType = reader.U8();
    const unsigned compression = reader.U8();
    const unsigned filter = reader.U8();
    const unsigned interlace = reader.U8();
    layout.interlaced = interlace == 1;
    constexpr std::uint32_t kMaxSide = 0x7FFFFFFF;
    return layout.width != 0 && layout.height != 0 && layout.width <= kMaxSide && layout.height <= kMaxSide &&
           IsValidPngDepth(layout.colourType, layout.depth) && compression == 0 && filter == 0 && interlace <= 1;
}

// --- TGA ---

constexpr std::size_t kTgaHeaderSize = 18;

struct TgaLayout {
    bool colourMapped = false;
    bool runLength = false;
    unsigned bytesPerPixel = 0;
    unsigned mapLength = 0; // colour-map entries; every index must be below it
};

// The image types the decoder handles: colour-mapped 8-bit indices (1, 9), true colour of 15,
// 16, 24 or 32 bits (2, 10) and 8-bit grey (3, 11); 9 to 11 are the run-length forms.
bool ReadTgaLayout(const unsigned char* h, TgaLayout& layout)
{
    const unsigned mapType = h[1];
    const unsigned imageType = h[2];
    const unsigned mapFirst = h[3] | (h[4] << 8);
    const unsigned mapLength = h[5] | (h[6] << 8);
    const unsigned mapEntryBits = h[7];
    const unsigned depth = h[16];
    const unsigned descriptor = h[17];
    const unsigned baseType = imageType & ~8u;
    layout.colourMapped = baseType == 1;
    layout.runLength = (imageType & 8u) != 0;
    layout.bytesPerPixel = (depth + 7) / 8;
    layout.mapLength = mapLength;
    if (imageType > 11 || baseType < 1 || baseType > 3 || (descriptor & 0xC0) != 0)
        return false;
    const bool mapValid = mapEntryBits == 15 || mapEntryBits == 16 || mapEntryBits == 24 || mapEntryBits == 32;
    if (layout.colourMapped)
        return mapType == 1 && mapValid && mapFirst == 0 && mapLength > 0 && depth == 8;
    if (mapType > 1 || (mapType == 1 && !mapValid))
        return false;
    if (baseType == 2)
        return depth == 15 || depth == 16 || depth == 24 || depth == 32;
    return depth == 8;
}

bool IndicesInMap(const unsigned char* pixels, std::size_t count, const TgaLayout& layout)
{
    if (!layout.colourMapped)
        return true;
    for (std::size_t i = 0; i < count; ++i)
        if (pixels[i] >= layout.mapLength)
            return false;
    return true;
}

// Every pixel of a width x height image must be in the data; a run-length packet may neither
// run past the last pixel nor past the data.
bool HasAllPixels(ByteReader& reader, std::uint64_t pixels, const TgaLayout& layout)
{
    const unsigned size = layout.bytesPerPixel;
    if (!layout.runLength)
        return reader.Has(pixels * size) && IndicesInMap(reader.Data(), pixels * size, layout);
    while (pixels > 0) {
        if (!reader.Has(1))
            return false;
        const unsigned packet = reader.U8();
        const unsigned count = (packet & 0x7F) + 1;
        const bool repeated = (packet & 0x80) != 0;
        const std::size_t bytes = repeated ? size : std::size_t(count) * size;
        if (count > pixels || !reader.Has(bytes) || !IndicesInMap(reader.Data(), bytes, layout))
            return false;
        reader.Skip(bytes);
        pixels -= count;
    }
    return true;
}

bool ReadTgaSize(const unsigned char* bytes, std::size_t size, ImageHeader& header)
{
    TgaLayout layout;
    if (size < kTgaHeaderSize || !ReadTgaLayout(bytes, layout))
        return false;
    const unsigned width = bytes[12] | (bytes[13] << 8);
    const unsigned height = bytes[14] | (bytes[15] << 8);
    header = {IL_TGA, width, height};
    return header.width != 0 && header.height != 0;
}

bool IsTgaDataSound(const unsigned char* bytes, std::size_t size, const ImageHeader& header)
{
    TgaLayout layout;
    ReadTgaLayout(bytes, layout);
    const std::size_t mapEntryBytes = (bytes[7] + 7) / 8;
    const std::size_t skipped = bytes[0] + (bytes[1] == 1 ? layout.mapLength * mapEntryBytes : 0);
    ByteReader reader(bytes, size);
    reader.Skip(kTgaHeaderSize);
    if (!reader.Has(skipped))
        return false;
    reader.Skip(skipped);
    return HasAllPixels(reader, std::uint64_t(header.width) * header.height, layout);
}

} // namespace

ImageHeader ReadImageHeader(const unsigned char* bytes, std::size_t size, bool tgaName)
{
    ImageHeader header;
    PngLayout png;
    bool sound = false;
    if (StartsWith(bytes, size, kJpegSignature))
        header = WalkJpeg(bytes, size, false, sound);
    else if (StartsWith(bytes, size, kPngSignature) && ReadPngLayout(bytes, size, png))
        header = {IL_PNG, png.width, png.height};
    else if (tgaName && !StartsWith(bytes, size, kPngSignature) && !ReadTgaSize(bytes, size, header))
        header = {};
    return header;
}

bool IsImageDataSound(const unsigned char* bytes, std::size_t size, const ImageHeader& header)
{
    PngLayout png;
    bool sound = false;
    switch (header.type) {
    case IL_JPG: WalkJpeg(bytes, size, true, sound); return sound;
    case IL_PNG: return ReadPngLayout(bytes, size, png) && IsPngDataSound(bytes, size, png);
    case IL_TGA: return IsTgaDataSound(bytes, size, header);
    default: return false;
    }
}
