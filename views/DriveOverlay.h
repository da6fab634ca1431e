#pragma once

#include <vector>

#include <wx/string.h>

// Lines of text over the top left corner of an OpenGL pane: drawn by the toolkit into a
// picture, which goes to the frame as pixels. The picture is made again only when the text
// changes.
class DriveOverlay {
public:
    // Draws `lines` into the current context's frame of `width` x `height` pixels.
    void Draw(const std::vector<wxString>& lines, int width, int height);

private:
    void Render(const std::vector<wxString>& lines);

    std::vector<wxString> m_lines;
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_pixels; // RGBA, bottom row first, as glDrawPixels reads them
};
