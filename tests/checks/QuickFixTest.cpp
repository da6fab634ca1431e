#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "checks/LevelChecks.h"
#include "checks/QuickFix.h"
#include "geometry/Footprint.h"
#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelFile.h"
#include "level/LevelScene.h"
#include "level/Wall.h"

namespace {

bool IsPlaceProblem(const Problem& problem)
{
    for (const char* id : {"start-outside-floor", "object-outside-floor", "wall-partly-outside"})
        if (std::strcmp(problem.id, id) == 0)
            return true;
    return false;
}

std::vector<Problem> Check(const LevelScene& scene)
{
    return CheckLevel(scene, nullptr, [](const std::string&) { return std::string(); });
}

void Apply(const QuickFix& fix, LevelScene& scene)
{
    auto* node = const_cast<CSGNode*>(fix.node);
    if (node == scene.m_pGameSettings) {
        scene.m_pGameSettings->SnakeInitialPosX = fix.x;
        scene.m_pGameSettings->SnakeInitialPosZ = fix.z;
    } else if (auto* object = dynamic_cast<LevelObject*>(node)) {
        object->x = fix.x;
        object->z = fix.z;
    }
}

// Whether a problem of the kind names the node first.
bool Names(const std::vector<Problem>& problems, const char* id, const CSGNode* node)
{
    for (const Problem& problem : problems)
        if (std::strcmp(problem.id, id) == 0 && problem.nodes.front() == node)
            return true;
    return false;
}

// Random floors with a wall, an item and the start anywhere near or far off them: every problem
// of place of the wall has a fix, the item and the start have one unless the wall leaves them
// no free place; a fix is finite and never puts the item or the start inside the wall, and
// after the fixes no problem of place is left.
TEST(QuickFixTest, MovesLeaveEveryObjectOnTheFloor)
{
    const unsigned seed = 20261208;
    std::mt19937 random(seed);
    auto uniform = [&random](float low, float high) { return std::uniform_real_distribution<float>(low, high)(random); };
    for (int round = 0; round < 300; ++round) {
        const int width = 1 + static_cast<int>(random() % 40), height = 1 + static_cast<int>(random() % 40);
        const std::string text =
            "<CSGGroup SaveLightState=\"1\">\n<GameSettingsNode SnakeInitialPosX=\"" + std::to_string(uniform(-40, 40)) +
            "\" SnakeInitialPosZ=\"" + std::to_string(uniform(-40, 40)) + "\"/>\n<TexturesNode NumTextures=\"0\"/>\n<LevelGroupNode>\n<LevelFloor Width=\"" +
            std::to_string(width) + "\" Heigth=\"" + std::to_string(height) + "\"/>\n<Wall CenterX=\"" +
            std::to_string(uniform(-40, 40)) + "\" CenterZ=\"" + std::to_string(uniform(-40, 40)) + "\" Width=\"" +
            std::to_string(uniform(0.1f, 30)) + "\" Depth=\"" + std::to_string(uniform(0.1f, 5)) +
            "\" OrientationAngle=\"" + std::to_string(uniform(-360, 360)) + "\"/>\n<Item PosX=\"" +
            std::to_string(uniform(-40, 40)) + "\" PosZ=\"" + std::to_string(uniform(-40, 40)) +
            "\" ItemTypeID=\"16\"/>\n</LevelGroupNode>\n</CSGGroup>\n";
        std::string error;
        const auto scene = ReadLevelBuffer(text.data(), text.size(), error, {});
        ASSERT_TRUE(scene) << error;
        for (const Problem& problem : Check(*scene))
            if (IsPlaceProblem(problem)) {
                const auto fix = QuickFixFor(problem, *scene);
                const bool isWall = dynamic_cast<const Wall*>(problem.nodes.front()) != nullptr;
                ASSERT_TRUE(fix || !isWall) << "seed " << seed << " round " << round << ": " << problem.message.English();
                if (!fix)
                    continue;
                ASSERT_TRUE(std::isfinite(fix->x) && std::isfinite(fix->z)) << "seed " << seed << " round " << round;
                Apply(*fix, *scene);
                const std::vector<Problem> after = Check(*scene);
                EXPECT_FALSE(Names(after, "item-in-wall", fix->node) || Names(after, "start-in-wall", fix->node))
                    << "seed " << seed << " round " << round << ": " << problem.message.English();
            }
        for (const Problem& problem : Check(*scene)) {
            // A wall larger than the floor (or as large, give or take a rounding) cannot lie inside
            // it: it is centred on it.
            Footprint footprint{};
            const double slack = 1e-3;
            const bool fits = !Footprint::Of(*problem.nodes.front(), footprint) ||
                              (footprint.Bounds().maxX - footprint.Bounds().minX <= width - slack &&
                               footprint.Bounds().maxZ - footprint.Bounds().minZ <= height - slack);
            EXPECT_FALSE(IsPlaceProblem(problem) && fits && QuickFixFor(problem, *scene))
                << "seed " << seed << " round " << round << ": " << problem.message.English();
        }
    }
}

// A wall too wide for any number still gets a finite place or none; an item whose nearest place
// inside the floor is in a wall goes to the nearest free one.
TEST(QuickFixTest, MovesAreFiniteAndNeverIntoAWall)
{
    const std::string text = "<CSGGroup SaveLightState=\"1\">\n<GameSettingsNode/>\n<TexturesNode NumTextures=\"0\"/>\n<LevelGroupNode>\n"
                             "<LevelFloor Width=\"20\" Heigth=\"20\"/>\n"
                             "<Wall CenterX=\"30\" CenterZ=\"0\" Width=\"3e38\" Depth=\"1\" OrientationAngle=\"30\"/>\n"
                             "<Wall CenterX=\"9\" CenterZ=\"5\" Width=\"2\" Depth=\"4\" OrientationAngle=\"0\"/>\n"
                             "<Item PosX=\"14\" PosZ=\"5\" ItemTypeID=\"16\"/>\n"
                             "</LevelGroupNode>\n</CSGGroup>\n";
    std::string error;
    const auto scene = ReadLevelBuffer(text.data(), text.size(), error, {});
    ASSERT_TRUE(scene) << error;
    int moves = 0;
    for (const Problem& problem : Check(*scene))
        if (const auto fix = QuickFixFor(problem, *scene)) {
            EXPECT_TRUE(std::isfinite(fix->x) && std::isfinite(fix->z)) << problem.message.English();
            if (dynamic_cast<const Item*>(fix->node)) {
                // The wall takes 8..10 on X and 3..7 on Z: the nearest free place is on its face.
                EXPECT_EQ(fix->x, 9.5f);
                EXPECT_TRUE(fix->z == 3.0f || fix->z == 7.0f) << fix->z;
                ++moves;
            }
        }
    EXPECT_EQ(moves, 1);
}

// The fixes that are no move name the object they act on; problems without a plain fix get none.
TEST(QuickFixTest, OffersRemovalAndNormalTypeOnlyWhereTheyFix)
{
    const std::string text = "<CSGGroup SaveLightState=\"1\">\n<GameSettingsNode/>\n<TexturesNode NumTextures=\"0\"/>\n<LevelGroupNode>\n"
                             "<LevelFloor Width=\"20\" Heigth=\"20\"/>\n"
                             "<Wall CenterX=\"3\" CenterZ=\"3\" Width=\"0\" Depth=\"1\" OrientationAngle=\"0\"/>\n"
                             "<Item PosX=\"-3\" PosZ=\"-3\" ItemTypeID=\"40\"/>\n"
                             "<Item PosX=\"-3\" PosZ=\"-3.1\" ItemTypeID=\"16\"/>\n"
                             "</LevelGroupNode>\n</CSGGroup>\n";
    std::string error;
    const auto scene = ReadLevelBuffer(text.data(), text.size(), error, {});
    ASSERT_TRUE(scene) << error;
    int fixes = 0;
    for (const Problem& problem : Check(*scene)) {
        const auto fix = QuickFixFor(problem, *scene);
        if (std::strcmp(problem.id, "wall-size") == 0) {
            ASSERT_TRUE(fix);
            EXPECT_EQ(fix->kind, QuickFix::Kind::RemoveWall);
            EXPECT_TRUE(dynamic_cast<const Wall*>(fix->node));
        } else if (std::strcmp(problem.id, "item-type") == 0) {
            ASSERT_TRUE(fix);
            EXPECT_EQ(fix->kind, QuickFix::Kind::MakeItemNormal);
            EXPECT_EQ(dynamic_cast<const Item*>(fix->node)->ItemTypeID, 40);
        } else {
            EXPECT_FALSE(fix) << problem.id;
            continue;
        }
        ++fixes;
    }
    EXPECT_EQ(fixes, 2);
}

} // namespace
