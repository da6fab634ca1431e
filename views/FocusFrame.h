#pragma once

// The frame an OpenGL pane draws around its picture while it has the keyboard focus, free of
// the window toolkit.

struct FocusFrameColour {
    unsigned char red, green, blue;
};

// Frame thickness in pixels at a content scale of 1.
constexpr int FOCUS_FRAME_WIDTH = 3;

// Draws a frame `thickness` pixels wide along the edges of a viewport of width x height pixels,
// over whatever is drawn there; leaves the OpenGL state as it found it.
void DrawFocusFrame(int width, int height, int thickness, const FocusFrameColour& colour);
