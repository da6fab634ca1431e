#pragma once

#include <array>
#include <cmath>

#include <GL/gl.h>

#include "tests/support/OffscreenContext.h"
#include "tests/support/WrittenText.h"

// An orthographic camera looking down the Y axis as the edit view does: X to the right, Z
// downward on the screen, the square [cx - half, cx + half] x [cz - half, cz + half] filling
// the context. Clears colour and depth and enables the depth test.
class TopDownCamera {
public:
    TopDownCamera(OffscreenContext& context, float half, float cx = 0.0f, float cz = 0.0f)
        : m_context(&context), m_half(half), m_cx(cx), m_cz(cz)
    {
        glViewport(0, 0, context.Width(), context.Height());
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(cx - half, cx + half, -cz - half, -cz + half, -100.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
    }

    int PixelX(float x) const { return static_cast<int>((x - m_cx + m_half) / (2 * m_half) * m_context->Width()); }
    int PixelY(float z) const { return static_cast<int>((m_cz - z + m_half) / (2 * m_half) * m_context->Height()); }
    std::array<unsigned char, 4> At(float x, float z) const { return m_context->Pixel(PixelX(x), PixelY(z)); }

private:
    OffscreenContext* m_context;
    float m_half;
    float m_cx;
    float m_cz;
};

// True when the pixel has the colour (r, g, b) given in [0, 1], within rounding.
inline bool HasColour(const std::array<unsigned char, 4>& pixel, float r, float g, float b)
{
    const float want[3] = {r, g, b};
    for (int i = 0; i < 3; ++i)
        if (std::abs(pixel[i] - want[i] * 255.0f) > 2.0f)
            return false;
    return true;
}

inline GLint GetInteger(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

inline bool IsBackground(const std::array<unsigned char, 4>& pixel)
{
    return pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0;
}
