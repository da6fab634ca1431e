// The preview's glass balls are cut coarsely where they show small, and its meshes go to
// OpenGL without the faces turned away from the eye. Neither may show: a small ball keeps its
// outline to within a pixel of the true ball, and a picture drawn without the faces turned
// away is the picture drawn with them, pixel for pixel, from any side, mirrored or not.
#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include "batching/BallMesh.h"
#include "batching/FrontFaces.h"
#include "tests/support/OffscreenContext.h"

namespace {

constexpr int kSize = 96;

unsigned Seed(const char* name)
{
    if (const char* chosen = std::getenv(name))
        return static_cast<unsigned>(std::strtoul(chosen, nullptr, 10));
    return std::random_device{}();
}

void DrawArray(const std::vector<MeshVertex>& mesh)
{
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    if (!mesh.empty())
        DrawQuadArray(mesh.data(), static_cast<int>(mesh.size()));
    glPopClientAttrib();
}

std::vector<unsigned char> Pixels()
{
    std::vector<unsigned char> pixels(kSize * kSize * 4);
    glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

class BallMeshTest : public ::testing::Test {
protected:
    BallMeshTest() { glViewport(0, 0, kSize, kSize); }
    OffscreenContext m_context{kSize, kSize};
};

TEST_F(BallMeshTest, ASmallBallKeepsItsOutlineToAPixel)
{
    const unsigned seed = Seed("TRELKAN_BALL_SEED");
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> radii(1.0f, 20.0f);
    std::uniform_real_distribution<float> angles(0.0f, 360.0f);
    std::uniform_real_distribution<float> offsets(-0.5f, 0.5f);
    glEnable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    for (int run = 0; run < 60; ++run) {
        // One unit a pixel: the ball's radius in pixels is its radius.
        const float radius = radii(random);
        const float centre[3] = {kSize / 2.0f + offsets(random), kSize / 2.0f + offsets(random), 0.0f};
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0.0, kSize, 0.0, kSize, -100.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(centre[0], centre[1], 0.0f);
        glRotatef(angles(random), 1.0f, 0.3f, 0.2f);
        glTranslatef(-centre[0], -centre[1], 0.0f);
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        const BallFacets facets = BallFacetsFor(BallPixelRadius(CurrentClipMatrix(), viewport, centre, radius));
        std::vector<MeshVertex> ball;
        BallMesh(centre, radius, facets, ball);
        glClear(GL_COLOR_BUFFER_BIT);
        DrawArray(ball);
        const std::vector<unsigned char> pixels = Pixels();
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                const double away = std::hypot(x + 0.5 - centre[0], y + 0.5 - centre[1]);
                const bool lit = pixels[static_cast<std::size_t>((y * kSize + x) * 4)] != 0;
                // Half a pixel for the facets, the rest for the pixel centres' rule.
                ASSERT_TRUE(!lit || away <= radius + 1.0)
                    << "seed " << seed << ", radius " << radius << ", facets " << facets.slices << " x " << facets.stacks << ", lit at " << x << ", " << y;
                ASSERT_TRUE(lit || away >= radius - 1.5)
                    << "seed " << seed << ", radius " << radius << ", facets " << facets.slices << " x " << facets.stacks << ", a hole at " << x << ", " << y;
            }
    }
}

// Boxes turned every way and balls, inside the view.
std::vector<MeshVertex> RandomShapes(std::mt19937& random)
{
    std::uniform_real_distribution<float> place(-2.0f, 2.0f);
    std::uniform_real_distribution<float> size(0.1f, 1.0f);
    std::uniform_real_distribution<double> shown(0.0, 30.0);
    std::vector<MeshVertex> shapes;
    for (int shape = 0; shape < 12; ++shape) {
        const float at[3] = {place(random), place(random), place(random)};
        if (shape % 2) {
            std::vector<MeshVertex> ball;
            BallMesh(at, size(random), BallFacetsFor(shown(random)), ball);
            shapes.insert(shapes.end(), ball.begin(), ball.end());
            continue;
        }
        MeshVertex box[BOX_MESH_VERTICES];
        const int count = BoxMesh({size(random), size(random), place(random) - 2.5f, place(random) + 2.5f}, true, box);
        for (int i = 0; i < count; ++i)
            for (int k = 0; k < 3; ++k)
                box[i].position[k] += at[k];
        shapes.insert(shapes.end(), box, box + count);
    }
    return shapes;
}

TEST_F(BallMeshTest, LeavingOutTheFacesTurnedAwayKeepsThePicture)
{
    const unsigned seed = Seed("TRELKAN_FACES_SEED");
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> angle(0.0f, 360.0f);
    std::uniform_real_distribution<float> distance(9.0f, 30.0f);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    for (int run = 0; run < 40; ++run) {
        const std::vector<MeshVertex> shapes = RandomShapes(random);
        const bool mirrored = run % 4 == 3;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 1.0, 0.5, 300.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0.0f, 0.0f, -distance(random));
        glRotatef(angle(random), 1.0f, 0.0f, 0.0f);
        glRotatef(angle(random), 0.0f, 1.0f, 0.0f);
        if (mirrored)
            glScalef(-1.0f, 1.0f, 1.0f);
        glColor3f(0.8f, 0.6f, 0.3f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawArray(shapes);
        const std::vector<unsigned char> whole = Pixels();

        std::vector<MeshVertex> facing;
        const FrontFaces faces;
        faces.Append(shapes.data(), static_cast<int>(shapes.size()), facing);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawArray(facing);
        ASSERT_EQ(Pixels(), whole) << "seed " << seed << ", run " << run << (mirrored ? ", mirrored" : "");
        if (!mirrored) {
            EXPECT_LT(facing.size(), shapes.size() * 3 / 4) << "seed " << seed << ", run " << run;
        }
    }
}

} // namespace
