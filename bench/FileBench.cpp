// Open and save of generated levels, and a peer: pugixml parsing the same file and converting
// every attribute with atof. After the runs it prints our open time as a ratio to the peer's,
// and the peak memory of an open as a ratio to the file size, measured in a fresh process.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelFile.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/TexturesNode.h"
#include "level/Wall.h"
#include "xml/XmlReader.h"

extern char** environ;

namespace {

constexpr int SIZES[] = {1000, 10000, 100000};

// Half walls, half items, spread over the floor with varied values so that every number of the
// file is a different text. No texture names: their attribute names ("1", "2", ...) are not XML
// names, and the peer would refuse the file.
void BuildLevel(CSGGroup& root, int objects)
{
    root.AppendChild(new GameSettingsNode);
    root.AppendChild(new TexturesNode);
    auto* group = new LevelGroupNode;
    root.AppendChild(group);
    group->AppendChild(new LevelFloor);
    for (int i = 0; i < objects; ++i) {
        float x = static_cast<float>(i % 1000) * 0.37f - 185.0f;
        float z = static_cast<float>(i / 1000) * 0.53f - 26.0f;
        if (i % 2 == 0) {
            auto* wall = new Wall(x, z, 1.0f + static_cast<float>(i % 7), 0.25f);
            wall->OrientationAngle = static_cast<float>(i % 360);
            group->AppendChild(wall);
        } else {
            group->AppendChild(new Item(x, 0.0f, z, ITEM_NORMAL + i % 6));
        }
    }
}

std::string LevelPath(int objects)
{
    return (std::filesystem::temp_directory_path() / ("trelkan-bench-" + std::to_string(objects) + ".xml"))
        .string();
}

// The generated file of each size, written once per process.
const std::string& LevelFile(int objects)
{
    static std::map<int, std::string> paths;
    auto found = paths.find(objects);
    if (found != paths.end())
        return found->second;
    CSGGroup root;
    BuildLevel(root, objects);
    std::string error;
    if (!WriteLevelFile(root, LevelPath(objects), error)) {
        std::fprintf(stderr, "cannot write the benchmark level: %s\n", error.c_str());
        std::exit(1);
    }
    return paths[objects] = LevelPath(objects);
}

std::int64_t FileSize(const std::string& path)
{
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_size;
}

void ReportRates(benchmark::State& state, std::int64_t bytes, int objects)
{
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["objects/s"] =
        benchmark::Counter(static_cast<double>(objects), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Open(benchmark::State& state)
{
    int objects = static_cast<int>(state.range(0));
    const std::string& path = LevelFile(objects);
    for (auto _ : state) {
        std::string error;
        auto scene = ReadLevelFile(path, error);
        if (!scene)
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(scene.get());
    }
    ReportRates(state, FileSize(path), objects);
}

// The reader building a whole element tree, as pasted objects are read; an open builds its
// nodes while it parses instead.
void BM_ReadTree(benchmark::State& state)
{
    int objects = static_cast<int>(state.range(0));
    const std::string& path = LevelFile(objects);
    for (auto _ : state) {
        XmlReader reader;
        if (!reader.Read(path))
            state.SkipWithError(reader.GetError().c_str());
        benchmark::DoNotOptimize(reader.GetRoot());
    }
    ReportRates(state, FileSize(path), objects);
}

void BM_Save(benchmark::State& state)
{
    int objects = static_cast<int>(state.range(0));
    CSGGroup root;
    BuildLevel(root, objects);
    std::string path = LevelPath(objects) + ".saved";
    for (auto _ : state) {
        std::string error;
        if (!WriteLevelFile(root, path, error))
            state.SkipWithError(error.c_str());
    }
    ReportRates(state, FileSize(path), objects);
    std::remove(path.c_str());
}

double ConvertAttributes(const pugi::xml_node& node)
{
    double sum = 0.0;
    for (const pugi::xml_attribute& attribute : node.attributes())
        sum += std::atof(attribute.value());
    for (const pugi::xml_node& child : node.children())
        sum += ConvertAttributes(child);
    return sum;
}

void BM_PeerPugixml(benchmark::State& state)
{
    int objects = static_cast<int>(state.range(0));
    const std::string& path = LevelFile(objects);
    for (auto _ : state) {
        pugi::xml_document document;
        if (!document.load_file(path.c_str()))
            state.SkipWithError("pugixml cannot parse the level");
        benchmark::DoNotOptimize(ConvertAttributes(document));
    }
    ReportRates(state, FileSize(path), objects);
}

BENCHMARK(BM_Open)->Arg(SIZES[0])->Arg(SIZES[1])->Arg(SIZES[2])->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTree)->Arg(SIZES[0])->Arg(SIZES[1])->Arg(SIZES[2])->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeerPugixml)->Arg(SIZES[0])->Arg(SIZES[1])->Arg(SIZES[2])->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(SIZES[0])->Arg(SIZES[1])->Arg(SIZES[2])->Unit(benchmark::kMillisecond);

// Keeps the processor time per iteration of every run so that open and peer can be compared
// (processor time, because other processes on the machine stretch the wall-clock time).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // With repetitions the median stands for the run; it is reported after the repetitions.
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                m_seconds[run.run_name.str()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const
    {
        for (int objects : SIZES) {
            std::string suffix = "/" + std::to_string(objects);
            auto open = m_seconds.find("BM_Open" + suffix);
            auto peer = m_seconds.find("BM_PeerPugixml" + suffix);
            if (open != m_seconds.end() && peer != m_seconds.end())
                std::printf("open / pugixml, %d objects: %.2f\n", objects, open->second / peer->second);
        }
    }

private:
    std::map<std::string, double> m_seconds;
};

// The peak resident set of this process image (VmHWM). Unlike getrusage's ru_maxrss it starts
// afresh at exec: ru_maxrss would carry over the peak of the parent that spawned us.
long PeakKilobytes()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    long kilobytes = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kilobytes) == 1)
            break;
    std::fclose(status);
    return kilobytes;
}

// Runs in a fresh process: the growth of the peak resident set over one open, against the file
// size. The peak counts the file's bytes as well as the scene built while they are parsed.
int MeasurePeakMemory(const char* path)
{
    long before = PeakKilobytes();
    std::string error;
    auto scene = ReadLevelFile(path, error);
    long after = PeakKilobytes();
    if (!scene) {
        std::fprintf(stderr, "%s: %s\n", path, error.c_str());
        return 1;
    }
    double fileKilobytes = static_cast<double>(FileSize(path)) / 1024.0;
    std::printf("peak memory of an open: %ld KiB for a %.0f KiB file, ratio %.2f\n", after - before,
                fileKilobytes, static_cast<double>(after - before) / fileKilobytes);
    return 0;
}

void SpawnPeakMemoryMeasurement(const std::string& path)
{
    std::fflush(stdout);
    char* argv[] = {const_cast<char*>("file_bench"), const_cast<char*>("--peak-memory"),
                    const_cast<char*>(path.c_str()), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv, environ) != 0)
        return;
    int status = 0;
    waitpid(child, &status, 0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--peak-memory") == 0)
        return MeasurePeakMemory(argv[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.PrintRatios();
    SpawnPeakMemoryMeasurement(LevelFile(SIZES[2]));
    for (int objects : SIZES)
        std::remove(LevelPath(objects).c_str());
    return 0;
}
