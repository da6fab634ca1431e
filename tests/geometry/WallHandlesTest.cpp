#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry/WallHandles.h"

namespace {

constexpr double kTolerance = 1e-3;

// A random wall: placed on half grid steps (where ties of the rounding are the rule), square
// to the axes half of the time, otherwise turned anyhow.
Footprint RandomWall(std::mt19937& random)
{
    std::uniform_int_distribution<int> halfSteps(-40, 40);
    std::uniform_int_distribution<int> sizeSteps(1, 16);
    std::uniform_int_distribution<int> quarter(0, 3);
    std::uniform_real_distribution<float> anyAngle(0.0f, 360.0f);
    Footprint wall{};
    wall.x = 0.5f * static_cast<float>(halfSteps(random));
    wall.z = 0.5f * static_cast<float>(halfSteps(random));
    wall.halfX = 0.25f * static_cast<float>(sizeSteps(random));
    wall.halfZ = 0.25f * static_cast<float>(sizeSteps(random));
    wall.angleDeg = random() % 2 ? 90.0f * static_cast<float>(quarter(random)) : anyAngle(random);
    return wall;
}

double Along(const FlatPoint& p, const Footprint& wall, bool widthAxis)
{
    const FootprintAxes a = FootprintAxes::Turned(wall.angleDeg);
    return widthAxis ? p.x * a.ux + p.z * a.uz : p.x * a.vx + p.z * a.vz;
}

bool OnGrid(double p, int grid)
{
    return std::fabs(p / grid - std::round(p / grid)) * grid < kTolerance;
}

// Any handle dragged anywhere: the opposite edges (or the centre) stay, the turn stays, no side
// it moves gets shorter than the least size, and the moved edges follow the pointer, or with a
// grid lie on it (a turned wall: sizes of whole steps).
TEST(WallHandles, ADraggedHandleMovesItsEdgesOnlyAndLandsOnTheGrid)
{
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 random(seed);
        const Footprint start = RandomWall(random);
        const Handle handle = kWallHandles[random() % kWallHandles.size()];
        std::uniform_real_distribution<double> offset(-12.0, 12.0);
        const FlatPoint pointer{start.x + offset(random), start.z + offset(random)};
        const int grids[] = {0, 1, 2, 5};
        const ResizeRule rule{grids[random() % 4], random() % 2 == 0};
        const Footprint out = ResizeWall(start, handle, pointer.x, pointer.z, rule);
        const double least = rule.grid > 0 ? rule.grid : kLeastSide;

        EXPECT_EQ(out.angleDeg, start.angleDeg);
        const Handle opposite{-handle.u, -handle.v};
        const FlatPoint fixedBefore = rule.keepCentre ? FlatPoint{start.x, start.z} : HandlePlace(start, opposite);
        const FlatPoint fixedAfter = rule.keepCentre ? FlatPoint{out.x, out.z} : HandlePlace(out, opposite);
        EXPECT_NEAR(fixedAfter.x, fixedBefore.x, kTolerance);
        EXPECT_NEAR(fixedAfter.z, fixedBefore.z, kTolerance);

        const FlatPoint moved = HandlePlace(out, handle);
        for (const bool widthAxis : {true, false}) {
            const int side = widthAxis ? handle.u : handle.v;
            const double half = widthAxis ? out.halfX : out.halfZ;
            if (side == 0) {
                EXPECT_EQ(half, widthAxis ? start.halfX : start.halfZ);
                continue;
            }
            EXPECT_GE(2.0 * half, least - kTolerance);
            if (std::fabs(2.0 * half - least) < kTolerance)
                continue; // held at the least size
            if (rule.grid == 0) {
                EXPECT_NEAR(Along(moved, out, widthAxis), Along(pointer, out, widthAxis), kTolerance);
            } else if (AxisAligned(start.angleDeg)) {
                const FootprintAxes a = FootprintAxes::Turned(start.angleDeg);
                const bool alongX = std::fabs(widthAxis ? a.ux : a.vx) > 0.5f;
                EXPECT_TRUE(OnGrid(alongX ? moved.x : moved.z, rule.grid)) << moved.x << ", " << moved.z;
            } else {
                EXPECT_TRUE(OnGrid(2.0 * half, rule.grid)) << 2.0 * half;
            }
        }
    }
}

// A snapped move puts the anchor on the grid, at most half a step from where the pointer
// alone would have taken it; a turn square to the axes puts the bounds' corner on the grid
// with as small a shift, and any other turn keeps the centre.
TEST(WallHandles, SnapsPutCornersOnTheGridWithTheLeastShift)
{
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> place(-30.0, 30.0);
        const int grid = 1 + static_cast<int>(random() % 5);
        const Footprint wall = RandomWall(random);
        const FlatPoint press{place(random), place(random)};
        const FlatPoint anchor = NearestCorner(wall.Bounds(), press.x, press.z);
        const FlatPoint pointer{place(random), place(random)};
        const FlatPoint move = SnapAnchorMove(anchor, pointer.x, pointer.z, grid);
        EXPECT_TRUE(OnGrid(anchor.x + move.x, grid) && OnGrid(anchor.z + move.z, grid));
        EXPECT_LE(std::fabs(move.x - pointer.x), grid / 2.0 + kTolerance);
        EXPECT_LE(std::fabs(move.z - pointer.z), grid / 2.0 + kTolerance);
        // The anchor is the bounds' corner on the press's side.
        const LevelRect bounds = wall.Bounds();
        EXPECT_LE(std::fabs(anchor.x - press.x), std::fabs(bounds.minX + bounds.maxX - anchor.x - press.x) + kTolerance);

        const FlatPoint centre = CornerOnGrid(wall, grid);
        Footprint shifted = wall;
        shifted.x = static_cast<float>(centre.x);
        shifted.z = static_cast<float>(centre.z);
        if (AxisAligned(wall.angleDeg)) {
            EXPECT_TRUE(OnGrid(shifted.Bounds().minX, grid) && OnGrid(shifted.Bounds().minZ, grid));
            EXPECT_LE(std::fabs(centre.x - wall.x), grid / 2.0 + kTolerance);
            EXPECT_LE(std::fabs(centre.z - wall.z), grid / 2.0 + kTolerance);
        } else {
            EXPECT_EQ(centre.x, wall.x);
            EXPECT_EQ(centre.z, wall.z);
        }
    }
}

} // namespace
