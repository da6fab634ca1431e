#include <array>
#include <cmath>

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"
#include "scenegraph/CSGGroup.h"
#include "tests/level/LevelTestSupport.h"
#include "views/PreviewScene.h"

namespace {

using Vec4 = std::array<double, 4>;

// The current modelview matrix applied to a point.
Vec4 EyeCoordinates(double x, double y, double z)
{
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    Vec4 r{};
    const double p[4] = {x, y, z, 1.0};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            r[row] += m[col * 4 + row] * p[col];
    return r;
}

void ExpectNear(const Vec4& a, const Vec4& b)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(a[i], b[i], 1e-4) << "component " << i;
}

class PreviewCameraTest : public ::testing::Test {
protected:
    // The pixel that shows level point (x, y, z) with the matrices of the last frame.
    std::array<unsigned char, 4> PixelAt(double x, double y, double z) const
    {
        GLdouble modelview[16];
        GLdouble projection[16];
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        GLdouble px = 0, py = 0, pz = 0;
        gluProject(x, y, z, modelview, projection, viewport, &px, &py, &pz);
        return m_context.Pixel(static_cast<int>(px), static_cast<int>(py));
    }

    OffscreenContext m_context{160, 120};
};

} // namespace

TEST_F(PreviewCameraTest, EyeStandsAboveAndInFrontAtTheFloorSize)
{
    PreviewCamera camera;
    camera.aspect = 4.0f / 3.0f;
    camera.distance = 20.0f; // a floor of Width 20 and Heigth 16
    ApplyPreviewCamera(camera);
    // The eye (0, 20, 20) is the origin of eye space; the level's origin lies straight ahead.
    ExpectNear(EyeCoordinates(0, 20, 20), {0, 0, 0, 1});
    const Vec4 centre = EyeCoordinates(0, 0, 0);
    EXPECT_NEAR(centre[0], 0.0, 1e-4);
    EXPECT_NEAR(centre[1], 0.0, 1e-4);
    EXPECT_NEAR(centre[2], -20.0 * std::sqrt(2.0), 1e-4);
}

TEST_F(PreviewCameraTest, RotationActsOnColumnVectorsAfterTheZoom)
{
    // A quarter turn about +Y, row by row: x' = z, z' = -x.
    const float rows[16] = {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1};
    PreviewCamera camera;
    camera.distance = 10.0f;
    camera.zoom = 2.0f;
    ApplyPreviewCamera(camera);
    const Vec4 expected = EyeCoordinates(1, 0, 0); // where (0, 0, 1) lands once turned
    camera.rotation = rows;
    ApplyPreviewCamera(camera);
    ExpectNear(EyeCoordinates(0, 0, 1), expected);
}

TEST_F(PreviewCameraTest, FrameDrawsTheLitSceneOnBlack)
{
    CSGGroup root;
    root.AppendChild(new LevelFloor);
    PreviewCamera camera;
    camera.aspect = 4.0f / 3.0f;
    DrawPreviewFrame(camera, root, 0.0f);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_MODULATE);
    EXPECT_TRUE(IsBackground(m_context.Pixel(2, 118)));      // sky above the floor's far edge
    EXPECT_FALSE(IsBackground(m_context.Pixel(80, 60)));     // the floor at the centre
}

TEST_F(PreviewCameraTest, OnlyTheSelectedObjectShowsSelected)
{
    // As the document builds a level: the start marker first, then floor and wall.
    CSGGroup root;
    auto* level = new LevelGroupNode;
    root.AppendChild(level);
    auto* marker = new StartPositionNode(0.0f, 0.0f, 0.0f, 0.0f);
    auto* floor = new LevelFloor;
    auto* wall = new Wall(-6.0f, 2.0f, 2.0f, 2.0f);
    level->AppendChild(marker);
    level->AppendChild(floor);
    level->AppendChild(wall);
    PreviewCamera camera;
    camera.aspect = 4.0f / 3.0f;

    struct Sample {
        LevelObject* object;
        double x, y, z;
        std::array<unsigned char, 4> unselected;
    };
    Sample samples[] = {{marker, 0.0, 0.8, -1.0, {}}, {floor, 5.0, 0.0, 5.0, {}}, {wall, -6.0, 1.0, 2.0, {}}};
    DrawPreviewFrame(camera, root, 0.0f);
    for (Sample& sample : samples)
        sample.unselected = PixelAt(sample.x, sample.y, sample.z);
    // The untextured floor is white, lit: no other node's colour on it.
    EXPECT_EQ(samples[1].unselected[0], samples[1].unselected[1]);
    EXPECT_EQ(samples[1].unselected[1], samples[1].unselected[2]);

    for (Sample& chosen : samples) {
        chosen.object->selected = true;
        // Twice: what one frame leaves behind must not reach the next one either.
        DrawPreviewFrame(camera, root, 0.0f);
        DrawPreviewFrame(camera, root, 0.0f);
        for (const Sample& sample : samples) {
            const auto pixel = PixelAt(sample.x, sample.y, sample.z);
            if (&sample == &chosen)
                EXPECT_NE(pixel, sample.unselected) << "the selection shows";
            else
                EXPECT_EQ(pixel, sample.unselected)
                    << "selected " << &chosen - samples << ", sample " << &sample - samples;
        }
        chosen.object->selected = false;
    }
}
