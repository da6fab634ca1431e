// A level mirrored in X, in Z or turned by a quarter has the mirrored problems: the same checks
// about the same objects. Random levels on whole and half units, where boundaries are the rule.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "checks/LevelChecks.h"
#include "level/LevelFile.h"
#include "level/LevelScene.h"
#include "scenegraph/CSGGroup.h"

namespace {

struct Placed {
    double x, z, width, depth, angle;
    int type;
};

struct RandomLevel {
    int width, height;
    double startX, startZ, heading, velocity;
    std::vector<Placed> walls, items;
};

double HalfUnits(std::mt19937& random, double low, double high)
{
    return 0.5 * std::uniform_int_distribution<int>(static_cast<int>(2 * low), static_cast<int>(2 * high))(random);
}

RandomLevel MakeLevel(std::mt19937& random)
{
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const double angles[] = {0, 0, 0, 90, 180, 270, 45, 135};
    RandomLevel level{pick(5, 24), pick(5, 24), 0, 0, 45.0 * pick(0, 7), static_cast<double>(pick(2, 5)), {}, {}};
    const double reachX = 0.5 * level.width + 1, reachZ = 0.5 * level.height + 1;
    level.startX = HalfUnits(random, -reachX, reachX);
    level.startZ = HalfUnits(random, -reachZ, reachZ);
    for (int i = pick(0, 8); i > 0; --i)
        level.walls.push_back({HalfUnits(random, -reachX, reachX), HalfUnits(random, -reachZ, reachZ),
                               HalfUnits(random, 0.5, 6), HalfUnits(random, 0.5, 6), angles[pick(0, 7)], 0});
    for (int i = pick(0, 8); i > 0; --i)
        level.items.push_back({HalfUnits(random, -reachX, reachX), HalfUnits(random, -reachZ, reachZ), 0, 0, 0, pick(16, 22)});
    return level;
}

enum class Change { MirrorX, MirrorZ, QuarterTurn };

RandomLevel Changed(RandomLevel level, Change change)
{
    // A point, and a turn (of a wall or the heading) given as the turned direction's mirror.
    const auto point = [change](double& x, double& z) {
        if (change == Change::MirrorX)
            x = -x;
        else if (change == Change::MirrorZ)
            z = -z;
        else
            x = std::exchange(z, -x);
    };
    const auto turn = [change](double angle, bool heading) {
        if (change == Change::QuarterTurn)
            return angle + 90;
        return change == Change::MirrorZ && heading ? 180 - angle : -angle;
    };
    if (change == Change::QuarterTurn)
        std::swap(level.width, level.height);
    point(level.startX, level.startZ);
    level.heading = turn(level.heading, true);
    for (Placed& wall : level.walls) {
        point(wall.x, wall.z);
        wall.angle = turn(wall.angle, false);
    }
    for (Placed& item : level.items)
        point(item.x, item.z);
    return level;
}

std::string Text(const RandomLevel& level)
{
    std::ostringstream text;
    text << "<CSGGroup>\n<GameSettingsNode NormalItemsNumber=\"1\" SnakeInitialPosX=\"" << level.startX
         << "\" SnakeInitialPosZ=\"" << level.startZ << "\" SnakeInitialOrientationAngle=\"" << level.heading
         << "\" SnakeTurningAngle=\"90\" SnakeInitialLength=\"8\" SnakeInitialVelocity=\"" << level.velocity
         << "\"/>\n<TexturesNode NumTextures=\"0\"/>\n<LevelGroupNode>\n<LevelFloor Width=\"" << level.width
         << "\" Heigth=\"" << level.height << "\"/>\n";
    for (const Placed& w : level.walls)
        text << "<Wall CenterX=\"" << w.x << "\" CenterZ=\"" << w.z << "\" Width=\"" << w.width << "\" Depth=\""
             << w.depth << "\" OrientationAngle=\"" << w.angle << "\"/>\n";
    for (const Placed& i : level.items)
        text << "<Item PosX=\"" << i.x << "\" PosZ=\"" << i.z << "\" ItemTypeID=\"" << i.type << "\"/>\n";
    text << "</LevelGroupNode>\n</CSGGroup>\n";
    return text.str();
}

// Each problem's check and the place of its first object in the level's order.
std::set<std::pair<std::string, int>> ProblemsOf(const std::string& text)
{
    std::string error;
    const auto scene = ReadLevelBuffer(text.data(), text.size(), error, {});
    EXPECT_TRUE(scene) << error;
    std::set<std::pair<std::string, int>> problems;
    if (!scene)
        return problems;
    std::map<const CSGNode*, int> order;
    ForEachNode(scene->Root(), [&order](CSGNode& node) { order.emplace(&node, static_cast<int>(order.size())); });
    for (const Problem& problem : CheckLevel(*scene, nullptr, [](const std::string&) { return std::string(); }))
        problems.emplace(problem.id, order[problem.nodes.front()]);
    return problems;
}

std::string Listed(const std::set<std::pair<std::string, int>>& problems)
{
    std::string listed;
    for (const auto& [id, object] : problems)
        listed += " " + id + "@" + std::to_string(object);
    return listed;
}

// One level per seed; TRELKAN_CHECK_SEED=N runs only level N again.
void CheckLevelOfSeed(unsigned seed)
{
    std::mt19937 random(seed);
    const char* names[] = {"mirrored in X", "mirrored in Z", "turned by 90 degrees"};
    const RandomLevel level = MakeLevel(random);
    const std::string text = Text(level);
    const auto problems = ProblemsOf(text);
    for (Change change : {Change::MirrorX, Change::MirrorZ, Change::QuarterTurn})
        EXPECT_EQ(Listed(problems), Listed(ProblemsOf(Text(Changed(level, change)))))
            << "seed " << seed << ", " << names[static_cast<int>(change)] << ":\n" << text;
}

} // namespace

TEST(CheckSymmetry, MirroredAndTurnedLevelsHaveTheSameProblems)
{
    if (const char* replay = std::getenv("TRELKAN_CHECK_SEED")) {
        CheckLevelOfSeed(static_cast<unsigned>(std::strtoul(replay, nullptr, 10)));
        return;
    }
    for (unsigned seed = 1; seed <= 600 && !testing::Test::HasFailure(); ++seed)
        CheckLevelOfSeed(seed);
}
