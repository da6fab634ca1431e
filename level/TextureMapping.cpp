#include "level/TextureMapping.h"

#include <cmath>

void TextureMapping::SetTexRotationAngleDeg(float v)
{
    TexRotationAngleDeg = ReduceByWholeTurns(v);
}

void TextureMapping::MapTexCoord(float st[2]) const
{
    const double angle = TexRotationAngleDeg * M_PI / 180.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double u = static_cast<double>(st[0]) + TexTX - 0.5;
    const double v = static_cast<double>(st[1]) + TexTY - 0.5;
    st[0] = static_cast<float>((c * u - s * v + 0.5) * TexScaleX);
    st[1] = static_cast<float>((s * u + c * v + 0.5) * TexScaleY);
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
