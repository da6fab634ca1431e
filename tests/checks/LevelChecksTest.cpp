#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
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

// Numbers to the last digit a float keeps, so that offsets below the file's precision survive.
std::string N(double value)
{
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::general, 10).ptr);
}

std::string Wall(double x, double z, double width, double depth, const std::string& more = "")
{
    return "<Wall CenterX=\"" + N(x) + "\" CenterZ=\"" + N(z) + "\" Width=\"" + N(width) + "\" Depth=\"" + N(depth) +
           "\" OrientationAngle=\"0\" " + more + "/>\n";
}

std::string Item(double x, double z, const std::string& more = "")
{
    return "<Item PosX=\"" + N(x) + "\" PosY=\"0\" PosZ=\"" + N(z) + "\" ItemTypeID=\"16\" " + more + "/>\n";
}

std::string Start(double x, double z, double heading = 0.0)
{
    return "SnakeInitialPosX=\"" + N(x) + "\" SnakeInitialPosZ=\"" + N(z) + "\" SnakeInitialOrientationAngle=\"" +
           N(heading) + "\"";
}

// "id: message" of each problem; "info id: message" where a check could not run.
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
            ids.push_back((problem.severity == Severity::Info ? "info " : "") + (problem.id + (": " + problem.message.English())));
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
    {"object-outside-floor", {Wall(11.5, 0, 2, 2) + Item(-10.6, 0)}, {Wall(10.9, 0, 2, 2) + Item(-10.4, 0)}},
    {"wall-size", {Wall(5, 5, -5, 1)}, {Wall(5, 5, 0.01, 1)}},
    {"floor-size", {"", "", "Width=\"0\""}, {"", "", "Width=\"5\""}},
    {"item-type", {Item(5, 5, "ItemTypeID=\"22\"")}, {Item(5, 5, "ItemTypeID=\"21\"")}},
    {"not-a-number", {Wall(5, 5, 1, 1, "Width=\"2x\"")}, {Wall(5, 5, 1, 1, "Width=\" 2.5 \"")}},
    {"texture-missing", {"", "", "", "2=\"../data/Textures/Walls/none.jpg\" NumTextures=\"2\""}, {}},
    {"setting-range", {"", "SnakeInitialVelocity=\"5.5\""}, {"", "SnakeInitialVelocity=\"5\""}},
    {"not-finite", {Wall(5, 5, 1, 1, "CenterX=\"inf\"")}, {Wall(5, 5, 1, 1, "CenterX=\"1e30\"")}},
    {"wall-partly-outside", {Wall(9.5, 0, 2, 2)}, {Wall(9, 0, 2, 2)}},
    {"item-in-wall", {Wall(5, 5, 2, 2) + Item(5.5, 5.5)}, {Wall(5, 5, 2, 2) + Item(6, 5)}},
    {"items-overlap", {Item(5, 5) + Item(5.9, 5)}, {Item(5, 5) + Item(6, 5)}},
    {"start-facing-wall", {Wall(0, -3.5, 4, 1)}, {Wall(0, -4.6, 4, 1)}},
    {"item-unreachable", {Wall(4, 0, 1, 16) + Item(7, 0)}, {Wall(4, 0.5, 1, 15) + Item(7, 0)}},
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

namespace {

// A level with one place in it moved by `offset` from a boundary, and whether the problem shows
// there. The file keeps six decimals, so 1e-7 either side is on the boundary; 0.01 either side
// is not.
struct Boundary {
    const char* what;
    const char* id;
    Level (*level)(double offset);
    bool onBoundary, inside, outside;
};

const Boundary kBoundaries[] = {
    {"an item on a wall's face is not inside it", "item-in-wall",
     [](double d) { return Level{Wall(1.85, 0, 0.3, 2) + Item(2 - d, 0)}; }, false, true, false},
    {"a start on a wall's face is not inside it", "start-in-wall",
     [](double d) { return Level{Wall(2, 0, 2, 2), Start(1 + d, 0)}; }, false, true, false},
    {"items exactly their size apart do not overlap", "items-overlap",
     [](double d) { return Level{Item(5, 5) + Item(6 - d, 5)}; }, false, true, false},
    {"a wall touching the floor's edge from outside does not cross it", "wall-partly-outside",
     [](double d) { return Level{Wall(10.5 - d, 0, 1, 2)}; }, false, true, false},
    {"a wall touching the floor's edge from outside lies outside", "object-outside-floor",
     [](double d) { return Level{Wall(10.5 - d, 0, 1, 2)}; }, true, false, true},
    {"an item touching the floor's edge from outside lies outside", "object-outside-floor",
     [](double d) { return Level{Item(10.5 - d, 0)}; }, true, false, true},
    {"a wall flush inside the edge, turned half round, does not cross", "wall-partly-outside",
     [](double d) { return Level{Wall(9.5 + d, 0, 1, 2, "OrientationAngle=\"180\"")}; }, false, true, false},
    {"an item on a cell boundary beside a wall is reached", "item-unreachable",
     [](double d) { return Level{Wall(3.5, 0, 1, 16) + Item(3 + d, 0)}; }, false, true, false},
    {"an item beside a wall mirrored is reached", "item-unreachable",
     [](double d) { return Level{Wall(-3.5, 0, 1, 16) + Item(-3 - d, 0)}; }, false, true, false},
    {"a start by a wall still floods: the item behind the wall is not reached", "item-unreachable",
     [](double d) { return Level{Wall(3.85, 0, 1.3, 16) + Item(7, 0), Start(3.2 - d, 0, 180)}; }, true, true, false},
    {"a start on a wall's face heading away does not face it", "start-facing-wall",
     [](double d) { return Level{Wall(0, 1, 4, 2), Start(0, d)}; }, false, false, false},
    {"a start on the floor's edge heading along it has the edge 8 ahead", "start-facing-wall",
     [](double d) { return Level{"", Start(10 - d, 0)}; }, false, false, false},
    {"a start on the floor's edge heading out faces it", "start-facing-wall",
     [](double d) { return Level{"", Start(10 - d, 0, 270)}; }, true, true, false},
};

} // namespace

TEST(LevelChecks, BoundariesAreExactToTheFilesPrecision)
{
    for (const Boundary& b : kBoundaries) {
        for (double offset : {0.0, 1e-7, -1e-7})
            EXPECT_EQ(Shows(IdsOf(b.level(offset)), b.id), b.onBoundary)
                << b.what << " at " << offset << ": " << testing::PrintToString(IdsOf(b.level(offset)));
        EXPECT_EQ(Shows(IdsOf(b.level(0.01)), b.id), b.inside) << b.what << " 0.01 inside";
        EXPECT_EQ(Shows(IdsOf(b.level(-0.01)), b.id), b.outside) << b.what << " 0.01 outside";
    }
}

// What the messages say: numbers that keep the sentence true, never "-0", values too large for
// their kind named as written, and a check that could not run saying why.
TEST(LevelChecks, MessagesSayWhatIsTrue)
{
    const struct {
        Level level;
        const char* message;
    } cases[] = {
        {{Wall(-6, -4, 2, 1), Start(-6, -1)},
         "start-facing-wall: The start position (-6, -1) faces the wall at (-6, -4) 2.5 units ahead: 1.25 s at the "
         "initial velocity 2 (warned under 2 s)"},
        {{Wall(-6, -4, 2, 1), Start(-6, -0.00001)},
         "start-facing-wall: The start position (-6, -0.00001) faces the wall at (-6, -4) 3.49999 units ahead: 1.75 s at "
         "the initial velocity 2 (warned under 2 s)"},
        {{Wall(10, 0, 2, 2) + Item(10.99999, 0)}, "item-in-wall: Item at (10.99999, 0) lies inside the wall at (10, 0)"},
        {{Item(5, 5) + Item(5.99999, 5)},
         "items-overlap: Item at (5, 5) is 0.99999 from the item at (5.99999, 5), closer than an item's size (1)"},
        {{Item(5, 5, "ItemTypeID=\"0x10\"")}, "not-a-number: Item at (5, 5): ItemTypeID \"0x10\" is not a number (read as 0)"},
        {{Item(5, 5, "ItemTypeID=\"abc\"")}, "not-a-number: Item at (5, 5): ItemTypeID \"abc\" is not a number (read as 0)"},
        {{Item(5, 5, "ItemTypeID=\"1e30\"")},
         "not-a-number: Item at (5, 5): ItemTypeID \"1e30\" is too large (at most 2147483647)"},
        {{"", "", "Width=\"1234567890123456789012345678901\""},
         "not-a-number: The floor: Width \"1234567890123456789012345678901\" is too large (at most 2147483647)"},
        {{Wall(0, 0, 1, 1, "Depth=\"1e39\"")}, "not-a-number: Wall at (0, 0): Depth \"1e39\" is too large (at most 3.40282e+38)"},
        {{Wall(2, 0, 2, 2) + Item(5, 5), Start(2, 0)},
         "info item-unreachable: reachability not checked: the start position lies inside a wall"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> found = IdsOf(c.level);
        EXPECT_NE(std::find(found.begin(), found.end(), c.message), found.end()) << testing::PrintToString(found);
        for (const std::string& message : found)
            for (std::size_t at = message.find("-0"); at != std::string::npos; at = message.find("-0", at + 1))
                EXPECT_EQ(message[at + 2], '.') << message;
    }
}
