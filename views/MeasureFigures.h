#pragma once

#include <optional>
#include <vector>

class CSGGroup;
class CSGNode;

// The measuring tool's geometry, free of the window toolkit: what a line between two level
// points measures, and where its ends snap.

struct MeasurePoint {
    double x, z;
};

struct MeasureFigures {
    double length;
    double dx, dz;
    // Direction counter-clockwise from +X as the edit view shows it (Z grows downward), in
    // (-180, 180].
    double angleDeg;
    // How long the snake takes for the length at its initial velocity; none when it stands still.
    std::optional<double> seconds;
};

MeasureFigures Measure(MeasurePoint from, MeasurePoint to, double velocity);

// `to` turned about `from` to the nearest whole multiple of `stepDeg`, at the same distance.
MeasurePoint HoldAngle(MeasurePoint from, MeasurePoint to, double stepDeg);

// The corner of `corners` nearest to `p` within `reach`; failing that `p` on the nearest grid
// corner when `grid` is positive, or `p` itself.
MeasurePoint SnapMeasurePoint(MeasurePoint p, const std::vector<MeasurePoint>& corners, double reach, int grid);

// The corners of a wall, an item or the floor in order around it; none for any other node.
std::vector<MeasurePoint> CornersOf(const CSGNode& node);
// The corners of the floor and of every wall and item below `group`.
std::vector<MeasurePoint> ObjectCorners(const CSGGroup& group);
