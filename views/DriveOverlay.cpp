#include "views/DriveOverlay.h"

#include <algorithm>

#include <GL/gl.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/settings.h>

#include "views/PixelMatrices.h"

namespace {

constexpr int kMargin = 6;

} // namespace

void DriveOverlay::Render(const std::vector<wxString>& lines)
{
    m_lines = lines;
    wxBitmap measure(1, 1);
    wxMemoryDC dc(measure);
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    int lineHeight = dc.GetCharHeight();
    int width = 1;
    for (const wxString& line : lines)
        width = std::max(width, dc.GetTextExtent(line).x);
    dc.SelectObject(wxNullBitmap);
    m_width = width + 2 * kMargin;
    m_height = lineHeight * static_cast<int>(lines.size()) + 2 * kMargin;
    wxBitmap picture(m_width, m_height, 24);
    dc.SelectObject(picture);
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
    dc.SetTextForeground(*wxWHITE);
    for (std::size_t i = 0; i < lines.size(); ++i)
        dc.DrawText(lines[i], kMargin, kMargin + lineHeight * static_cast<int>(i));
    dc.SelectObject(wxNullBitmap);
    const wxImage image = picture.ConvertToImage();
    m_pixels.assign(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) * 4, 0);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            unsigned char* p = &m_pixels[(static_cast<std::size_t>(m_height - 1 - y) * m_width + x) * 4];
            const unsigned char light = image.GetRed(x, y);
            p[0] = p[1] = p[2] = 255;
            // A dark shade behind the text keeps it readable over a bright floor.
            p[3] = static_cast<unsigned char>(std::max<int>(light, 110));
            if (light < 110)
                p[0] = p[1] = p[2] = 0;
        }
}

void DriveOverlay::Draw(const std::vector<wxString>& lines, int width, int height)
{
    if (lines != m_lines || m_pixels.empty())
        Render(lines);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    {
        const PixelMatrices pixels(width, height);
        glRasterPos2i(0, std::max(0, height - m_height));
        glDrawPixels(m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, m_pixels.data());
    }
    glPopAttrib();
}
