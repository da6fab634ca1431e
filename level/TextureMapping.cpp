#include "level/TextureMapping.h"

#include <cmath>

void TextureMapping::SetTexRotationAngleDeg(float v)
{
    TexRotationAngleDeg = ReduceByWholeTurns(v);
}

float ReduceByWholeTurns(float degrees)
{
    // The turns are counted on the integer part. A float too large for an int is a whole
    // number already, and the exact remainder gives what the count would; NaN and the
    // infinities have no turns to take off.
    if (!std::isfinite(degrees))
        return degrees;
    if (!(std::fabs(degrees) < 2147483648.0f))
        return std::fmod(degrees, 360.0f);
    int turns = static_cast<int>(degrees) / 360;
    return degrees - static_cast<float>(360 * turns);
}
