#pragma once

#include <array>
#include <vector>

#include <GL/osmesa.h>

// An offscreen OpenGL context (OSMesa) with a colour and a depth buffer, made current on
// construction. Drawing tests render into it and read pixels back.
class OffscreenContext {
public:
    explicit OffscreenContext(int width = 64, int height = 64);
    ~OffscreenContext();
    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;

    bool IsValid() const { return m_context != nullptr; }
    void MakeCurrent();
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // RGBA of the pixel at (x, y), y counted from the bottom as OpenGL does.
    std::array<unsigned char, 4> Pixel(int x, int y) const;

private:
    OSMesaContext m_context = nullptr;
    int m_width;
    int m_height;
    std::vector<unsigned char> m_buffer;
};
