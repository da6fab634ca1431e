#include "checks/FootprintMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A point or direction in the footprint's own frame, whose axes the drawing's turn gives.
struct Local {
    float u, v;
};

Local ToLocal(const TurnedFootprint& turned, float dx, float dz)
{
    const FootprintAxes& a = turned.axes;
    return {dx * a.ux + dz * a.uz, dx * a.vx + dz * a.vz};
}

// Narrows [enter, leave] to where origin + t * direction lies within [-half, half] on one axis.
void ClipSlab(float origin, float direction, float half, float& enter, float& leave)
{
    if (direction == 0.0f) {
        if (std::fabs(origin) > half)
            leave = -1.0f;
        return;
    }
    float t0 = (-half - origin) / direction;
    float t1 = (half - origin) / direction;
    if (t0 > t1)
        std::swap(t0, t1);
    enter = std::max(enter, t0);
    leave = std::min(leave, t1);
}

} // namespace

TurnedFootprint::TurnedFootprint(const Footprint& shape)
    : footprint(shape), axes(FootprintAxes::Turned(shape.angleDeg))
{
}

bool TurnedFootprint::Holds(float x, float z, bool closed) const
{
    const Local p = ToLocal(*this, x - footprint.x, z - footprint.z);
    const float u = std::fabs(p.u);
    const float v = std::fabs(p.v);
    return closed ? u <= footprint.halfX && v <= footprint.halfZ : u < footprint.halfX && v < footprint.halfZ;
}

bool FootprintHolds(const Footprint& footprint, float x, float z, bool closed)
{
    return TurnedFootprint(footprint).Holds(x, z, closed);
}

float RayDistanceTo(const Footprint& footprint, float x, float z, float dx, float dz)
{
    const TurnedFootprint turned(footprint);
    const Local origin = ToLocal(turned, x - footprint.x, z - footprint.z);
    const Local direction = ToLocal(turned, dx, dz);
    float enter = 0.0f;
    float leave = std::numeric_limits<float>::infinity();
    ClipSlab(origin.u, direction.u, footprint.halfX, enter, leave);
    ClipSlab(origin.v, direction.v, footprint.halfZ, enter, leave);
    return enter <= leave ? enter : -1.0f;
}

float RayDistanceToEdge(const LevelRect& rect, float x, float z, float dx, float dz)
{
    const Footprint whole = {0.5f * (rect.minX + rect.maxX), 0.5f * (rect.minZ + rect.maxZ),
                             0.5f * (rect.maxX - rect.minX), 0.5f * (rect.maxZ - rect.minZ), 0.0f};
    // Where the line through the point leaves the rectangle ahead of it.
    float enter = -std::numeric_limits<float>::infinity();
    float leave = std::numeric_limits<float>::infinity();
    ClipSlab(x - whole.x, dx, whole.halfX, enter, leave);
    ClipSlab(z - whole.z, dz, whole.halfZ, enter, leave);
    return std::max(leave, 0.0f);
}
