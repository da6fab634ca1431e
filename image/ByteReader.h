#pragma once

#include <cstddef>
#include <cstdint>

// Reads numbers from a byte range; the caller checks with Has that the bytes are there.
class ByteReader {
public:
    ByteReader(const unsigned char* bytes, std::size_t size) : m_bytes(bytes), m_size(size) {}

    bool Has(std::size_t count) const { return count <= m_size - m_pos; }
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
