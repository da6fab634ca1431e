#include "image/PngData.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <zlib.h>

#include "image/ByteReader.h"

namespace {

constexpr std::size_t kSignatureSize = 8;
constexpr std::uint32_t kMaxChunkLength = 0x7FFFFFFF;

unsigned Channels(unsigned colourType)
{
    switch (colourType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
    }
}

// Rows of one pass of the image data: how many, their pixels, and their bytes without the
// filter byte.
struct RowRun {
    std::uint64_t rows;
    std::uint64_t pixels;
    std::uint64_t rowBytes;
};

// The passes the decoder expects: one for a plain image, up to seven for an interlaced one.
std::vector<RowRun> ExpectedRows(const PngLayout& layout)
{
    const std::uint64_t bitsPerPixel = std::uint64_t(layout.depth) * Channels(layout.colourType);
    auto rowBytes = [bitsPerPixel](std::uint64_t width) { return (width * bitsPerPixel + 7) / 8; };
    if (!layout.interlaced)
        return {{layout.height, layout.width, rowBytes(layout.width)}};
    // Adam7: first column and row, column and row steps of each pass.
    static const unsigned kPasses[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                           {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    auto count = [](std::uint64_t size, unsigned start, unsigned step) {
        return size > start ? (size - start + step - 1) / step : 0;
    };
    std::vector<RowRun> runs;
    for (const auto& pass : kPasses) {
        const std::uint64_t width = count(layout.width, pass[0], pass[2]);
        const std::uint64_t height = count(layout.height, pass[1], pass[3]);
        if (width > 0 && height > 0)
            runs.push_back({height, width, rowBytes(width)});
    }
    return runs;
}

int Paeth(int left, int up, int upLeft)
{
    const int p = left + up - upLeft;
    const int pa = std::abs(p - left);
    const int pb = std::abs(p - up);
    const int pc = std::abs(p - upLeft);
    return pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
}

// Undoes a row's filter for one byte per pixel (palette images, 8 bits at most per index).
void Unfilter(unsigned filter, std::vector<unsigned char>& row, const std::vector<unsigned char>& previous)
{
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int left = i > 0 ? row[i - 1] : 0;
        const int up = previous[i];
        const int upLeft = i > 0 ? previous[i - 1] : 0;
        int predictor = 0;
        switch (filter) {
        case 1: predictor = left; break;
        case 2: predictor = up; break;
        case 3: predictor = (left + up) / 2; break;
        case 4: predictor = Paeth(left, up, upLeft); break;
        default: break;
        }
        row[i] = static_cast<unsigned char>(row[i] + predictor);
    }
}

// Inflates the image data chunk by chunk and follows it row by row: every row starts with a
// filter type the decoder knows, the data ends exactly after the last row, and the indices of
// a palette image stay inside the palette.
class ImageDataCheck {
public:
    ImageDataCheck(const PngLayout& layout, unsigned paletteEntries)
        : m_runs(ExpectedRows(layout)), m_depth(layout.depth), m_paletteEntries(paletteEntries),
          m_checkIndices(layout.colourType == 3 && paletteEntries < (1u << layout.depth))
    {
        m_ready = inflateInit(&m_stream) == Z_OK;
        StartRun();
    }
    ~ImageDataCheck() { inflateEnd(&m_stream); }
    ImageDataCheck(const ImageDataCheck&) = delete;
    ImageDataCheck& operator=(const ImageDataCheck&) = delete;

    bool Feed(const unsigned char* data, std::uint32_t size)
    {
        if (!m_ready || m_ended)
            return false;
        m_stream.next_in = const_cast<Bytef*>(data);
        m_stream.avail_in = size;
        unsigned char out[16384];
        do {
            m_stream.next_out = out;
            m_stream.avail_out = sizeof out;
            const int result = inflate(&m_stream, Z_NO_FLUSH);
            if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
                return false;
            if (!Follow(out, sizeof out - m_stream.avail_out))
                return false;
            m_ended = result == Z_STREAM_END;
        } while (!m_ended && (m_stream.avail_out == 0 || m_stream.avail_in > 0));
        return !m_ended || m_stream.avail_in == 0;
    }

    bool Complete() const { return m_ended && m_run == m_runs.size(); }

private:
    void StartRun()
    {
        m_rowsLeft = m_run < m_runs.size() ? m_runs[m_run].rows : 0;
        const std::size_t rowBytes = m_run < m_runs.size() && m_checkIndices ? m_runs[m_run].rowBytes : 0;
        m_row.assign(rowBytes, 0);
        m_previous.assign(rowBytes, 0);
    }

    bool Follow(const unsigned char* bytes, std::size_t size)
    {
        for (std::size_t i = 0; i < size;) {
            if (m_run == m_runs.size())
                return false; // more data than rows
            if (m_bytesLeft == 0) {
                m_filter = bytes[i++];
                if (m_filter > 4)
                    return false;
                m_bytesLeft = m_runs[m_run].rowBytes;
                continue;
            }
            const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(m_bytesLeft, size - i));
            if (m_checkIndices)
                std::memcpy(m_row.data() + (m_row.size() - m_bytesLeft), bytes + i, take);
            i += take;
            m_bytesLeft -= take;
            if (m_bytesLeft == 0 && !EndRow())
                return false;
        }
        return true;
    }

    bool EndRow()
    {
        if (m_checkIndices) {
            Unfilter(m_filter, m_row, m_previous);
            if (!IndicesInPalette())
                return false;
            m_previous.swap(m_row);
        }
        if (--m_rowsLeft == 0) {
            ++m_run;
            StartRun();
        }
        return true;
    }

    // The padding bits at the end of a row are no pixel and are not looked at.
    bool IndicesInPalette() const
    {
        const unsigned mask = (1u << m_depth) - 1;
        for (std::uint64_t pixel = 0; pixel < m_runs[m_run].pixels; ++pixel) {
            const std::uint64_t bit = pixel * m_depth;
            const unsigned shift = 8 - m_depth - static_cast<unsigned>(bit % 8);
            if (((m_row[bit / 8] >> shift) & mask) >= m_paletteEntries)
                return false;
        }
        return true;
    }

    std::vector<RowRun> m_runs;
    unsigned m_depth;
    unsigned m_paletteEntries;
    bool m_checkIndices;
    z_stream m_stream{};
    bool m_ready = false;
    bool m_ended = false;
    std::size_t m_run = 0;
    std::uint64_t m_rowsLeft = 0;
    std::uint64_t m_bytesLeft = 0;
    unsigned m_filter = 0;
    std::vector<unsigned char> m_row;
    std::vector<unsigned char> m_previous;
};

bool IsType(const unsigned char* type, const char* name)
{
    return std::memcmp(type, name, 4) == 0;
}

} // namespace

bool IsPngDataSound(const unsigned char* bytes, std::size_t size, const PngLayout& layout)
{
    ByteReader reader(bytes, size);
    reader.Skip(kSignatureSize);
    unsigned paletteEntries = 0;
    bool first = true;
    bool inData = false;
    bool dataDone = false;
    std::unique_ptr<ImageDataCheck> data;
    for (;;) {
        if (!reader.Has(12))
            return false;
        const std::uint32_t length = reader.U32BigEndian();
        if (length > kMaxChunkLength || !reader.Has(std::size_t(length) + 8))
            return false;
        const unsigned char* type = reader.Data();
        const unsigned char* content = type + 4;
        ByteReader checksum(content + length, 4);
        if (crc32(crc32(0, nullptr, 0), type, length + 4) != checksum.U32BigEndian())
            return false;
        reader.Skip(std::size_t(length) + 8);
        const bool isData = IsType(type, "IDAT");
        if (inData && !isData)
            dataDone = true;
        if (first != IsType(type, "IHDR"))
            return false;
        first = false;
        if (IsType(type, "IEND"))
            return length == 0 && data && data->Complete();
        if (IsType(type, "PLTE")) {
            const bool allowed = layout.colourType != 0 && layout.colourType != 4 && paletteEntries == 0 && !inData;
            paletteEntries = length / 3;
            const unsigned most = layout.colourType == 3 ? 1u << layout.depth : 256;
            if (!allowed || length % 3 != 0 || paletteEntries == 0 || paletteEntries > most)
                return false;
        } else if (isData) {
            if (dataDone || (layout.colourType == 3 && paletteEntries == 0))
                return false;
            if (!data)
                data = std::make_unique<ImageDataCheck>(layout, paletteEntries);
            inData = true;
            if (!data->Feed(content, length))
                return false;
        } else if ((type[0] & 0x20) == 0 && !IsType(type, "IHDR")) {
            return false; // a critical chunk the decoder does not know
        }
    }
}
