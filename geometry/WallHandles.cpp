#include "geometry/WallHandles.h"

#include <algorithm>
#include <cmath>

namespace {

double NearestGridLine(double p, int grid) { return grid * std::round(p / grid); }

// One of the wall's own axes, as the level sees it.
struct Axis {
    double ax, az; // its direction in level units
    double centre; // the wall centre's level coordinate along the level axis it lies on
    double sign;   // +1 when it points along that level axis, -1 against it
};

Axis AxisOf(float ax, float az, const Footprint& wall)
{
    if (std::fabs(ax) > 0.5f)
        return {ax, az, wall.x, ax > 0 ? 1.0 : -1.0};
    return {ax, az, wall.z, az > 0 ? 1.0 : -1.0};
}

// A side of the wall along one of its axes after the drag: its middle, relative to the old
// centre, and its half length.
struct Side {
    double middle, half;
};

Side ResizeAlong(double half, int moved, double pointer, const Axis& axis, bool aligned, const ResizeRule& rule)
{
    if (moved == 0)
        return {0.0, half};
    const double fixed = rule.keepCentre ? 0.0 : -moved * half;
    double edge = pointer;
    if (rule.grid > 0 && aligned)
        edge = (NearestGridLine(axis.centre + axis.sign * edge, rule.grid) - axis.centre) * axis.sign;
    double size = (edge - fixed) * moved * (rule.keepCentre ? 2.0 : 1.0);
    if (rule.grid > 0 && !aligned)
        size = NearestGridLine(size, rule.grid);
    size = std::max(size, rule.grid > 0 ? static_cast<double>(rule.grid) : static_cast<double>(kLeastSide));
    if (rule.keepCentre)
        return {0.0, size / 2.0};
    return {fixed + moved * size / 2.0, size / 2.0};
}

} // namespace

FlatPoint HandlePlace(const Footprint& wall, Handle handle)
{
    const FootprintAxes a = FootprintAxes::Turned(wall.angleDeg);
    const double u = handle.u * static_cast<double>(wall.halfX);
    const double v = handle.v * static_cast<double>(wall.halfZ);
    return {wall.x + u * a.ux + v * a.vx, wall.z + u * a.uz + v * a.vz};
}

bool HasHandles(const Footprint& wall, double leastSide)
{
    return 2.0 * wall.halfX >= leastSide && 2.0 * wall.halfZ >= leastSide;
}

bool HandleNear(const Footprint& wall, double x, double z, double reach, Handle& found)
{
    double best = reach;
    bool any = false;
    for (const Handle& handle : kWallHandles) {
        const FlatPoint place = HandlePlace(wall, handle);
        const double distance = std::max(std::fabs(place.x - x), std::fabs(place.z - z));
        if (distance <= best) {
            best = distance;
            found = handle;
            any = true;
        }
    }
    return any;
}

Footprint ResizeWall(const Footprint& start, Handle handle, double x, double z, const ResizeRule& rule)
{
    const FootprintAxes a = FootprintAxes::Turned(start.angleDeg);
    const bool aligned = AxisAligned(start.angleDeg);
    const double dx = x - start.x;
    const double dz = z - start.z;
    const Side u = ResizeAlong(start.halfX, handle.u, dx * a.ux + dz * a.uz, AxisOf(a.ux, a.uz, start), aligned, rule);
    const Side v = ResizeAlong(start.halfZ, handle.v, dx * a.vx + dz * a.vz, AxisOf(a.vx, a.vz, start), aligned, rule);
    Footprint out = start;
    out.halfX = static_cast<float>(u.half);
    out.halfZ = static_cast<float>(v.half);
    out.x = static_cast<float>(start.x + u.middle * a.ux + v.middle * a.vx);
    out.z = static_cast<float>(start.z + u.middle * a.uz + v.middle * a.vz);
    return out;
}

FlatPoint NearestCorner(const LevelRect& bounds, double x, double z)
{
    const double cx = std::fabs(x - bounds.minX) <= std::fabs(x - bounds.maxX) ? bounds.minX : bounds.maxX;
    const double cz = std::fabs(z - bounds.minZ) <= std::fabs(z - bounds.maxZ) ? bounds.minZ : bounds.maxZ;
    return {cx, cz};
}

FlatPoint SnapAnchorMove(const FlatPoint& anchor, double dx, double dz, int grid)
{
    return {NearestGridLine(anchor.x + dx, grid) - anchor.x, NearestGridLine(anchor.z + dz, grid) - anchor.z};
}

bool AxisAligned(float angleDeg)
{
    const double rest = std::fabs(std::remainder(static_cast<double>(angleDeg), 90.0));
    return rest < 1e-3;
}

FlatPoint CornerOnGrid(const Footprint& footprint, int grid)
{
    if (!AxisAligned(footprint.angleDeg))
        return {footprint.x, footprint.z};
    const LevelRect bounds = footprint.Bounds();
    return {footprint.x + NearestGridLine(bounds.minX, grid) - bounds.minX,
            footprint.z + NearestGridLine(bounds.minZ, grid) - bounds.minZ};
}
