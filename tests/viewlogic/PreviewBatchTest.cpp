// The preview draws walls and items grouped by look, out of the file's order where nothing can
// show it. Its pictures must be those of the nodes drawing themselves one by one, pixel for
// pixel: crowded, overlapping and selected objects with several textures and the glass, items
// of unknown types in the colour they find, a group that saves the lights and lights one of its
// own, other nodes in between, and cameras from afar, turned, animated and so close that
// objects reach behind the eye. The meshes kept from frame to frame follow walls that move,
// turn and change their mapping between frames, and signs that spin.
#include <random>
#include <vector>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "batching/MeshCache.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"
#include "scenegraph/CSGLight.h"
#include "scenegraph/CSGTranslation.h"
#include "tests/support/OffscreenContext.h"
#include "views/PreviewScene.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// A small texture of two colours in stripes, complete without mipmaps.
GLuint StripedTexture(unsigned char r, unsigned char g, unsigned char b)
{
    std::vector<unsigned char> texels;
    for (int i = 0; i < 8 * 8; ++i)
        for (const unsigned char c : {r, g, b})
            texels.push_back((i / 2) % 2 ? c : static_cast<unsigned char>(255 - c));
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 8, 8, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    return texture;
}

class PreviewBatchTest : public ::testing::Test {
protected:
    PreviewBatchTest()
    {
        glViewport(0, 0, kWidth, kHeight);
        for (const auto& colour : {std::array<unsigned char, 3>{200, 40, 40}, {40, 200, 40}, {40, 40, 200}})
            m_textures.push_back(StripedTexture(colour[0], colour[1], colour[2]));
        m_sphereMap = StripedTexture(230, 230, 90);
        BuildLevel();
    }

    // Walls and items at random places, turns, sizes, heights, textures and types.
    void AddCrowd(CSGGroup& group, int count)
    {
        std::uniform_real_distribution<float> place(-10.0f, 10.0f);
        std::uniform_real_distribution<float> size(0.1f, 3.0f);
        std::uniform_real_distribution<float> turn(0.0f, 360.0f);
        for (int i = 0; i < count; ++i) {
            auto* wall = new Wall(place(m_random), place(m_random), size(m_random), size(m_random) / 3.0f);
            wall->OrientationAngle = turn(m_random);
            wall->m_height = size(m_random);
            wall->SetGLTexture(i % 4 == 3 ? 0 : m_textures[static_cast<std::size_t>(i % 3)]);
            wall->selected = i % 11 == 0;
            group.AppendChild(wall);
            auto* item = new Item(place(m_random), size(m_random) / 2.0f, place(m_random), ITEM_NORMAL + i % 7);
            item->m_size = size(m_random) / 3.0f;
            item->m_sphereMapTexture = m_sphereMap;
            item->selected = i % 9 == 0;
            item->Prepare();
            group.AppendChild(item);
        }
    }

    void BuildLevel()
    {
        auto* level = new LevelGroupNode;
        m_root.AppendChild(level);
        level->AppendChild(new StartPositionNode(1.0f, 0.0f, 2.0f, 40.0f));
        auto* floor = new LevelFloor;
        floor->Width = 24;
        floor->Heigth = 24;
        floor->SetGLTexture(m_textures[1]);
        level->AppendChild(floor);
        AddCrowd(*level, 70);
        level->AppendChild(new StartPositionNode(-3.0f, 0.0f, -1.0f, 200.0f));
        AddCrowd(*level, 30);

        auto* lit = new CSGGroup;
        lit->SaveLightState = true;
        auto* light = new CSGLight(1);
        light->DC[1] = light->DC[2] = 0.2f;
        light->PT[0] = 1.0f;
        lit->AppendChild(light);
        auto* shift = new CSGTranslation;
        shift->VX = 2.5f;
        lit->AppendChild(shift);
        AddCrowd(*lit, 25);
        level->AppendChild(lit);
        AddCrowd(*level, 25);
    }

    void ChangeSomeWalls()
    {
        std::uniform_real_distribution<float> nudge(-0.5f, 0.5f);
        std::bernoulli_distribution chosen(0.2);
        ForEachNode(m_root, [&](CSGNode& node) {
            auto* wall = dynamic_cast<Wall*>(&node);
            if (!wall || !chosen(m_random))
                return;
            wall->x += nudge(m_random);
            wall->OrientationAngle += 40.0f * nudge(m_random);
            wall->TexScaleX += nudge(m_random);
            wall->TexRotationAngleDeg += 90.0f * nudge(m_random);
        });
    }

    static std::vector<unsigned char> Pixels()
    {
        std::vector<unsigned char> pixels(kWidth * kHeight * 4);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // The frame as the nodes draw it themselves, without the batch.
    std::vector<unsigned char> DrawnNodeByNode(const PreviewCamera& camera, float t)
    {
        DrawPreviewFrame(camera, nullptr, t);
        SetupPreviewRenderingState();
        ApplyPreviewCamera(camera);
        m_root.Draw(t);
        return Pixels();
    }

    OffscreenContext m_context{kWidth, kHeight};
    std::mt19937 m_random{77};
    std::vector<GLuint> m_textures;
    GLuint m_sphereMap = 0;
    CSGGroup m_root;
};

TEST_F(PreviewBatchTest, FramesEqualTheNodesDrawingThemselves)
{
    const float turnedAboutY[16]
        = {0.84f, 0.0f, 0.545f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, -0.545f, 0.0f, 0.84f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    const float tiltedAboutX[16]
        = {1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.643f, -0.766f, 0.0f, 0.0f, 0.766f, 0.643f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    struct Shot {
        float distance, zoom;
        const float* rotation;
        float time;
    };
    const Shot shots[] = {{24.0f, 1.0f, nullptr, 0.0f}, {24.0f, 1.7f, turnedAboutY, 0.37f}, {6.0f, 1.0f, nullptr, 1.1f},
        {14.0f, 2.3f, tiltedAboutX, 2.0f}, {24.0f, 1.0f, nullptr, 2.0f}};
    MeshCache meshes;
    int shotIndex = 0;
    for (const Shot& shot : shots) {
        // Between frames some walls move, turn or get another mapping.
        if (shotIndex++ > 0)
            ChangeSomeWalls();
        PreviewCamera camera;
        camera.aspect = static_cast<float>(kWidth) / kHeight;
        camera.distance = shot.distance;
        camera.zoom = shot.zoom;
        camera.rotation = shot.rotation;
        const std::vector<unsigned char> expected = DrawnNodeByNode(camera, shot.time);
        DrawPreviewFrame(camera, &m_root, shot.time, &meshes);
        const std::vector<unsigned char> batched = Pixels();
        long differing = 0;
        for (std::size_t i = 0; i < expected.size(); i += 4)
            differing += !std::equal(&expected[i], &expected[i + 4], &batched[i]);
        EXPECT_EQ(differing, 0) << "distance " << shot.distance << ", zoom " << shot.zoom << ", time " << shot.time;
    }
}

} // namespace
