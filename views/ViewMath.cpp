#include "views/ViewMath.h"

#include <algorithm>

float ZoomStep(float zoom, int wheelDelta)
{
    if (wheelDelta > 0 && zoom < ZOOM_UPPER_LIMIT)
        return zoom * ZOOM_IN_FACTOR;
    if (wheelDelta < 0 && zoom > ZOOM_LOWER_LIMIT)
        return zoom * ZOOM_OUT_FACTOR;
    return zoom;
}

float AspectRatio(int width, int height)
{
    return static_cast<float>(static_cast<double>(width) / std::max(height, 1));
}
