// A full check of a generated level: half walls at random places and turns, half items, on the
// largest floor the level form allows, read from text with the reader's notes, its textures the
// shipped example images; and `--check` of a file whose items all stand at one spot, as a paste
// landed twice leaves them. Run from app/.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "checks/LevelCheck.h"
#include "checks/LevelChecks.h"
#include "image/ImageFile.h"
#include "level/LevelFile.h"
#include "level/LevelScene.h"
#include "level/SettingRanges.h"
#include "scenegraph/NumberText.h"

namespace {

std::string GeneratedLevelText(int objects)
{
    const int floor = static_cast<int>(FLOOR_SIZE_RANGE.max);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> place(-0.5f * floor, 0.5f * floor);
    std::uniform_real_distribution<float> size(0.5f, 3.0f);
    std::uniform_real_distribution<float> turn(0.0f, 180.0f);
    std::string text = "<CSGGroup>\n<CICubeMapNode TextureBaseName=\"../data/CubeMaps/Special/default.png\"/>\n"
                       "<GameSettingsNode NormalItemsNumber=\"3\" SnakeInitialPosX=\"0\" SnakeInitialPosZ=\"0\" "
                       "SnakeInitialOrientationAngle=\"0\" SnakeTurningAngle=\"90\" SnakeInitialLength=\"8\" "
                       "SnakeInitialVelocity=\"2\"/>\n<TexturesNode NumTextures=\"3\" "
                       "1=\"../data/Textures/Walls/brick.jpg\" 2=\"../data/Textures/Walls/wood.tga\" "
                       "3=\"../data/Textures/Floors/grass.jpg\"/>\n<LevelGroupNode>\n" +
                       FormatCLocale("<LevelFloor Width=\"%d\" Heigth=\"%d\" TextureID=\"3\"/>\n", floor, floor);
    for (int i = 0; i < objects; ++i) {
        if (i % 2 == 0)
            text += FormatCLocale("<Wall CenterX=\"%f\" CenterZ=\"%f\" Width=\"%f\" Depth=\"%f\" "
                                  "OrientationAngle=\"%f\" TextureID=\"%d\"/>\n",
                                  place(random), place(random), size(random), size(random), turn(random), 1 + i % 2);
        else
            text += FormatCLocale("<Item PosX=\"%f\" PosY=\"0\" PosZ=\"%f\" ItemTypeID=\"%d\"/>\n", place(random),
                                  place(random), 16 + i % 6);
    }
    return text + "</LevelGroupNode>\n</CSGGroup>\n";
}

void FullCheck(benchmark::State& state)
{
    const std::string text = GeneratedLevelText(static_cast<int>(state.range(0)));
    SourceNotes notes;
    std::string error;
    const auto scene = ReadLevelBuffer(text.data(), text.size(), error, {&notes, nullptr});
    if (!scene) {
        state.SkipWithError(error.c_str());
        return;
    }
    const ImageCheck images = [](const std::string& path) { return CheckImageFile(path, 8192); };
    std::size_t problems = 0;
    for (auto _ : state)
        problems = CheckLevel(*scene, &notes, images).size();
    state.counters["problems"] = static_cast<double>(problems);
}

std::string StackedLevelText(int items)
{
    std::string text = "<CSGGroup>\n<GameSettingsNode NormalItemsNumber=\"3\" SnakeInitialPosX=\"0\" "
                       "SnakeInitialPosZ=\"0\" SnakeInitialOrientationAngle=\"0\" SnakeTurningAngle=\"90\" "
                       "SnakeInitialLength=\"8\" SnakeInitialVelocity=\"2\"/>\n<TexturesNode NumTextures=\"0\"/>\n"
                       "<LevelGroupNode>\n<LevelFloor Width=\"40\" Heigth=\"40\"/>\n";
    for (int i = 0; i < items; ++i)
        text += "<Item PosX=\"3.000000\" PosY=\"0\" PosZ=\"3.000000\" ItemTypeID=\"16\"/>\n";
    return text + "</LevelGroupNode>\n</CSGGroup>\n";
}

void CheckStackedFile(benchmark::State& state)
{
    const std::string path = "/tmp/trelkan-stacked-" + std::to_string(state.range(0)) + ".xml";
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) {
        state.SkipWithError("cannot write the level");
        return;
    }
    std::fputs(StackedLevelText(static_cast<int>(state.range(0))).c_str(), file);
    std::fclose(file);
    CheckCommand command;
    command.paths = {path};
    for (auto _ : state) {
        std::FILE* out = std::fopen("/dev/null", "w");
        benchmark::DoNotOptimize(CheckLevelFiles(command, out));
        std::fclose(out);
    }
    std::remove(path.c_str());
}

} // namespace

BENCHMARK(FullCheck)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckStackedFile)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
