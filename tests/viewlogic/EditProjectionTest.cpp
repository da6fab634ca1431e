#include <algorithm>
#include <cmath>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "tests/level/LevelTestSupport.h"
#include "views/EditProjection.h"

namespace {

// The edit view's start camera (zoom 0.05, centre 0, 0) in a window twice as wide as high.
class EditCameraTest : public ::testing::Test {
protected:
    EditCameraTest()
    {
        glViewport(0, 0, m_context.Width(), m_context.Height());
        m_camera.aspect = 2.0f;
    }

    // Red channel of the darker of the two pixel columns that a vertical line at u can fall in,
    // sampled half a unit above v = 0 (10 pixels per unit, u = 0 at column 400).
    int VerticalLineRed(int u) const
    {
        const int x = 400 + 10 * u;
        return std::min(m_context.Pixel(x - 1, 205)[0], m_context.Pixel(x, 205)[0]);
    }
    // The same for a horizontal line at v, sampled half a unit right of u = 0.
    int HorizontalLineRed(int v) const
    {
        const int y = 200 + 10 * v;
        return std::min(m_context.Pixel(405, y - 1)[0], m_context.Pixel(405, y)[0]);
    }

    OffscreenContext m_context{800, 400};
    EditCamera m_camera;
};

// A pixel's red channel against a grey level, within the rounding of the colour buffer.
::testing::AssertionResult IsGrey(int red, float level)
{
    if (std::abs(red - level * 255.0f) <= 1.0f)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "red " << red << " is not grey " << level;
}

} // namespace

TEST_F(EditCameraTest, VisibleRectangleAndUnprojectionAtTheStartCamera)
{
    const ViewRect rect = VisibleRect(m_camera);
    EXPECT_FLOAT_EQ(rect.umin, -40.0f);
    EXPECT_FLOAT_EQ(rect.umax, 40.0f);
    EXPECT_FLOAT_EQ(rect.vmin, -20.0f);
    EXPECT_FLOAT_EQ(rect.vmax, 20.0f);

    DrawEditFrame(m_camera, 1, nullptr);
    // Top-left pixel: X = copX - a/z, Z = -copY - (1 - 2/H)/z; Y is the near plane.
    const LevelPoint topLeft = UnprojectPoint(0, 0);
    EXPECT_NEAR(topLeft.x, -40.0, 1e-4);
    EXPECT_NEAR(topLeft.z, -(1.0 - 2.0 / 400) / 0.05, 1e-4);
    EXPECT_NEAR(topLeft.y, 100.0, 1e-4);
    // Level Z grows towards the bottom of the window.
    const LevelPoint bottomRight = UnprojectPoint(799, 399);
    EXPECT_NEAR(bottomRight.x, (2.0 * 799 / 800 - 1) * 40.0, 1e-4);
    EXPECT_NEAR(bottomRight.z, 20.0, 1e-4);
}

TEST_F(EditCameraTest, UnprojectionFollowsZoomAndCentre)
{
    m_camera.zoom = 0.1f;
    m_camera.copX = 3.0f;
    m_camera.copY = -2.0f; // the window centre shows level Z = 2
    DrawEditFrame(m_camera, 1, nullptr);
    const LevelPoint centre = UnprojectPoint(400, 199);
    EXPECT_NEAR(centre.x, 3.0, 1e-4);
    EXPECT_NEAR(centre.z, 2.0, 1e-4);
    const LevelPoint p = UnprojectPoint(100, 50);
    EXPECT_NEAR(p.x, 3.0 + (2.0 * 100 / 800 - 1) * 2.0 / 0.1, 1e-4);
    EXPECT_NEAR(p.z, 2.0 - (2.0 * (400 - 50 - 1) / 400 - 1) / 0.1, 1e-4);
}

TEST_F(EditCameraTest, GridColoursAtTheStartCamera)
{
    DrawEditFrame(m_camera, 1, nullptr);
    EXPECT_TRUE(IsGrey(VerticalLineRed(0), 0.3f));
    EXPECT_TRUE(IsGrey(HorizontalLineRed(0), 0.3f));
    for (int c : {5, -5, 10, 35, -35})
        EXPECT_TRUE(IsGrey(VerticalLineRed(c), 0.55f)) << "u = " << c;
    for (int c : {5, -5, 15, -15})
        EXPECT_TRUE(IsGrey(HorizontalLineRed(c), 0.55f)) << "v = " << c;
    for (int c : {1, -1, 4, 6, 39, -39})
        EXPECT_TRUE(IsGrey(VerticalLineRed(c), 0.7f)) << "u = " << c;
    for (int c : {1, -2, 19, -19})
        EXPECT_TRUE(IsGrey(HorizontalLineRed(c), 0.7f)) << "v = " << c;
    // Between the lines the background stays white.
    EXPECT_EQ(m_context.Pixel(405, 205)[0], 255);
}

TEST_F(EditCameraTest, CoarseGridDrawsOnlyMultiplesOfItsSpacing)
{
    DrawEditFrame(m_camera, 10, nullptr);
    EXPECT_TRUE(IsGrey(VerticalLineRed(0), 0.3f));
    EXPECT_TRUE(IsGrey(VerticalLineRed(10), 0.55f));
    EXPECT_TRUE(IsGrey(VerticalLineRed(-30), 0.55f));
    EXPECT_TRUE(IsGrey(HorizontalLineRed(-10), 0.55f));
    EXPECT_TRUE(IsGrey(VerticalLineRed(5), 1.0f));
    EXPECT_TRUE(IsGrey(VerticalLineRed(1), 1.0f));
}

TEST_F(EditCameraTest, GridZoomedFarOutKeepsDistinctLines)
{
    // Fully zoomed out in a pane 200 pixels high: 80 units high, so the lines of grid size 1
    // would come every 2.5 pixels and grey the view out.
    const int width = 400;
    glViewport(0, 0, width, 200);
    m_camera.zoom = 0.025f;
    for (int gridSize : {1, 2}) {
        DrawEditFrame(m_camera, gridSize, nullptr);
        int white = 0;
        int lastLine = -100;
        for (int x = 0; x < width; ++x) {
            const int red = m_context.Pixel(x, 105)[0];
            if (red == 255) {
                ++white;
            } else if (x > lastLine + 1) { // a new line, not the second column of the last one
                EXPECT_GE(x - lastLine, 4) << "grid " << gridSize << ", column " << x;
                lastLine = x;
            }
        }
        EXPECT_GT(white, width * 3 / 4) << "grid " << gridSize;
        // The axis stays, darkest.
        const int axis = std::min(m_context.Pixel(width / 2 - 1, 105)[0], m_context.Pixel(width / 2, 105)[0]);
        EXPECT_TRUE(IsGrey(axis, 0.3f)) << "grid " << gridSize;
    }
}

TEST_F(EditCameraTest, GridRestoresStateAndLevelLiesOnTop)
{
    LevelGroupNode group;
    auto* wall = new Wall(0.5f, -0.5f, 3.0f, 3.0f); // outline crosses both axes' neighbourhood
    group.AppendChild(wall);
    DrawEditFrame(m_camera, 1, &group);
    EXPECT_EQ(GetInteger(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(GetInteger(GL_PROJECTION_STACK_DEPTH), 1);
    EXPECT_EQ(GetInteger(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    // The wall's left outline at X = -1 runs over the grid line at u = -1 (z from -2 to 1).
    const int x = 400 - 10;
    const auto outline = std::min(m_context.Pixel(x - 1, 205)[0], m_context.Pixel(x, 205)[0]);
    EXPECT_TRUE(IsGrey(outline, 0.5f));
}

TEST(GridRounding, CornerSnapGoesToTheNearestCorner)
{
    // A point on a corner stays; halfway between two corners goes away from zero.
    const double unit[][2] = {{2.3, 2},   {2.6, 3},   {1.9, 2},   {2.0, 2},
                              {-1.3, -1}, {-1.0, -1}, {-0.5, -1}, {0.0, 0}};
    for (const auto& c : unit)
        EXPECT_EQ(CornerSnap(c[0], 1), c[1]) << c[0];
    const double five[][2] = {{7, 5}, {8, 10}, {2, 0}, {-3, -5}, {10, 10}};
    for (const auto& c : five)
        EXPECT_EQ(CornerSnap(c[0], 5), c[1]) << c[0];
}

TEST(GridRounding, CellCentreAndStepSnap)
{
    EXPECT_EQ(CellCentreSnap(3.1, 2), 3.0);
    EXPECT_EQ(CellCentreSnap(-0.4, 2), -1.0);
    EXPECT_EQ(CellCentreSnap(0.0, 2), 1.0);
    EXPECT_EQ(CellCentreSnap(-2.5, 1), -2.5);
    // Whole steps relative to the start, never onto the absolute grid.
    EXPECT_EQ(StepSnap(1.3, 4.9, 5), 1.3);
    EXPECT_EQ(StepSnap(1.3, 5.1, 5), 6.3);
    EXPECT_EQ(StepSnap(1.3, -5.1, 5), -3.7);
    EXPECT_EQ(StepSnap(1.3, -4.9, 5), 1.3);
}

TEST(GridRounding, WallSpanNeverBelowTheGridSpacing)
{
    // Start corner (3, 5), cursor corner (8, 6): Width 5 around 5.5, Depth 1 around 5.5.
    const WallSpan width = SpanWall(3.0, 8.0, 1);
    EXPECT_EQ(width.size, 5.0);
    EXPECT_EQ(width.centre, 5.5);
    const WallSpan depth = SpanWall(5.0, 6.0, 1);
    EXPECT_EQ(depth.size, 1.0);
    EXPECT_EQ(depth.centre, 5.5);
    // Closer than g on the left: the wall still extends g to the right of the start.
    const WallSpan left = SpanWall(3.0, 1.5, 2);
    EXPECT_EQ(left.size, 2.0);
    EXPECT_EQ(left.centre, 4.0);
    const WallSpan backwards = SpanWall(3.0, -2.0, 2);
    EXPECT_EQ(backwards.size, 5.0);
    EXPECT_EQ(backwards.centre, 0.5);
}

TEST(GridRounding, PanningFollowsTheCursorOneToOne)
{
    EditCamera camera;
    camera.aspect = 2.0f;
    // 10 pixels per unit in an 800 x 400 window: 20 pixels right and 10 down move the level
    // 2 units right and 1 unit down, so the centre moves the other way.
    PanCamera(camera, 20, 10, 800, 400);
    EXPECT_FLOAT_EQ(camera.copX, -2.0f);
    EXPECT_FLOAT_EQ(camera.copY, 1.0f);
    PanCamera(camera, 5, 5, 0, 0);
    EXPECT_TRUE(std::isfinite(camera.copX));
    EXPECT_TRUE(std::isfinite(camera.copY));
}
