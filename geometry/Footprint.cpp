#include "geometry/Footprint.h"

#include <algorithm>
#include <cmath>

#include "level/Item.h"
#include "level/Wall.h"
#include "scenegraph/CSGGroup.h"

namespace {

constexpr double kDegrees = 3.14159265358979323846 / 180.0;

// Half the length of the rectangle's shadow on the axis (ax, az).
double HalfShadow(const LevelRect& rect, double ax, double az)
{
    return 0.5 * ((rect.maxX - rect.minX) * std::fabs(ax) + (rect.maxZ - rect.minZ) * std::fabs(az));
}

} // namespace

FootprintAxes FootprintAxes::Turned(double angleDeg)
{
    // The cosine and sine of what is left over a whole number of quarter turns, then the quarter
    // turns exactly: cos(90°) is not 0 in floating point.
    const double quarters = std::floor(angleDeg / 90.0);
    const double rest = (angleDeg - 90.0 * quarters) * kDegrees;
    double c = std::cos(rest);
    double s = std::sin(rest);
    const int quarter = std::isfinite(quarters) ? static_cast<int>(std::fmod(quarters, 4.0) + 4.0) % 4 : 0;
    for (int i = 0; i < quarter; ++i) {
        const double previous = c;
        c = -s;
        s = previous;
    }
    return {c, -s, s, c};
}

LevelRect LevelRect::Between(double x0, double z0, double x1, double z1)
{
    return {std::min(x0, x1), std::min(z0, z1), std::max(x0, x1), std::max(z0, z1)};
}

bool LevelRect::Contains(const LevelRect& other) const
{
    return other.minX >= minX && other.maxX <= maxX && other.minZ >= minZ && other.maxZ <= maxZ;
}

bool Footprint::Of(const CSGNode& node, Footprint& footprint)
{
    if (const auto* wall = dynamic_cast<const Wall*>(&node)) {
        footprint = {wall->x, wall->z, 0.5 * wall->Width, 0.5 * wall->Depth, wall->OrientationAngle};
        return true;
    }
    if (const auto* item = dynamic_cast<const Item*>(&node)) {
        footprint = {item->x, item->z, item->m_size, item->m_size, 0.0f};
        return true;
    }
    return false;
}

LevelRect Footprint::Bounds() const
{
    const FootprintAxes a = FootprintAxes::Turned(angleDeg);
    const double extentX = std::fabs(a.ux) * halfX + std::fabs(a.vx) * halfZ;
    const double extentZ = std::fabs(a.uz) * halfX + std::fabs(a.vz) * halfZ;
    return {x - extentX, z - extentZ, x + extentX, z + extentZ};
}

bool Footprint::Touches(const LevelRect& rect) const
{
    const LevelRect bounds = Bounds();
    if (bounds.maxX < rect.minX || bounds.minX > rect.maxX || bounds.maxZ < rect.minZ || bounds.minZ > rect.maxZ)
        return false;
    // The footprint's own axes separate the two where the upright ones do not.
    const FootprintAxes a = FootprintAxes::Turned(angleDeg);
    const double dx = 0.5 * (rect.minX + rect.maxX) - x;
    const double dz = 0.5 * (rect.minZ + rect.maxZ) - z;
    return std::fabs(dx * a.ux + dz * a.uz) <= halfX + HalfShadow(rect, a.ux, a.uz)
        && std::fabs(dx * a.vx + dz * a.vz) <= halfZ + HalfShadow(rect, a.vx, a.vz);
}

std::vector<CSGNode*> ObjectsInRect(const CSGGroup& group, const LevelRect& rect, bool touching)
{
    std::vector<CSGNode*> found;
    ForEachNode(group, [&](CSGNode& node) {
        Footprint footprint;
        if (Footprint::Of(node, footprint) && (touching ? footprint.Touches(rect) : rect.Contains(footprint.Bounds())))
            found.push_back(&node);
    });
    return found;
}
