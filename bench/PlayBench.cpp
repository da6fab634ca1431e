// One fixed step of the snake's rules on a generated level: half walls at random places and
// turns, half items of every kind, on the largest floor the level form allows, the start kept
// clear. The snake turns now and then; a run that ends starts again. And one frame of the drive
// mode (without its text) over the drawing benchmarks' level, offscreen.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>

#include "batching/MeshCache.h"
#include "bench/GeneratedLevel.h"
#include "glext/GLExtensions.h"
#include "level/LevelFile.h"
#include "level/LevelScene.h"
#include "level/SettingRanges.h"
#include "play/SnakeRules.h"
#include "scenegraph/NumberText.h"
#include "tests/support/OffscreenContext.h"
#include "views/RunDrawing.h"

namespace {

std::string GeneratedLevelText(int objects)
{
    const int floor = static_cast<int>(FLOOR_SIZE_RANGE.max);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> place(-0.5f * floor, 0.5f * floor);
    std::uniform_real_distribution<float> size(0.2f, 1.5f);
    std::uniform_real_distribution<float> turn(0.0f, 180.0f);
    std::string text = "<CSGGroup>\n<GameSettingsNode NormalItemsNumber=\"10\" SnakeTurningAngle=\"90\" "
                       "SnakeInitialLength=\"8\" SnakeInitialVelocity=\"5\"/>\n<TexturesNode NumTextures=\"0\"/>\n"
                       "<LevelGroupNode>\n" +
                       FormatCLocale("<LevelFloor Width=\"%d\" Heigth=\"%d\"/>\n", floor, floor);
    for (int i = 0; i < objects;) {
        const float x = place(random), z = place(random);
        if (std::hypot(x, z) < 4.0f)
            continue;
        if (i % 2 == 0)
            text += FormatCLocale("<Wall CenterX=\"%f\" CenterZ=\"%f\" Width=\"%f\" Depth=\"%f\" "
                                  "OrientationAngle=\"%f\"/>\n",
                                  x, z, size(random), size(random), turn(random));
        else
            text += FormatCLocale("<Item PosX=\"%f\" PosZ=\"%f\" ItemTypeID=\"%d\" Amount=\"0.1\" RespawnTime=\"5\"/>\n",
                                  x, z, 16 + i % 6);
        ++i;
    }
    return text + "</LevelGroupNode>\n</CSGGroup>\n";
}

// The generated level of the benchmark's size, read as the editor reads a file; null (the run
// skipped, saying why) when it cannot be read.
auto ReadGeneratedLevel(benchmark::State& state)
{
    const std::string text = GeneratedLevelText(static_cast<int>(state.range(0)));
    std::string error;
    auto scene = ReadLevelBuffer(text.data(), text.size(), error);
    if (!scene)
        state.SkipWithError(error.c_str());
    return scene;
}

void SimulationStep(benchmark::State& state)
{
    const auto scene = ReadGeneratedLevel(state);
    if (!scene)
        return;
    const PlayField field(*scene, {});
    SnakeState snake = SnakeRules::Start(field, 1);
    std::uint64_t steps = 0;
    for (auto _ : state) {
        const StepInput input{++steps % 97 == 0 ? 1 : 0};
        snake = SnakeRules::Step(field, snake, input, 1);
        if (snake.over)
            snake = SnakeRules::Start(field, steps);
        benchmark::DoNotOptimize(snake.steps);
    }
}

void DriveFrame(benchmark::State& state)
{
    constexpr int kWidth = 800, kHeight = 600;
    OffscreenContext context(kWidth, kHeight);
    InitExtensions();
    glViewport(0, 0, kWidth, kHeight);
    GeneratedLevel level(static_cast<int>(state.range(0)) / 2);
    const auto scene = ReadGeneratedLevel(state);
    if (!scene)
        return;
    const PlayField field(*scene, {});
    SnakeState snake = SnakeRules::Start(field, 1);
    ChaseCamera camera(0.0f);
    float t = 0.0f;
    MeshCache meshes;
    for (auto _ : state) {
        snake = SnakeRules::Step(field, snake, {}, 1);
        if (snake.over)
            snake = SnakeRules::Start(field, 1);
        DrawDriveFrame(camera.Look(snake.body.Head(), ChaseView::Behind, GeneratedLevel::FLOOR_SIZE),
                       static_cast<float>(kWidth) / kHeight, &level.Root(), t, snake, {}, meshes);
        glFinish();
        t += 0.02f;
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(DriveFrame)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SimulationStep)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
