#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <string>

#include "level/GameSettingsNode.h"
#include "level/LevelFile.h"
#include "level/LevelScene.h"
#include "play/ChaseCamera.h"
#include "play/PlayRun.h"

namespace {

// A 20 x 16 floor; the snake starts at the origin heading -Z, 8 long, at 2 units a second, with
// no extra items unless `settings` says otherwise (a repeated attribute keeps its last value).
std::unique_ptr<LevelScene> Level(const std::string& objects, const std::string& settings = "")
{
    const std::string text =
        "<CSGGroup SaveLightState=\"1\">\n<GameSettingsNode NormalItemsNumber=\"0\" SnakeTurningAngle=\"90\" "
        "SnakeInitialLength=\"8\" SnakeInitialVelocity=\"2\" " + settings +
        "/>\n<TexturesNode NumTextures=\"0\"/>\n<LevelGroupNode>\n<LevelFloor Width=\"20\" Heigth=\"16\"/>\n" +
        objects + "</LevelGroupNode>\n</CSGGroup>\n";
    std::string error;
    auto scene = ReadLevelBuffer(text.data(), text.size(), error);
    EXPECT_TRUE(scene) << error;
    return scene;
}

std::string Wall(float x, float z, float width, float depth)
{
    return "<Wall CenterX=\"" + std::to_string(x) + "\" CenterZ=\"" + std::to_string(z) + "\" Width=\"" +
           std::to_string(width) + "\" Depth=\"" + std::to_string(depth) + "\"/>\n";
}

std::string Item(int type, float z, float amount, float respawn)
{
    return "<Item ItemTypeID=\"" + std::to_string(type) + "\" PosX=\"0\" PosZ=\"" + std::to_string(z) +
           "\" Amount=\"" + std::to_string(amount) + "\" RespawnTime=\"" + std::to_string(respawn) + "\"/>\n";
}

// Presses by the second at which they come: +1 Left, -1 Right.
using Presses = std::map<double, int>;

SnakeState Drive(const LevelScene& scene, const Presses& presses, double seconds, std::uint64_t seed = 1)
{
    const PlayField field(scene, {0.0f, 0.0f, scene.m_pGameSettings->SnakeInitialOrientationAngle});
    SnakeState state = SnakeRules::Start(field, seed);
    auto next = presses.begin();
    while (SnakeRules::Time(state) < seconds && !state.over) {
        StepInput input;
        if (next != presses.end() && SnakeRules::Time(state) >= next->first)
            input.turns = (next++)->second;
        state = SnakeRules::Step(field, state, input, seed);
    }
    return state;
}

struct Case {
    const char* what;
    std::string objects;
    std::string settings;
    Presses presses;
    double seconds;
    std::function<void(const SnakeState&)> expect;
};

void ExpectLifeEnd(const SnakeState& state, LifeEndCause cause, float x, float z, double seconds)
{
    ASSERT_FALSE(state.lifeEnds.empty());
    const LifeEnd& end = state.lifeEnds.front();
    EXPECT_EQ(end.cause, cause);
    EXPECT_NEAR(end.place.x, x, 1e-4);
    EXPECT_NEAR(end.place.z, z, 1e-4);
    EXPECT_NEAR(end.lifeSeconds, seconds, 1e-4);
}

// TRELKAN_PLAY_SEED replays a seed that a failure printed.
unsigned TestSeed()
{
    const char* given = std::getenv("TRELKAN_PLAY_SEED");
    return given ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : std::random_device{}();
}

} // namespace

TEST(SnakeRules, FollowTheLevelsSettings)
{
    const std::string nearItem = Item(16, -4, 0, 0);
    const std::vector<Case> cases = {
        {"straight at a wall: distance / velocity", Wall(0, -5, 20, 1), "", {}, 3,
         [](const SnakeState& s) { ExpectLifeEnd(s, LifeEndCause::Wall, 0, -4.5f, 2.25); }},
        {"straight at the floor's edge", "", "SnakeInitialOrientationAngle=\"90\" SnakeInitialVelocity=\"4\"", {}, 3,
         [](const SnakeState& s) { ExpectLifeEnd(s, LifeEndCause::FloorEdge, -10, 0, 2.5); }},
        {"the last life ends the run", Wall(0, -5, 20, 1), "", {}, 60,
         [](const SnakeState& s) {
             EXPECT_TRUE(s.over);
             EXPECT_EQ(s.lifeEnds.size(), static_cast<std::size_t>(SnakeRules::kLives));
         }},
        {"Left turns by the turning angle", "", "SnakeTurningAngle=\"30\"", {{0.0, 1}}, 1,
         [](const SnakeState& s) {
             EXPECT_FLOAT_EQ(s.headingDeg, 30.0f);
             EXPECT_NEAR(s.body.Head().x, -2.0 * std::sin(3.14159265 / 6), 0.02);
             EXPECT_NEAR(s.body.Head().z, -2.0 * std::cos(3.14159265 / 6), 0.02);
         }},
        {"Right turns the other way", "", "SnakeTurningAngle=\"45\"", {{0.5, -1}, {1.0, -1}}, 1.5,
         [](const SnakeState& s) { EXPECT_FLOAT_EQ(s.headingDeg, -90.0f); }},
        {"the body keeps its length behind the head", "", "", {{0.5, 1}, {1.0, 1}}, 1.4,
         [](const SnakeState& s) { EXPECT_NEAR(s.body.Length(), 8.0f, 1e-3); }},
        {"its own body after a full circle", "", "", {{0.5, 1}, {1.0, 1}, {1.5, 1}, {2.0, 1}}, 3,
         [](const SnakeState& s) {
             ASSERT_FALSE(s.lifeEnds.empty());
             EXPECT_EQ(s.lifeEnds.front().cause, LifeEndCause::Body);
             EXPECT_GT(s.lifeEnds.front().lifeSeconds, 1.5);
             EXPECT_LT(s.lifeEnds.front().lifeSeconds, 2.0);
         }},
        {"Normal grows the body by one", Item(16, -2, 0, 0), "", {}, 3,
         [](const SnakeState& s) {
             EXPECT_EQ(s.itemsTaken, 1);
             EXPECT_NEAR(s.body.Length(), 9.0f, 1e-3);
             EXPECT_TRUE(SnakeRules::ItemPresent(s, 0));
         }},
        {"Extra life gives a life", Item(17, -2, 0, 20), "", {}, 1,
         [](const SnakeState& s) { EXPECT_EQ(s.lives, SnakeRules::kLives + 1); }},
        {"No growth stops growth for Amount seconds", Item(18, -1, 2, 20) + nearItem, "", {}, 3,
         [](const SnakeState& s) {
             EXPECT_EQ(s.itemsTaken, 2);
             EXPECT_FLOAT_EQ(s.targetLength, 8.0f);
         }},
        {"growth comes back after it", Item(18, -1, 0.5f, 20) + nearItem, "", {}, 3,
         [](const SnakeState& s) { EXPECT_FLOAT_EQ(s.targetLength, 9.0f); }},
        {"Shorter takes Amount off the body", Item(19, -2, 3, 20), "", {}, 1,
         [](const SnakeState& s) { EXPECT_NEAR(s.body.Length(), 5.0f, 1e-3); }},
        {"Faster adds Amount to the velocity", Item(20, -2, 1.5f, 20), "", {}, 1,
         [](const SnakeState& s) { EXPECT_FLOAT_EQ(s.velocity, 3.5f); }},
        {"Slower takes Amount off the velocity", Item(21, -2, 0.5f, 20), "", {}, 1,
         [](const SnakeState& s) { EXPECT_FLOAT_EQ(s.velocity, 1.5f); }},
        {"a taken item comes back after its respawn time", Item(20, -2, 0.1f, 1) + Wall(0, -5, 20, 1), "", {}, 6,
         [](const SnakeState& s) { EXPECT_EQ(s.itemsTaken, 3); }},
        {"and not before", Item(20, -2, 0.1f, 20) + Wall(0, -5, 20, 1), "", {}, 6,
         [](const SnakeState& s) {
             EXPECT_EQ(s.itemsTaken, 1);
             EXPECT_FALSE(SnakeRules::ItemPresent(s, 0));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto scene = Level(c.objects, c.settings);
        ASSERT_TRUE(scene);
        c.expect(Drive(*scene, c.presses, c.seconds));
    }
}

// Random levels and random presses: the same seed and presses give the same run, the extra
// items lie on free floor, and the head never leaves the floor or stands in a wall.
TEST(SnakeRules, RunsReplayExactly)
{
    const unsigned seed = TestSeed();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    for (int round = 0; round < 20; ++round) {
        std::string objects;
        std::uniform_int_distribution<int> place(-9, 9);
        for (int i = 0; i < 12; ++i) {
            const float x = static_cast<float>(place(random)), z = static_cast<float>(place(random) * 7 / 9);
            if (std::abs(x) > 1.5f || std::abs(z) > 1.5f)
                objects += i % 3 ? Wall(x, z, 1 + static_cast<float>(random() % 3), 1)
                                 : "<Item ItemTypeID=\"" + std::to_string(16 + random() % 6) + "\" PosX=\"" +
                                       std::to_string(x) + "\" PosZ=\"" + std::to_string(z) + "\" Amount=\"0.5\"/>\n";
        }
        const auto scene = Level(objects, "NormalItemsNumber=\"" + std::to_string(random() % 6) + "\"");
        ASSERT_TRUE(scene);
        Presses presses;
        for (double t = 0.2; t < 20; t += 0.1 + (random() % 100) / 50.0)
            presses[t] = random() % 2 ? 1 : -1;
        const std::uint64_t runSeed = random();
        const SnakeState first = Drive(*scene, presses, 20, runSeed);
        const SnakeState again = Drive(*scene, presses, 20, runSeed);
        ASSERT_EQ(first.steps, again.steps);
        ASSERT_EQ(first.lifeEnds.size(), again.lifeEnds.size());
        for (std::size_t i = 0; i < first.lifeEnds.size(); ++i) {
            EXPECT_EQ(first.lifeEnds[i].place.x, again.lifeEnds[i].place.x);
            EXPECT_EQ(first.lifeEnds[i].lifeSeconds, again.lifeEnds[i].lifeSeconds);
        }
        EXPECT_EQ(first.itemsTaken, again.itemsTaken);
        EXPECT_EQ(first.body.Head().x, again.body.Head().x);
        EXPECT_EQ(first.body.Head().z, again.body.Head().z);
        const PlayField field(*scene, {0.0f, 0.0f, 0.0f});
        float distance = 0.0f;
        for (std::size_t i = 0; i < first.extraItems.size(); ++i) {
            const PlayPoint item = first.extraItems[i];
            EXPECT_EQ(item.x, again.extraItems[i].x);
            EXPECT_TRUE(field.OnFloor(item));
            EXPECT_FALSE(field.WallHit(item, item, {0.0f, -1.0f}, distance)) << item.x << ", " << item.z;
        }
        for (const LifeEnd& end : first.lifeEnds)
            EXPECT_TRUE(field.OnFloor(end.place));
    }
}

// However the real time comes in (frames long or short), a run takes the same fixed steps.
TEST(PlayRun, FrameLengthsDoNotChangeTheRun)
{
    const unsigned seed = TestSeed();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const auto scene = Level(Wall(3, -5, 4, 1) + Item(20, -2, 0.5f, 1), "NormalItemsNumber=\"3\"");
    ASSERT_TRUE(scene);
    PlayRun run(*scene, {0.0f, 0.0f, 0.0f}, 7);
    Presses presses;
    while (run.Time() < 15 && !run.State().over) {
        if (random() % 8 == 0) {
            const int turn = random() % 2 ? 1 : -1;
            presses[run.Time()] += turn;
            run.Turn(turn);
        }
        run.Advance((random() % 40) / 1000.0);
    }
    const SnakeState stepped = Drive(*scene, presses, run.Time(), 7);
    EXPECT_EQ(stepped.steps, run.State().steps);
    EXPECT_EQ(stepped.body.Head().x, run.State().body.Head().x);
    EXPECT_EQ(stepped.body.Head().z, run.State().body.Head().z);
    EXPECT_EQ(stepped.itemsTaken, run.State().itemsTaken);
    for (std::size_t i = 1; i < run.Trace().size(); ++i)
        EXPECT_LE(run.Trace()[i - 1].time, run.Trace()[i].time);
}

// The camera turns towards the heading the shorter way round, never past it, and has all but
// caught up within a second.
TEST(ChaseCamera, EasesTurnsTheShorterWay)
{
    const unsigned seed = TestSeed();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> angle(-720.0f, 720.0f);
    for (int round = 0; round < 200; ++round) {
        const float from = angle(random), to = angle(random);
        ChaseCamera camera(from);
        float left = std::fabs(std::remainder(to - from, 360.0f));
        for (int frame = 0; frame < 60; ++frame) {
            camera.Follow(to, 1.0f / 60.0f);
            const float now = std::fabs(std::remainder(to - camera.HeadingDeg(), 360.0f));
            ASSERT_LE(now, left + 1e-3f) << from << " -> " << to;
            left = now;
        }
        EXPECT_LT(left, 0.01f * 180.0f) << from << " -> " << to;
    }
}
