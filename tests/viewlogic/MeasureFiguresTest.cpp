// The measuring tool's figures and held angle, and scrolling objects into the edit view's sight.
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "views/EditProjection.h"
#include "views/MeasureFigures.h"

namespace {

TEST(MeasureFiguresTest, LinesGiveTheirLengthDeltasAngleAndTime)
{
    struct Case {
        MeasurePoint from, to;
        double velocity;
        double length, dx, dz, angle;
        double seconds; // negative: none
    };
    // Z grows down the view: a line drawn upward has a negative ΔZ.
    const Case cases[] = {
        {{0, 0}, {6.5, 0}, 2.0, 6.5, 6.5, 0, 0, 3.25},
        {{1, 1}, {4, -3}, 5.0, 5, 3, -4, 53.130102, 1},
        {{2, 3}, {2, 7}, 0.5, 4, 0, 4, -90, 8},
        {{0, 0}, {-3, 0}, 1.0, 3, -3, 0, 180, 3},
        {{-1, -1}, {-2, 0}, 2.0, std::sqrt(2.0), -1, 1, -135, std::sqrt(2.0) / 2},
        {{5, 5}, {5, 5}, 2.0, 0, 0, 0, 0, 0},
        {{0, 0}, {0, -4}, 0.0, 4, 0, -4, 90, -1},
    };
    for (const Case& c : cases) {
        const MeasureFigures figures = Measure(c.from, c.to, c.velocity);
        SCOPED_TRACE(testing::Message() << "(" << c.from.x << ", " << c.from.z << ") to (" << c.to.x << ", " << c.to.z << ")");
        EXPECT_NEAR(figures.length, c.length, 1e-6);
        EXPECT_NEAR(figures.dx, c.dx, 1e-9);
        EXPECT_NEAR(figures.dz, c.dz, 1e-9);
        EXPECT_NEAR(figures.angleDeg, c.angle, 1e-5);
        EXPECT_NEAR(figures.seconds.value_or(-1.0), c.seconds, 1e-6);
    }
}

// Random lines: holding the angle keeps the start and the length, lands on a whole step and
// moves the end by at most half a step.
TEST(MeasureFiguresTest, AHeldAngleIsTheNearestStepAtTheSameLength)
{
    const unsigned seed = 20261209;
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> coordinate(-50, 50);
    for (int round = 0; round < 2000; ++round) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", round " + std::to_string(round));
        const MeasurePoint from{coordinate(random), coordinate(random)}, to{coordinate(random), coordinate(random)};
        const MeasurePoint held = HoldAngle(from, to, 15.0);
        const MeasureFigures free = Measure(from, to, 1.0), fixed = Measure(from, held, 1.0);
        EXPECT_NEAR(fixed.length, free.length, 1e-9);
        const double steps = fixed.angleDeg / 15.0;
        EXPECT_NEAR(steps, std::round(steps), 1e-6);
        const double turned = std::remainder(fixed.angleDeg - free.angleDeg, 360.0);
        EXPECT_LE(std::fabs(turned), 7.5 + 1e-6);
    }
}

// Random cameras and areas, axis by axis: the zoom stays; an area already in sight does not
// move the view; one that the view can hold ends in sight against the edge it came in by; a
// larger one is centred.
TEST(ScrollIntoViewTest, AreasComeIntoSightWithTheLeastMove)
{
    const unsigned seed = 424242;
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> place(-100, 100), size(0, 60), zoom(0.02f, 0.3f), aspect(0.5f, 2.5f);
    constexpr float slack = 1e-3f;
    const auto checkAxis = [&](float low, float high, float newLow, float newHigh, float from, float to) {
        if (low <= from && to <= high) {
            EXPECT_EQ(newLow, low);
        } else if (to - from <= high - low) {
            EXPECT_LE(newLow, from + slack);
            EXPECT_GE(newHigh, to - slack);
            EXPECT_TRUE(std::fabs(newLow - from) < slack || std::fabs(newHigh - to) < slack);
        } else {
            EXPECT_NEAR(newLow + newHigh, from + to, slack);
        }
    };
    for (int round = 0; round < 2000; ++round) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", round " + std::to_string(round));
        EditCamera camera;
        camera.zoom = zoom(random);
        camera.aspect = aspect(random);
        camera.copX = place(random);
        camera.copY = place(random);
        const float minX = place(random), minZ = place(random), maxX = minX + size(random), maxZ = minZ + size(random);
        const float margin = 1.0f;
        EditCamera scrolled = camera;
        ScrollIntoView(scrolled, minX, minZ, maxX, maxZ, margin);
        EXPECT_EQ(scrolled.zoom, camera.zoom);
        const ViewRect before = VisibleRect(camera), after = VisibleRect(scrolled);
        checkAxis(before.umin, before.umax, after.umin, after.umax, minX - margin, maxX + margin);
        // The view plane's v is -Z.
        checkAxis(before.vmin, before.vmax, after.vmin, after.vmax, -maxZ - margin, -minZ + margin);
    }
}

} // namespace
