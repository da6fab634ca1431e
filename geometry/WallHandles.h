#pragma once

#include <array>

#include "geometry/Footprint.h"

// A wall's eight handles and what dragging one of them does, in level units.

// A place on the floor, in level units.
struct FlatPoint {
    double x, z;
};

// Which edges a handle moves: -1 or +1 for the side along the wall's own width (u) and depth (v)
// axes, 0 where it moves neither (an edge's middle).
struct Handle {
    int u, v;
};

// The corners first, then the edge middles.
constexpr std::array<Handle, 8> kWallHandles = {
    {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}, {0, -1}, {1, 0}, {0, 1}, {-1, 0}}};

// Where the handle sits on the wall's outline.
FlatPoint HandlePlace(const Footprint& wall, Handle handle);

// Whether a wall shows handles: each side at least `leastSide` long, so that they leave room
// to take the wall itself.
bool HasHandles(const Footprint& wall, double leastSide);

// The handle whose place lies within `reach` of (x, z) (closest first); false when none does.
bool HandleNear(const Footprint& wall, double x, double z, double reach, Handle& found);

// How a handle drag lands: with a grid step `grid` the moved edges lie on the grid (a turned
// wall's sizes become whole grid steps instead), and no side gets shorter than one step; with
// `grid` 0 no side gets shorter than `kLeastSide`. `keepCentre` moves the opposite edges too,
// so the centre stays.
struct ResizeRule {
    int grid;
    bool keepCentre;
};
constexpr float kLeastSide = 0.1f;

// The wall after dragging `handle` to (x, z), the opposite edges (or the centre) of `start`
// fixed. The turn stays.
Footprint ResizeWall(const Footprint& start, Handle handle, double x, double z, const ResizeRule& rule);

// The corner of `bounds` nearest to (x, z).
FlatPoint NearestCorner(const LevelRect& bounds, double x, double z);

// The displacement that puts `anchor` moved by (dx, dz) on the nearest grid corner.
FlatPoint SnapAnchorMove(const FlatPoint& anchor, double dx, double dz, int grid);

// Whether a turn of `angleDeg` lays a footprint's axes along the level's (a multiple of 90°).
bool AxisAligned(float angleDeg);

// The centre that puts the corner of the footprint's bounds on the grid, when it is turned
// square to the level's axes; the centre as it is for any other turn.
FlatPoint CornerOnGrid(const Footprint& footprint, int grid);
