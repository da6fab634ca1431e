#pragma once

// While it lives, the projection and modelview map (x, y) to the window pixel x, y counted from
// the bottom left of a `width` by `height` viewport; at its end both matrices are put back and
// the modelview is the current matrix again.
class PixelMatrices {
public:
    PixelMatrices(int width, int height);
    ~PixelMatrices();
    PixelMatrices(const PixelMatrices&) = delete;
    PixelMatrices& operator=(const PixelMatrices&) = delete;
};
