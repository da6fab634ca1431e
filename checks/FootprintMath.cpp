#include "checks/FootprintMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A point or direction in the footprint's own frame, whose axes the drawing's turn gives.
struct Local {
    double u, v;
};

Local ToLocal(const FootprintAxes& a, double dx, double dz)
{
    return {dx * a.ux + dz * a.uz, dx * a.vx + dz * a.vz};
}

// Narrows [enter, leave] to where origin + t * direction lies within [-half, half] on one axis.
// A ray along the axis's faces stays within them when its origin does.
void ClipSlab(double origin, double direction, double half, double& enter, double& leave)
{
    if (std::fabs(direction) < 1e-12) {
        if (std::fabs(origin) > half)
            leave = -std::numeric_limits<double>::infinity();
        return;
    }
    double t0 = (-half - origin) / direction;
    double t1 = (half - origin) / direction;
    if (t0 > t1)
        std::swap(t0, t1);
    enter = std::max(enter, t0);
    leave = std::min(leave, t1);
}

// Half the length of the footprint's shadow on the axis (ax, az).
double HalfShadow(const Footprint& f, const FootprintAxes& a, double ax, double az)
{
    return f.halfX * std::fabs(a.ux * ax + a.uz * az) + f.halfZ * std::fabs(a.vx * ax + a.vz * az);
}

// Whether the shadows of the two on the axis overlap by more than the tolerance.
bool ShadowsOverlap(const Footprint& a, const FootprintAxes& axesA, const Footprint& b, const FootprintAxes& axesB,
                    double ax, double az)
{
    const double apart = std::fabs((b.x - a.x) * ax + (b.z - a.z) * az);
    return apart < HalfShadow(a, axesA, ax, az) + HalfShadow(b, axesB, ax, az) - kTolerance;
}

Footprint RectFootprint(const LevelRect& rect)
{
    return {0.5 * (rect.minX + rect.maxX), 0.5 * (rect.minZ + rect.maxZ), 0.5 * (rect.maxX - rect.minX),
            0.5 * (rect.maxZ - rect.minZ), 0.0};
}

} // namespace

TurnedFootprint::TurnedFootprint(const Footprint& shape)
    : footprint(shape), axes(FootprintAxes::Turned(shape.angleDeg))
{
}

bool TurnedFootprint::Holds(double x, double z) const
{
    const Local p = ToLocal(axes, x - footprint.x, z - footprint.z);
    return std::fabs(p.u) < footprint.halfX - kTolerance && std::fabs(p.v) < footprint.halfZ - kTolerance;
}

bool FootprintsOverlap(const TurnedFootprint& a, const TurnedFootprint& b)
{
    for (const FootprintAxes* axes : {&a.axes, &b.axes})
        if (!ShadowsOverlap(a.footprint, a.axes, b.footprint, b.axes, axes->ux, axes->uz) ||
            !ShadowsOverlap(a.footprint, a.axes, b.footprint, b.axes, axes->vx, axes->vz))
            return false;
    return true;
}

bool OverlapsRect(const TurnedFootprint& footprint, const LevelRect& rect)
{
    return FootprintsOverlap(footprint, TurnedFootprint(RectFootprint(rect)));
}

bool RectHolds(const LevelRect& rect, const Footprint& footprint)
{
    const LevelRect b = footprint.Bounds();
    return b.minX >= rect.minX - kTolerance && b.maxX <= rect.maxX + kTolerance && b.minZ >= rect.minZ - kTolerance &&
           b.maxZ <= rect.maxZ + kTolerance;
}

bool RectHoldsPoint(const LevelRect& rect, double x, double z)
{
    return RectHolds(rect, {x, z, 0.0, 0.0, 0.0});
}

double RayDistanceTo(const Footprint& footprint, double x, double z, double dx, double dz)
{
    const FootprintAxes axes = FootprintAxes::Turned(footprint.angleDeg);
    const Local origin = ToLocal(axes, x - footprint.x, z - footprint.z);
    const Local direction = ToLocal(axes, dx, dz);
    // Only the inside counts: the faces are drawn in by the tolerance.
    double enter = 0.0;
    double leave = std::numeric_limits<double>::infinity();
    ClipSlab(origin.u, direction.u, footprint.halfX - kTolerance, enter, leave);
    ClipSlab(origin.v, direction.v, footprint.halfZ - kTolerance, enter, leave);
    return leave > enter ? std::max(0.0, enter - kTolerance) : -1.0;
}

double RayDistanceToEdge(const LevelRect& rect, double x, double z, double dx, double dz)
{
    const Footprint whole = RectFootprint(rect);
    // Where the line through the point leaves the rectangle ahead of it; on an edge counts as on it.
    double enter = -std::numeric_limits<double>::infinity();
    double leave = std::numeric_limits<double>::infinity();
    ClipSlab(x - whole.x, dx, whole.halfX + kTolerance, enter, leave);
    ClipSlab(z - whole.z, dz, whole.halfZ + kTolerance, enter, leave);
    return std::max(leave - kTolerance, 0.0);
}
