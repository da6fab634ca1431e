// While the snake drives, an item it has taken is gone from the level until it comes back: the
// frame is that of the level without it, and the item shows again once back.
#include <string>
#include <vector>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "level/LevelFile.h"
#include "level/LevelScene.h"
#include "play/PlayRun.h"
#include "tests/support/OffscreenContext.h"
#include "views/RunDrawing.h"

namespace {

constexpr int kSize = 96;

std::unique_ptr<LevelScene> Level(const std::string& items)
{
    const std::string text = "<CSGGroup SaveLightState=\"1\">\n<GameSettingsNode SnakeInitialVelocity=\"2\"/>\n"
                             "<TexturesNode NumTextures=\"0\"/>\n<LevelGroupNode>\n"
                             "<LevelFloor Width=\"20\" Heigth=\"16\"/>\n"
                             "<Wall CenterX=\"3\" CenterZ=\"-6\" Width=\"2\" Depth=\"1\"/>\n"
                             + items + "</LevelGroupNode>\n</CSGGroup>\n";
    std::string error;
    auto scene = ReadLevelBuffer(text.data(), text.size(), error);
    EXPECT_TRUE(scene) << error;
    return scene;
}

std::string Item(float x, float z)
{
    return "<Item ItemTypeID=\"17\" PosX=\"" + std::to_string(x) + "\" PosZ=\"" + std::to_string(z)
           + "\" RespawnTime=\"3\"/>\n";
}

std::vector<unsigned char> Frame(LevelScene& scene, const PlayRun& run)
{
    const LookAt look = {{0.0f, 6.0f, 4.0f}, {0.0f, 0.0f, -4.0f}, {0.0f, 1.0f, 0.0f}};
    MeshCache meshes;
    DrawDriveFrame(look, 1.0f, &scene.Root(), 0.0f, run.State(), run.ItemsAway(), meshes);
    std::vector<unsigned char> pixels(kSize * kSize * 4);
    glReadPixels(0, 0, kSize, kSize, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// Frames of a sixtieth of a second, as the view gives them.
void Drive(PlayRun& run, double seconds)
{
    for (double done = 0.0; done < seconds; done += 1.0 / 60.0)
        run.Advance(1.0 / 60.0);
}

TEST(DriveFrame, ATakenItemIsGoneUntilItComesBack)
{
    OffscreenContext context(kSize, kSize);
    glViewport(0, 0, kSize, kSize);
    // The snake starts at the centre heading for -Z: it takes the first item, not the second.
    const auto level = Level(Item(0.0f, -2.0f) + Item(-3.0f, -5.0f));
    const auto without = Level(Item(-3.0f, -5.0f));
    ASSERT_TRUE(level && without);
    PlayRun run(*level, {}, 1);
    PlayRun runWithout(*without, {}, 1);
    const std::vector<unsigned char> before = Frame(*level, run);

    Drive(run, 1.5);
    Drive(runWithout, 1.5);
    ASSERT_EQ(run.State().itemsTaken, 1);
    ASSERT_EQ(run.ItemsAway().size(), 1u);
    EXPECT_EQ(Frame(*level, run), Frame(*without, runWithout));
    EXPECT_NE(Frame(*level, run), before);

    // Three seconds on it is back, wherever the snake has gone.
    Drive(run, 3.1);
    EXPECT_TRUE(run.ItemsAway().empty());
}

} // namespace
