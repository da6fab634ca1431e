#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <IL/il.h>
#include <zlib.h>

#include "image/ImageFile.h"

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "trelkan-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~TempDir()
    {
        if (!m_path.empty())
            std::filesystem::remove_all(m_path);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Saves a width x height image of one colour with the given channel layout (IL_RGB, IL_RGBA,
// IL_LUMINANCE) in the format `type`. Needs a current OpenGL context.
inline bool SaveSolidImage(const std::string& path, ILenum type, ILenum format, int width, int height,
                           std::vector<unsigned char> pixel)
{
    InitImageLibrary();
    ilEnable(IL_FILE_OVERWRITE);
    std::vector<unsigned char> data;
    for (int i = 0; i < width * height; ++i)
        data.insert(data.end(), pixel.begin(), pixel.end());
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    const bool ok = ilTexImage(width, height, 1, static_cast<ILubyte>(pixel.size()), format,
                               IL_UNSIGNED_BYTE, data.data()) &&
                    ilSave(type, path.c_str());
    ilDeleteImages(1, &image);
    return ok;
}

using Bytes = std::vector<unsigned char>;

inline Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline void WriteImageBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadImageBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The 18-byte header of a TGA image without identification field or colour map.
inline Bytes TgaHeader(unsigned width, unsigned height, unsigned imageType = 2, unsigned depth = 24)
{
    return {0, 0, static_cast<unsigned char>(imageType), 0, 0, 0, 0, 0, 0, 0, 0, 0,
            static_cast<unsigned char>(width), static_cast<unsigned char>(width >> 8),
            static_cast<unsigned char>(height), static_cast<unsigned char>(height >> 8),
            static_cast<unsigned char>(depth), 0};
}

// The PNG signature and a header chunk declaring an 8-bit RGB image (its checksum left 0),
// followed by nothing: enough to tell the size, not to decode.
inline Bytes PngHeader(unsigned width, unsigned height, unsigned depth = 8, unsigned colourType = 2)
{
    Bytes bytes = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (unsigned value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<unsigned char>(value >> shift));
    bytes.insert(bytes.end(), {static_cast<unsigned char>(depth), static_cast<unsigned char>(colourType), 0, 0, 0,
                               0, 0, 0, 0});
    return bytes;
}

inline void AppendBigEndian(Bytes& bytes, unsigned long value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<unsigned char>(value >> shift));
}

// One PNG chunk with its length and checksum.
inline Bytes PngChunk(const std::string& type, const Bytes& data)
{
    Bytes chunk;
    AppendBigEndian(chunk, data.size());
    const Bytes body = Concat(Bytes(type.begin(), type.end()), data);
    chunk = Concat(chunk, body);
    AppendBigEndian(chunk, crc32(0, body.data(), static_cast<uInt>(body.size())));
    return chunk;
}

// A whole PNG file: header, palette when one is given, the `rows` (each with its filter byte)
// compressed into one image data chunk, end.
inline Bytes PngFile(unsigned width, unsigned height, unsigned depth, unsigned colourType, const Bytes& rows,
                     const Bytes& palette = {}, bool interlaced = false)
{
    Bytes header;
    AppendBigEndian(header, width);
    AppendBigEndian(header, height);
    header.insert(header.end(), {static_cast<unsigned char>(depth), static_cast<unsigned char>(colourType), 0, 0,
                                 static_cast<unsigned char>(interlaced ? 1 : 0)});
    Bytes compressed(compressBound(static_cast<uLong>(rows.size())));
    uLongf size = compressed.size();
    compress(compressed.data(), &size, rows.data(), static_cast<uLong>(rows.size()));
    compressed.resize(size);
    Bytes file = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    file = Concat(file, PngChunk("IHDR", header));
    if (!palette.empty())
        file = Concat(file, PngChunk("PLTE", palette));
    return Concat(Concat(file, PngChunk("IDAT", compressed)), PngChunk("IEND", {}));
}
