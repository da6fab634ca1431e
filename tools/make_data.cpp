// Writes the image and cursor files that ship with the editor, below the repository root given
// as the only argument. All pictures are procedural, so they can be made again at any time:
//   make_data <repository root>
#include <IL/il.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Rgb {
    float r, g, b;
};

Rgb Mix(Rgb a, Rgb b, float f)
{
    return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
}

Rgb Scale(Rgb c, float f) { return {c.r * f, c.g * f, c.b * f}; }

// An RGB picture with row 0 at the top, as it is seen.
class Canvas {
public:
    explicit Canvas(int size) : m_size(size), m_pixels(static_cast<std::size_t>(size) * size * 3) {}

    int Size() const { return m_size; }
    void Set(int x, int y, Rgb c)
    {
        unsigned char* p = &m_pixels[(static_cast<std::size_t>(y) * m_size + x) * 3];
        p[0] = ToByte(c.r);
        p[1] = ToByte(c.g);
        p[2] = ToByte(c.b);
    }
    // Fills every pixel from a function of the coordinates in [0, 1).
    void Fill(const std::function<Rgb(float u, float v)>& shade)
    {
        for (int y = 0; y < m_size; ++y)
            for (int x = 0; x < m_size; ++x)
                Set(x, y, shade((x + 0.5f) / m_size, (y + 0.5f) / m_size));
    }
    unsigned char* Data() { return m_pixels.data(); }

private:
    static unsigned char ToByte(float v)
    {
        return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
    }

    int m_size;
    std::vector<unsigned char> m_pixels;
};

// Deterministic value noise in [0, 1], smooth between integer lattice points; the lattice wraps
// at `period` so that the pictures tile.
float Hash(int x, int y)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<float>((h ^ (h >> 16)) & 0xffff) / 65535.0f;
}

float Noise(float u, float v, int period)
{
    const float x = u * period, y = v * period;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const float fx = x - x0, fy = y - y0;
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    auto at = [period](int i, int j) { return Hash((i % period + period) % period, (j % period + period) % period); };
    const float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const float bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

// Sum of octaves, in [0, 1].
float Fractal(float u, float v, int period)
{
    float sum = 0, weight = 0, amplitude = 1;
    for (int octave = 0; octave < 4; ++octave, period *= 2, amplitude *= 0.5f) {
        sum += Noise(u, v, period) * amplitude;
        weight += amplitude;
    }
    return sum / weight;
}

// --- the pictures ---

Rgb NoTexture(float u, float v)
{
    const int cells = 8;
    const bool odd = (static_cast<int>(u * cells) + static_cast<int>(v * cells)) % 2 != 0;
    return odd ? Rgb{0, 0, 0} : Rgb{1, 0, 1};
}

// A glass sphere seen in a mirror ball: dark blue rim, light blue centre, a white highlight up
// and to the left.
Rgb GlassSphereMap(float u, float v)
{
    const float r = std::hypot(u - 0.5f, v - 0.5f) * 2.0f;
    Rgb c = Mix({0.75f, 0.88f, 1.0f}, {0.05f, 0.15f, 0.45f}, std::min(r, 1.0f));
    const float highlight = std::max(0.0f, 1.0f - std::hypot(u - 0.35f, v - 0.3f) * 6.0f);
    c = Mix(c, {1, 1, 1}, highlight * highlight);
    return r > 1.0f ? Rgb{0.02f, 0.05f, 0.15f} : c;
}

const Rgb SKY_LOW{0.25f, 0.35f, 0.55f};
const Rgb SKY_HIGH{0.55f, 0.75f, 1.0f};
const Rgb SKY_TOP{0.75f, 0.88f, 1.0f};
const Rgb SKY_BOTTOM{0.12f, 0.16f, 0.25f};

// A side face: from the horizon's dusky blue at the bottom up to light blue at the top.
Rgb SkySide(float, float v) { return Mix(SKY_HIGH, SKY_LOW, v); }

// Top and bottom faces: flat, a little brighter or darker towards the middle.
Rgb SkyTop(float u, float v) { return Mix(SKY_TOP, SKY_HIGH, std::hypot(u - 0.5f, v - 0.5f) * 1.4f); }
Rgb SkyBottom(float u, float v) { return Mix(SKY_BOTTOM, SKY_LOW, std::hypot(u - 0.5f, v - 0.5f) * 1.4f); }

Rgb Grass(float u, float v)
{
    const float n = Fractal(u, v, 8);
    const float blades = Noise(u * 4, v, 64);
    return Mix({0.15f, 0.35f, 0.08f}, {0.45f, 0.7f, 0.2f}, 0.6f * n + 0.4f * blades);
}

Rgb Stone(float u, float v)
{
    const float n = Fractal(u, v, 4);
    const float grain = Hash(static_cast<int>(u * 256), static_cast<int>(v * 256));
    return Scale(Mix({0.35f, 0.34f, 0.32f}, {0.7f, 0.68f, 0.64f}, n), 0.9f + 0.1f * grain);
}

Rgb Brick(float u, float v)
{
    const int rows = 8, columns = 4;
    const float y = v * rows;
    const int row = static_cast<int>(y);
    const float x = u * columns + (row % 2 ? 0.5f : 0.0f);
    const float fx = x - std::floor(x), fy = y - row;
    const bool mortar = fx < 0.04f || fx > 0.96f || fy < 0.08f || fy > 0.92f;
    if (mortar)
        return Scale({0.75f, 0.73f, 0.68f}, 0.9f + 0.1f * Noise(u, v, 32));
    const float tone = Hash(static_cast<int>(std::floor(x)) % columns, row);
    return Scale(Mix({0.55f, 0.2f, 0.12f}, {0.72f, 0.32f, 0.2f}, tone), 0.85f + 0.15f * Fractal(u, v, 16));
}

Rgb Wood(float u, float v)
{
    const float rings = (u + 0.08f * Fractal(u, v, 4)) * 12.0f;
    const float f = 0.5f + 0.5f * std::sin(rings * 6.2831853f);
    return Mix({0.45f, 0.28f, 0.12f}, {0.7f, 0.5f, 0.28f}, f * (0.8f + 0.2f * Noise(u, v * 8, 16)));
}

struct Picture {
    const char* path;
    ILenum type;
    int size;
    Rgb (*shade)(float u, float v);
};

const Picture PICTURES[] = {
    {"data/Textures/Special/notex.tga", IL_TGA, 64, NoTexture},
    {"data/Spheremaps/envmapblue.jpg", IL_JPG, 128, GlassSphereMap},
    {"data/CubeMaps/Special/default_negx.png", IL_PNG, 128, SkySide},
    {"data/CubeMaps/Special/default_posx.png", IL_PNG, 128, SkySide},
    {"data/CubeMaps/Special/default_negy.png", IL_PNG, 128, SkyBottom},
    {"data/CubeMaps/Special/default_posy.png", IL_PNG, 128, SkyTop},
    {"data/CubeMaps/Special/default_negz.png", IL_PNG, 128, SkySide},
    {"data/CubeMaps/Special/default_posz.png", IL_PNG, 128, SkySide},
    {"data/Textures/Floors/grass.jpg", IL_JPG, 256, Grass},
    {"data/Textures/Floors/stone.jpg", IL_JPG, 256, Stone},
    {"data/Textures/Walls/brick.jpg", IL_JPG, 256, Brick},
    {"data/Textures/Walls/wood.tga", IL_TGA, 128, Wood},
};

bool SavePicture(const std::filesystem::path& root, const Picture& picture)
{
    Canvas canvas(picture.size);
    canvas.Fill(picture.shade);
    const std::filesystem::path file = root / picture.path;
    std::filesystem::create_directories(file.parent_path());

    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    bool ok = ilTexImage(picture.size, picture.size, 1, 3, IL_RGB, IL_UNSIGNED_BYTE, canvas.Data());
    if (ok) {
        ilRegisterOrigin(IL_ORIGIN_UPPER_LEFT); // the canvas holds its top row first
        ok = ilSave(picture.type, file.c_str());
    }
    ilDeleteImages(1, &image);
    if (!ok)
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
    return ok;
}

// --- the item-insertion cursor, a Windows .cur file of one 32 x 32 image with 32-bit colour ---

constexpr int CURSOR_SIZE = 32;

// Black-outlined white cross with a small diamond at its centre; 0 where transparent.
std::uint32_t CursorPixel(int x, int y)
{
    const int c = CURSOR_SIZE / 2;
    const int dx = std::abs(x - c), dy = std::abs(y - c);
    const std::uint32_t white = 0xffffffffu, black = 0xff000000u, blue = 0xff2060ffu;
    if (dx + dy <= 4)
        return dx + dy == 4 ? black : blue;
    const bool inCross = (dx <= 1 && dy <= 12) || (dy <= 1 && dx <= 12);
    const bool onOutline = (dx <= 2 && dy <= 13) || (dy <= 2 && dx <= 13);
    return inCross ? white : onOutline ? black : 0u;
}

void PutLE(std::vector<unsigned char>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

bool SaveCursor(const std::filesystem::path& file)
{
    const int maskRowBytes = CURSOR_SIZE / 8; // already a multiple of 4
    const std::uint32_t xorBytes = CURSOR_SIZE * CURSOR_SIZE * 4;
    const std::uint32_t andBytes = CURSOR_SIZE * maskRowBytes;
    const std::uint32_t headerBytes = 40;
    std::vector<unsigned char> out;
    // ICONDIR: reserved, type 2 (cursor), one image.
    PutLE(out, 0, 2);
    PutLE(out, 2, 2);
    PutLE(out, 1, 2);
    // ICONDIRENTRY: size, no palette, hotspot at the centre, size and offset of the image.
    out.push_back(CURSOR_SIZE);
    out.push_back(CURSOR_SIZE);
    out.push_back(0);
    out.push_back(0);
    PutLE(out, CURSOR_SIZE / 2, 2);
    PutLE(out, CURSOR_SIZE / 2, 2);
    PutLE(out, headerBytes + xorBytes + andBytes, 4);
    PutLE(out, 6 + 16, 4);
    // BITMAPINFOHEADER; the height counts the colour and the mask bitmap together.
    PutLE(out, headerBytes, 4);
    PutLE(out, CURSOR_SIZE, 4);
    PutLE(out, CURSOR_SIZE * 2, 4);
    PutLE(out, 1, 2);
    PutLE(out, 32, 2);
    PutLE(out, 0, 4);
    PutLE(out, xorBytes + andBytes, 4);
    for (int i = 0; i < 4; ++i)
        PutLE(out, 0, 4);
    // Colour bitmap, bottom row first, BGRA.
    for (int y = CURSOR_SIZE - 1; y >= 0; --y)
        for (int x = 0; x < CURSOR_SIZE; ++x)
            PutLE(out, CursorPixel(x, y), 4);
    // Mask, bottom row first: a set bit lets the screen show through.
    for (int y = CURSOR_SIZE - 1; y >= 0; --y)
        for (int byte = 0; byte < maskRowBytes; ++byte) {
            unsigned char bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (CursorPixel(byte * 8 + bit, y) == 0)
                    bits |= static_cast<unsigned char>(0x80 >> bit);
            out.push_back(bits);
        }

    std::filesystem::create_directories(file.parent_path());
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!stream)
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
    return static_cast<bool>(stream);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <repository root>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    ilInit();
    ilEnable(IL_FILE_OVERWRITE);
    ilSetInteger(IL_JPG_QUALITY, 85);

    bool ok = true;
    for (const Picture& picture : PICTURES)
        ok = SavePicture(root, picture) && ok;
    ok = SaveCursor(root / "app/res/Item_insert.cur") && ok;
    return ok ? 0 : 1;
}
