// Processor time of `trelkan --render` as a whole (the trelkan-render program from its start to its
// exit: level reading, context, image library, textures, drawing, PNG) on a generated level of
// 1 000 objects (half walls, half items) at 256 pixels, for each view. The budget is a second.
//   RenderBench
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "bench/GeneratedLevel.h"
#include "glext/GLExtensions.h"
#include "level/GameSettingsNode.h"
#include "level/LevelFile.h"
#include "tests/support/OffscreenContext.h"

namespace {

constexpr int kObjects = 1000;

// The generated level as a file, with the settings and the texture list a level file needs.
std::string WriteGeneratedLevel()
{
    OffscreenContext context;
    InitExtensions();
    GeneratedLevel level(kObjects / 2);
    auto* textures = new TexturesNode;
    for (const char* image : {"Floors/grass.jpg", "Walls/brick.jpg", "Walls/wood.tga", "Floors/stone.jpg"})
        textures->m_names.push_back(std::string(TRELKAN_SOURCE_DIR) + "/data/Textures/" + image);
    level.Root().AppendChild(new GameSettingsNode);
    level.Root().AppendChild(textures);
    const std::string path = (std::filesystem::temp_directory_path() / "trelkan-render-bench.xml").string();
    std::string error;
    if (!WriteLevelFile(level.Root(), path, error)) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
        std::exit(1);
    }
    return path;
}

double ChildrenProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_RenderProgram(benchmark::State& state, const char* view)
{
    static const std::string level = WriteGeneratedLevel();
    const std::string picture = (std::filesystem::temp_directory_path() / "trelkan-render-bench.png").string();
    const std::string command = std::string("cd '" TRELKAN_SOURCE_DIR "/app' && env -u DISPLAY '" TRELKAN_RENDER_BINARY
                                            "' '") + level + "' '" + picture + "' --size 256 --view " + view;
    for (auto _ : state) {
        const double before = ChildrenProcessorSeconds();
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("the renderer failed");
        state.SetIterationTime(ChildrenProcessorSeconds() - before);
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_RenderProgram, top, "top")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderProgram, preview, "preview")->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
