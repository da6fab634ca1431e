#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/LevelChecks.h"
#include "image/ImageFile.h"
#include "level/LevelFile.h"
#include "level/LevelScene.h"

namespace {

// A small level: a 20 x 16 floor, the start at the origin heading -Z at velocity 2 (4 units in
// two seconds), and `objects` on the floor. A repeated attribute keeps its last value, so
// `settings` and `floor` override the defaults.
struct Level {
    std::string objects = {};
    std::string settings = {};
    std::string floor = {};
    std::string textures = {};
};

std::string LevelText(const Level& level)
{
    return "<CSGGroup SaveLightState=\"1\">\n"
           "<GameSettingsNode NormalItemsNumber=\"1\" SnakeInitialPosX=\"0\" SnakeInitialPosY=\"0\" "
           "SnakeInitialPosZ=\"0\" SnakeInitialOrientationAngle=\"0\" SnakeTurningAngle=\"90\" "
           "SnakeInitialLength=\"8\" SnakeInitialVelocity=\"2\" " +
           level.settings + "/>\n<TexturesNode NumTextures=\"1\" 1=\"../data/Textures/Walls/brick.jpg\" " +
           level.textures + "/>\n<LevelGroupNode>\n<LevelFloor Width=\"20\" Heigth=\"16\" " + level.floor + "/>\n" +
           level.objects + "</LevelGroupNode>\n</CSGGroup>\n";
}

std::string Wall(float x, float z, float width, float depth, const std::string& more = "")
{
    return "<Wall CenterX=\"" + std::to_string(x) + "\" CenterZ=\"" + std::to_string(z) + "\" Width=\"" +
           std::to_string(width) + "\" Depth=\"" + std::to_string(depth) + "\" OrientationAngle=\"0\" " + more + "/>\n";
}

std::string Item(float x, float z, const std::string& more = "")
{
    return "<Item PosX=\"" + std::to_string(x) + "\" PosY=\"0\" PosZ=\"" + std::to_string(z) + "\" ItemTypeID=\"16\" " +
           more + "/>\n";
}

std::vector<std::string> IdsOf(const Level& level)
{
    const std::string text = LevelText(level);
    SourceNotes notes;
    std::string error;
    const auto scene = ReadLevelBuffer(text.data(), text.size(), error, {&notes, nullptr});
    EXPECT_TRUE(scene) << error;
    std::vector<std::string> ids;
    if (scene)
        for (const Problem& problem : CheckLevel(*scene, &notes, [](const std::string& path) {
                 return CheckImageFile(path, 8192);
             }))
            ids.push_back(problem.id + (": " + problem.message));
    return ids;
}

bool Shows(const std::vector<std::string>& ids, const std::string& id)
{
    for (const std::string& found : ids)
        if (found.compare(0, id.size() + 1, id + ":") == 0)
            return true;
    return false;
}

// Each check with a level that shows its problem and one just short of it.
struct Case {
    const char* id;
    Level problem;
    Level nearMiss;
};

const Case kCases[] = {
    {"start-outside-floor", {"", "SnakeInitialPosX=\"10.5\""}, {"", "SnakeInitialPosX=\"10\""}},
    {"start-in-wall", {Wall(2, 0, 2, 2), "SnakeInitialPosX=\"1.5\""}, {Wall(2, 0, 2, 2), "SnakeInitialPosX=\"0.9\""}},
    {"object-outside-floor", {Wall(11.5f, 0, 2, 2) + Item(-10.6f, 0)}, {Wall(10.9f, 0, 2, 2) + Item(-10.4f, 0)}},
    {"wall-size", {Wall(5, 5, -5, 1)}, {Wall(5, 5, 0.01f, 1)}},
    {"floor-size", {"", "", "Width=\"0\""}, {"", "", "Width=\"5\""}},
    {"item-type", {Item(5, 5, "ItemTypeID=\"22\"")}, {Item(5, 5, "ItemTypeID=\"21\"")}},
    {"not-a-number", {Wall(5, 5, 1, 1, "Width=\"2x\"")}, {Wall(5, 5, 1, 1, "Width=\" 2.5 \"")}},
    {"texture-missing", {"", "", "", "2=\"../data/Textures/Walls/none.jpg\" NumTextures=\"2\""}, {}},
    {"setting-range", {"", "SnakeInitialVelocity=\"5.5\""}, {"", "SnakeInitialVelocity=\"5\""}},
    {"not-finite", {Wall(5, 5, 1, 1, "CenterX=\"inf\"")}, {Wall(5, 5, 1, 1, "CenterX=\"1e30\"")}},
    {"wall-partly-outside", {Wall(9.5f, 0, 2, 2)}, {Wall(9, 0, 2, 2)}},
    {"item-in-wall", {Wall(5, 5, 2, 2) + Item(5.5f, 5.5f)}, {Wall(5, 5, 2, 2) + Item(6, 5)}},
    {"items-overlap", {Item(5, 5) + Item(5.9f, 5)}, {Item(5, 5) + Item(6, 5)}},
    {"start-facing-wall", {Wall(0, -3.5f, 4, 1)}, {Wall(0, -4.6f, 4, 1)}},
    {"item-unreachable", {Wall(4, 0, 1, 16) + Item(7, 0)}, {Wall(4, 0.5f, 1, 15) + Item(7, 0)}},
};

} // namespace

TEST(LevelChecks, EachCheckFindsItsProblemAndNotTheNearMiss)
{
    for (const Case& c : kCases) {
        const std::vector<std::string> problem = IdsOf(c.problem);
        const std::vector<std::string> nearMiss = IdsOf(c.nearMiss);
        EXPECT_TRUE(Shows(problem, c.id)) << c.id << " missing from " << testing::PrintToString(problem);
        EXPECT_FALSE(Shows(nearMiss, c.id)) << c.id << " in the near miss " << testing::PrintToString(nearMiss);
    }
}

TEST(LevelChecks, EveryCheckHasACase)
{
    for (const CheckInfo& check : LevelCheckList()) {
        bool found = false;
        for (const Case& c : kCases)
            found = found || std::string(c.id) == check.id;
        EXPECT_TRUE(found) << check.id;
    }
}
