#include <GL/gl.h>
#include <gtest/gtest.h>

#include "scenegraph/CSGAnimRotation.h"
#include "scenegraph/CSGAnimZPrecession.h"
#include "scenegraph/CSGRotation.h"
#include "scenegraph/CSGTransformation.h"
#include "scenegraph/CSGTranslation.h"
#include "tests/scenegraph/SceneTestSupport.h"
#include "tests/support/OffscreenContext.h"

using namespace scenegraph_test;

namespace {

GLMatrix DrawnModelview(CSGNode& node, float t)
{
    return ModelviewAfter([&] { node.Draw(t); });
}

GLMatrix Rotation(float angle, float x, float y, float z)
{
    return ModelviewAfter([=] { glRotatef(angle, x, y, z); });
}

} // namespace

TEST(TransformNodes, RotationAndTranslation)
{
    OffscreenContext context;
    CSGRotation rotation;
    rotation.AxisY = 1.0f;
    rotation.AngleDeg = 45.0f;
    ExpectMatrixNear(DrawnModelview(rotation, 3.0f), Rotation(45.0f, 0.0f, 1.0f, 0.0f));

    CSGTranslation translation;
    translation.VX = 1.0f;
    translation.VY = -2.0f;
    translation.VZ = 3.5f;
    const GLMatrix m = DrawnModelview(translation, 0.0f);
    EXPECT_FLOAT_EQ(m[12], 1.0f);
    EXPECT_FLOAT_EQ(m[13], -2.0f);
    EXPECT_FLOAT_EQ(m[14], 3.5f);
}

TEST(TransformNodes, AnimatedRotationAngleIsStartPlusSpeedTimesTime)
{
    OffscreenContext context;
    CSGAnimRotation spin;
    spin.AxisZ = 1.0f;
    spin.AngularSpeedDPS = 90.0f;
    ExpectMatrixNear(DrawnModelview(spin, 0.0f), Rotation(0.0f, 0.0f, 0.0f, 1.0f));
    ExpectMatrixNear(DrawnModelview(spin, 1.0f), Rotation(90.0f, 0.0f, 0.0f, 1.0f));
    // The edit view's time gives start minus speed.
    spin.StartAngleDeg = 10.0f;
    ExpectMatrixNear(DrawnModelview(spin, -1.0f), Rotation(-80.0f, 0.0f, 0.0f, 1.0f));
}

TEST(TransformNodes, PrecessionAxisTurnsAboutZ)
{
    OffscreenContext context;
    CSGAnimZPrecession precession; // 30 degrees, 10 degrees per second, start 0
    ExpectMatrixNear(DrawnModelview(precession, 0.0f), Rotation(30.0f, 1.0f, 0.0f, 0.0f));
    // After 9 s the axis has turned by 90 degrees onto Y.
    ExpectMatrixNear(DrawnModelview(precession, 9.0f), Rotation(30.0f, 0.0f, 1.0f, 0.0f));
}

TEST(TransformNodes, TransformationTakesRowMajorEntries)
{
    OffscreenContext context;
    CSGTransformation transformation;
    transformation.Matrix.At(0, 3) = 5.0f;
    transformation.Matrix.At(0, 1) = 2.0f;
    const GLMatrix m = DrawnModelview(transformation, 0.0f);
    EXPECT_FLOAT_EQ(m[12], 5.0f); // column 3, row 0 in OpenGL's column order
    EXPECT_FLOAT_EQ(m[4], 2.0f);  // column 1, row 0
    EXPECT_FLOAT_EQ(m[1], 0.0f);
    EXPECT_FLOAT_EQ(m[15], 1.0f);
    // The stored matrix stays row by row.
    EXPECT_FLOAT_EQ(transformation.Matrix.At(0, 3), 5.0f);
}

TEST(TransformNodes, TransformationMovesDrawingAlongX)
{
    OffscreenContext context(64, 64);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-8.0, 8.0, -8.0, 8.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    CSGTransformation transformation;
    transformation.Matrix.At(0, 3) = 5.0f;
    transformation.Draw(0.0f);
    glColor3f(1, 1, 1);
    glRectf(-0.5f, -0.5f, 0.5f, 0.5f);
    // Units are 4 pixels: the square lands around x = 5, i.e. pixel 52, not at the centre.
    EXPECT_EQ(context.Pixel(52, 32)[0], 255);
    EXPECT_EQ(context.Pixel(32, 32)[0], 0);
}
