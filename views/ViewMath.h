#pragma once

// Arithmetic shared by both OpenGL views, free of the window toolkit.

// Zoom limits of the mouse wheel: a step up only below the upper limit, a step down only above
// the lower one (tested before multiplying, so one step may pass a limit).
constexpr float ZOOM_UPPER_LIMIT = 1.5f;
constexpr float ZOOM_LOWER_LIMIT = 0.03f;
constexpr float ZOOM_IN_FACTOR = 1.2f;
constexpr float ZOOM_OUT_FACTOR = 0.8333333f;

// One zoom step per wheel event, whatever the size of the delta; a delta of 0 changes nothing.
float ZoomStep(float zoom, int wheelDelta);

// Width over height of a client area; a collapsed height counts as one pixel.
float AspectRatio(int width, int height);
