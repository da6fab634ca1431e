#include "views/MeasureFigures.h"

#include <cmath>

#include <utility>

#include "geometry/Footprint.h"
#include "level/LevelFloor.h"
#include "scenegraph/CSGGroup.h"
#include "views/EditProjection.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadians = kPi / 180.0;

double Distance(MeasurePoint a, MeasurePoint b) { return std::hypot(b.x - a.x, b.z - a.z); }

} // namespace

MeasureFigures Measure(MeasurePoint from, MeasurePoint to, double velocity)
{
    MeasureFigures figures{};
    figures.dx = to.x - from.x;
    figures.dz = to.z - from.z;
    figures.length = std::hypot(figures.dx, figures.dz);
    // Z grows down the screen: a line drawn upward has a negative ΔZ and a positive angle.
    figures.angleDeg = figures.length > 0.0 ? std::atan2(-figures.dz, figures.dx) / kRadians : 0.0;
    if (figures.angleDeg <= -180.0)
        figures.angleDeg += 360.0;
    if (velocity > 0.0)
        figures.seconds = figures.length / velocity;
    return figures;
}

MeasurePoint HoldAngle(MeasurePoint from, MeasurePoint to, double stepDeg)
{
    const double length = Distance(from, to);
    if (length == 0.0 || stepDeg <= 0.0)
        return to;
    const double angle = std::atan2(-(to.z - from.z), to.x - from.x);
    const double held = std::round(angle / (stepDeg * kRadians)) * stepDeg * kRadians;
    return {from.x + length * std::cos(held), from.z - length * std::sin(held)};
}

MeasurePoint SnapMeasurePoint(MeasurePoint p, const std::vector<MeasurePoint>& corners, double reach, int grid)
{
    const MeasurePoint* nearest = nullptr;
    double best = reach;
    for (const MeasurePoint& corner : corners) {
        const double distance = Distance(p, corner);
        if (distance <= best) {
            best = distance;
            nearest = &corner;
        }
    }
    if (nearest)
        return *nearest;
    if (grid > 0)
        return {CornerSnap(p.x, grid), CornerSnap(p.z, grid)};
    return p;
}

std::vector<MeasurePoint> CornersOf(const CSGNode& node)
{
    Footprint f{};
    if (const auto* floor = dynamic_cast<const LevelFloor*>(&node))
        f = {0.0f, 0.0f, 0.5f * static_cast<float>(floor->Width), 0.5f * static_cast<float>(floor->Heigth), 0.0f};
    else if (!Footprint::Of(node, f))
        return {};
    const FootprintAxes a = FootprintAxes::Turned(f.angleDeg);
    std::vector<MeasurePoint> corners;
    // Around the footprint: (-,-), (+,-), (+,+), (-,+) along its own axes.
    for (const auto& [su, sv] : {std::pair{-1.0, -1.0}, {1.0, -1.0}, {1.0, 1.0}, {-1.0, 1.0}})
        corners.push_back({f.x + su * f.halfX * a.ux + sv * f.halfZ * a.vx, f.z + su * f.halfX * a.uz + sv * f.halfZ * a.vz});
    return corners;
}

std::vector<MeasurePoint> ObjectCorners(const CSGGroup& group)
{
    std::vector<MeasurePoint> corners;
    ForEachNode(group, [&](CSGNode& node) {
        const std::vector<MeasurePoint> own = CornersOf(node);
        corners.insert(corners.end(), own.begin(), own.end());
    });
    return corners;
}
