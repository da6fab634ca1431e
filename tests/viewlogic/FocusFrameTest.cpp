#include <array>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "tests/support/OffscreenContext.h"
#include "views/FocusFrame.h"
#include "views/PreviewScene.h"

namespace {

constexpr FocusFrameColour ORANGE = {255, 128, 0};

using Rgb = std::array<unsigned char, 3>;

class FocusFrameTest : public ::testing::Test {
protected:
    Rgb At(int x, int y) const
    {
        const auto pixel = m_context.Pixel(x, y);
        return {pixel[0], pixel[1], pixel[2]};
    }

    OffscreenContext m_context{64, 48};
};

TEST_F(FocusFrameTest, FramesTheEdgesInItsOwnColourOverALitScene)
{
    glViewport(0, 0, 64, 48);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetupLitRenderingState();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -5.0f);
    glColor3f(0.0f, 0.0f, 1.0f);

    DrawFocusFrame(64, 48, 3, ORANGE);

    const Rgb orange = {255, 128, 0};
    const Rgb black = {0, 0, 0};
    for (const auto& [x, y] : {std::pair{0, 0}, {63, 47}, {2, 24}, {61, 24}, {32, 2}, {32, 45}})
        EXPECT_EQ(At(x, y), orange) << x << "," << y;
    for (const auto& [x, y] : {std::pair{3, 24}, {60, 24}, {32, 3}, {32, 44}, {32, 24}})
        EXPECT_EQ(At(x, y), black) << x << "," << y;

    // The scene's own state is back for the next frame.
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLfloat modelView[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    EXPECT_FLOAT_EQ(modelView[14], -5.0f);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[2], 1.0f);
}

} // namespace
