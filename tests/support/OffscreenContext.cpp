#include "tests/support/OffscreenContext.h"

#include <GL/gl.h>

OffscreenContext::OffscreenContext(int width, int height)
    : m_width(width), m_height(height), m_buffer(static_cast<std::size_t>(width) * height * 4)
{
    m_context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    MakeCurrent();
}

OffscreenContext::~OffscreenContext()
{
    if (m_context)
        OSMesaDestroyContext(m_context);
}

void OffscreenContext::MakeCurrent()
{
    if (m_context)
        OSMesaMakeCurrent(m_context, m_buffer.data(), GL_UNSIGNED_BYTE, m_width, m_height);
}

std::array<unsigned char, 4> OffscreenContext::Pixel(int x, int y) const
{
    std::array<unsigned char, 4> rgba{};
    glFinish();
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}
