#include "level/ImageHeader.h"

#include <cstdint>
#include <cstring>

namespace {

// Reads numbers from a byte range; every read first checks that the bytes are there.
class ByteReader {
public:
    ByteReader(const unsigned char* bytes, std::size_t size) : m_bytes(bytes), m_size(size) {}

    bool Has(std::size_t count) const { return count <= m_size - m_pos; }
    std::size_t Position() const { return m_pos; }
    const unsigned char* Data() const { return m_bytes + m_pos; }
    unsigned Peek(std::size_t offset = 0) const { return m_bytes[m_pos + offset]; }
    void Skip(std::size_t count) { m_pos += count; }
    unsigned U8() { return m_bytes[m_pos++]; }
    unsigned U16BigEndian()
    {
        const unsigned value = (Peek() << 8) | Peek(1);
        m_pos += 2;
        return value;
    }
    unsigned U16LittleEndian()
    {
        const unsigned value = Peek() | (Peek(1) << 8);
        m_pos += 2;
        return value;
    }
    std::uint32_t U32BigEndian()
    {
        const std::uint32_t high = U16BigEndian();
        return (high << 16) | U16BigEndian();
    }

private:
    const unsigned char* m_bytes;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

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
    header = ImageHeader{IL_JPG, width, height};
    return true;
}

// Passes the entropy-coded data after a scan header, up to the next marker other than a
// stuffed zero or a restart marker (or the end of the data).
void SkipEntropyCodedData(ByteReader& reader)
{
    while (reader.Has(2) && !(reader.Peek() == 0xFF && reader.Peek(1) != 0 && !IsRestartMarker(reader.Peek(1))))
        reader.Skip(1);
}

ImageHeader ReadJpeg(const unsigned char* bytes, std::size_t size)
{
    ByteReader reader(bytes, size);
    reader.Skip(2);
    ImageHeader header;
    int scans = 0;
    // A file cut short inside the image data still decodes (the rest is grey); cut short in a
    // header, or without a frame and a scan, it does not. Once the frame is read the size is
    // known, whatever follows.
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
            if (header.type != IL_TYPE_UNKNOWN)
                return header;
            if (!ReadFrame(segment, length, header))
                return {};
        } else if (marker == kStartOfScan) {
            if (header.type == IL_TYPE_UNKNOWN || ++scans > kMaxJpegScans)
                return header;
            SkipEntropyCodedData(reader);
        }
    }
    header.decodable = header.type != IL_TYPE_UNKNOWN && scans > 0;
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

ImageHeader ReadPng(const unsigned char* bytes, std::size_t size)
{
    ByteReader reader(bytes, size);
    reader.Skip(sizeof kPngSignature);
    // Length, "IHDR", 13 bytes of fields, CRC.
    if (!reader.Has(4 + 4 + 13 + 4) || reader.U32BigEndian() != 13)
        return {};
    if (std::memcmp(bytes + reader.Position(), "IHDR", 4) != 0)
        return {};
    reader.Skip(4);
    const std::uint32_t width = reader.U32BigEndian();
    const std::uint32_t height = reader.U32BigEndian();
    const unsigned depth = reader.U8();
    const unsigned colourType = reader.U8();
    const unsigned compression = reader.U8();
    const unsigned filter = reader.U8();
    const unsigned interlace = reader.U8();
    constexpr std::uint32_t kMaxSide = 0x7FFFFFFF;
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide || !IsValidPngDepth(colourType, depth) ||
        compression != 0 || filter != 0 || interlace > 1)
        return {};
    ImageHeader header = {IL_PNG, width, height};
    // The decoder checks the chunks itself; what it may not get is a header it misreads.
    header.decodable = true;
    return header;
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

ImageHeader ReadTga(const unsigned char* bytes, std::size_t size)
{
    if (size < kTgaHeaderSize)
        return {};
    TgaLayout layout;
    if (!ReadTgaLayout(bytes, layout))
        return {};
    const unsigned width = bytes[12] | (bytes[13] << 8);
    const unsigned height = bytes[14] | (bytes[15] << 8);
    const unsigned mapType = bytes[1];
    const unsigned mapEntryBytes = (bytes[7] + 7) / 8;
    const std::size_t mapBytes = mapType == 1 ? std::size_t(layout.mapLength) * mapEntryBytes : 0;
    if (width == 0 || height == 0)
        return {};
    ImageHeader header = {IL_TGA, width, height};
    ByteReader reader(bytes, size);
    reader.Skip(kTgaHeaderSize);
    if (!reader.Has(bytes[0] + mapBytes))
        return header;
    reader.Skip(bytes[0] + mapBytes);
    header.decodable = HasAllPixels(reader, std::uint64_t(width) * height, layout);
    return header;
}

} // namespace

ImageHeader ReadImageHeader(const unsigned char* bytes, std::size_t size, bool tgaName)
{
    if (StartsWith(bytes, size, kJpegSignature))
        return ReadJpeg(bytes, size);
    if (StartsWith(bytes, size, kPngSignature))
        return ReadPng(bytes, size);
    if (tgaName)
        return ReadTga(bytes, size);
    return {};
}
