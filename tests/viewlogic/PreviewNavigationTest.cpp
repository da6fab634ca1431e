// The preview's camera gestures, checked through the matrices a frame loads: whatever the turn,
// pan, zoom and window, a zoom keeps the floor point under the pointer there, a pan moves the
// level's centre with the pointer, and framing puts a ball in the middle, whole.
#include <array>
#include <cmath>
#include <random>

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include "tests/support/OffscreenContext.h"
#include "views/PreviewNavigation.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 200;

struct Shown {
    double x, y; // window pixels from the top left
    double depth;
};

class PreviewNavigationTest : public ::testing::Test {
protected:
    PreviewNavigationTest() { glViewport(0, 0, kWidth, kHeight); }

    // The matrices and viewport a camera sets.
    struct Matrices {
        explicit Matrices(const PreviewCamera& camera)
        {
            ApplyPreviewCamera(camera);
            glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
            glGetDoublev(GL_PROJECTION_MATRIX, projection);
            glGetIntegerv(GL_VIEWPORT, viewport);
        }
        GLdouble modelview[16], projection[16];
        GLint viewport[4];
    };

    // Where the camera shows a level point.
    static Shown ShownAt(const PreviewCamera& camera, const std::array<double, 3>& p)
    {
        const Matrices m(camera);
        GLdouble x, y, z;
        gluProject(p[0], p[1], p[2], m.modelview, m.projection, m.viewport, &x, &y, &z);
        return {x, kHeight - y, z};
    }

    // The point of the floor's top plane under the middle of a window pixel.
    static std::array<double, 3> FloorUnder(const PreviewCamera& camera, int x, int y)
    {
        const Matrices m(camera);
        double ray[2][3];
        for (int end = 0; end < 2; ++end)
            gluUnProject(x + 0.5, kHeight - y - 0.5, end, m.modelview, m.projection, m.viewport, &ray[end][0],
                         &ray[end][1], &ray[end][2]);
        const double t = ray[0][1] / (ray[0][1] - ray[1][1]);
        return {ray[0][0] + t * (ray[1][0] - ray[0][0]), 0.0, ray[0][2] + t * (ray[1][2] - ray[0][2])};
    }

    OffscreenContext m_context{kWidth, kHeight};
};

TEST_F(PreviewNavigationTest, GesturesKeepWhatThePointerHolds)
{
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pixelX(0, kWidth - 1);
    std::uniform_int_distribution<int> pixelY(0, kHeight - 1);
    std::uniform_real_distribution<float> zoom(0.4f, 3.0f);
    std::uniform_real_distribution<double> place(-12.0, 12.0);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed << ", round " << round);
        PreviewNavigation navigation;
        navigation.Resize(kWidth, kHeight);
        PreviewCamera base;
        base.aspect = static_cast<float>(kWidth) / kHeight;
        base.distance = 20.0f;
        base.zoom = zoom(random);
        // A turn of a few degrees, and a pan to somewhere.
        navigation.BeginTurn(kWidth / 2, kHeight / 2);
        navigation.Turn(kWidth / 2 + pixelX(random) / 8, kHeight / 2 + pixelY(random) / 8);
        navigation.BeginPan(pixelX(random), pixelY(random));
        navigation.Pan(navigation.Applied(base), pixelX(random), pixelY(random));

        // A pan moves the level's centre as far as the pointer went.
        const PreviewCamera before = navigation.Applied(base);
        const Shown centre = ShownAt(before, {0.0, 0.0, 0.0});
        const int fromX = pixelX(random), fromY = pixelY(random), toX = pixelX(random), toY = pixelY(random);
        navigation.BeginPan(fromX, fromY);
        navigation.Pan(before, toX, toY);
        const Shown panned = ShownAt(navigation.Applied(base), {0.0, 0.0, 0.0});
        EXPECT_NEAR(panned.x - centre.x, toX - fromX, 1e-2);
        EXPECT_NEAR(panned.y - centre.y, toY - fromY, 1e-2);

        // A zoom keeps the floor point under the pointer where it is.
        const PreviewCamera unzoomed = navigation.Applied(base);
        const int x = pixelX(random), y = pixelY(random);
        const std::array<double, 3> under = FloorUnder(unzoomed, x, y);
        const Shown was = ShownAt(unzoomed, under);
        const float newZoom = zoom(random);
        navigation.ZoomToward(unzoomed, newZoom, x, y);
        PreviewCamera zoomed = navigation.Applied(base);
        zoomed.zoom = newZoom;
        if (was.depth > 0.0 && was.depth < 1.0) {
            const Shown now = ShownAt(zoomed, under);
            EXPECT_NEAR(now.x, x + 0.5, 1e-2);
            EXPECT_NEAR(now.y, y + 0.5, 1e-2);
        }

        // Framing puts the ball's centre in the middle and every point of it in the window.
        const double ball[3] = {place(random), place(random) / 4.0, place(random)};
        const double radius = 0.5 + std::abs(place(random)) / 4.0;
        const float framedZoom = navigation.Frame(zoomed, ball, radius);
        PreviewCamera framed = navigation.Applied(base);
        framed.zoom = framedZoom;
        const Shown middle = ShownAt(framed, {ball[0], ball[1], ball[2]});
        EXPECT_NEAR(middle.x, kWidth / 2.0, 1e-2);
        EXPECT_NEAR(middle.y, kHeight / 2.0, 1e-2);
        for (int axis = 0; axis < 3; ++axis)
            for (const double side : {-radius, radius}) {
                std::array<double, 3> p{ball[0], ball[1], ball[2]};
                p[static_cast<std::size_t>(axis)] += side;
                const Shown edge = ShownAt(framed, p);
                EXPECT_TRUE(edge.x >= 0.0 && edge.x <= kWidth && edge.y >= 0.0 && edge.y <= kHeight)
                    << "axis " << axis << " at " << edge.x << ", " << edge.y;
                EXPECT_TRUE(edge.depth > 0.0 && edge.depth < 1.0);
            }
    }
}

} // namespace
