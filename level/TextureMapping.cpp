#include "level/TextureMapping.h"

#include <cmath>

void TextureMapping::SetTexRotationAngleDeg(float v)
{
    TexRotationAngleDeg = ReduceByWholeTurns(v);
}

float ReduceByWholeTurns(float degrees)
{
    // The turns are counted on the integer part; a value whose integer part does not fit an
    // int (or NaN) cannot be counted that way and is kept as it is.
    if (!(std::fabs(degrees) < 2147483648.0f))
        return degrees;
    int turns = static_cast<int>(degrees) / 360;
    return degrees - static_cast<float>(360 * turns);
}
