#include <GL/gl.h>
#include <gtest/gtest.h>

#include "scenegraph/CSGLight.h"
#include "tests/support/OffscreenContext.h"

TEST(CSGLightDraw, EnablesItsLightWithColoursAndEyeSpacePosition)
{
    OffscreenContext context;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
    CSGLight light(1);
    light.DC[1] = 0.25f;
    light.AC[0] = 0.5f;
    light.SC[2] = 0.75f;
    light.Draw(0.0f);

    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    GLfloat value[4];
    glGetLightfv(GL_LIGHT1, GL_DIFFUSE, value);
    EXPECT_FLOAT_EQ(value[1], 0.25f);
    glGetLightfv(GL_LIGHT1, GL_AMBIENT, value);
    EXPECT_FLOAT_EQ(value[0], 0.5f);
    glGetLightfv(GL_LIGHT1, GL_SPECULAR, value);
    EXPECT_FLOAT_EQ(value[2], 0.75f);
    // The direction (0, 0, 1) turned by 90 degrees about Y points along X.
    glGetLightfv(GL_LIGHT1, GL_POSITION, value);
    EXPECT_NEAR(value[0], 1.0f, 1e-6f);
    EXPECT_NEAR(value[2], 0.0f, 1e-6f);
    EXPECT_EQ(value[3], 0.0f);
}

TEST(CSGLightDraw, IndexBeyondTheContextsLightsIssuesNoCall)
{
    OffscreenContext context;
    GLint maxLights = 0;
    glGetIntegerv(GL_MAX_LIGHTS, &maxLights);
    for (int index : {maxLights, maxLights + 5, -1}) {
        CSGLight light(index);
        light.Draw(0.0f);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << index;
        EXPECT_EQ(light.LightIndex, index);
        for (GLint i = 0; i < maxLights; ++i)
            EXPECT_FALSE(glIsEnabled(GL_LIGHT0 + static_cast<GLenum>(i)));
    }
}
