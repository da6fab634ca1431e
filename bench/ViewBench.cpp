// Frames per second of the edit view's and the preview's frames (the level lit, textured and
// under its sky box; the outlines over the grid), of the edit view during a handle drag, of
// both in turn (what a document change costs; an idle editor draws neither, see IdleCpu.sh),
// and the time of one pick in
// each, for generated levels of 100, 1000 and 10000 objects (half walls, half items) at
// 800 x 600 in Mesa's offscreen renderer, each view in a context of its own as in the editor.
//   ViewBench [--benchmark_filter=...]
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include "batching/FlatHandles.h"
#include "bench/GeneratedLevel.h"
#include "geometry/WallHandles.h"
#include "glext/GLExtensions.h"
#include "level/LevelObject.h"
#include "level/Wall.h"
#include "scenegraph/CSGGroup.h"
#include "scenegraph/NodeType.h"
#include "tests/support/OffscreenContext.h"
#include "views/EditProjection.h"
#include "views/PreviewScene.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr float kAspect = static_cast<float>(kWidth) / kHeight;
const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// One context per view, as each pane of the editor has its own: state one view sets (the edit
// view's outlines, the preview's lights) never reaches the other. The extension record is
// filled once.
struct BenchContexts {
    BenchContexts()
    {
        InitExtensions();
        glViewport(0, 0, kWidth, kHeight);
        edit.MakeCurrent();
        glViewport(0, 0, kWidth, kHeight);
    }
    OffscreenContext edit{kWidth, kHeight};
    OffscreenContext preview{kWidth, kHeight};
};

BenchContexts& Contexts()
{
    static BenchContexts contexts;
    return contexts;
}

// A level of `objects` walls and items, made in the preview's context: only the preview uses
// its textures and display lists. The edit view's drawing and picking need neither.
struct Fixture {
    explicit Fixture(benchmark::State& state)
        : level((Contexts().preview.MakeCurrent(), static_cast<int>(state.range(0)) / 2))
    {
    }
    ~Fixture() { Contexts().preview.MakeCurrent(); }
    Fixture(const Fixture&) = delete;
    Fixture& operator=(const Fixture&) = delete;
    GeneratedLevel level;
};

// The edit view with the whole floor in sight.
EditCamera EditViewCamera()
{
    EditCamera camera;
    camera.aspect = kAspect;
    camera.zoom = 2.0f / (GeneratedLevel::FLOOR_SIZE + 4);
    return camera;
}

PreviewCamera PreviewViewCamera()
{
    PreviewCamera camera;
    camera.aspect = kAspect;
    camera.distance = GeneratedLevel::FLOOR_SIZE;
    camera.rotation = kIdentity;
    return camera;
}

void ReportFrameRate(benchmark::State& state)
{
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_EditFrame(benchmark::State& state)
{
    Fixture f(state);
    // The second argument: how many walls and items are selected (drawn blue, wider lines), as
    // during a drag of that many.
    int selected = static_cast<int>(state.range(1));
    ForEachNode(f.level.LevelGroup(), [&selected](CSGNode& node) {
        auto* object = dynamic_cast<LevelObject*>(&node);
        if (object && selected > 0 && node.GetType() != LEVEL_FLOOR_NODE && node.GetType() != START_POSITION_NODE) {
            object->selected = true;
            --selected;
        }
    });
    const EditCamera camera = EditViewCamera();
    Contexts().edit.MakeCurrent();
    // The first frames build the rasteriser's code for each new state; not part of a frame.
    DrawEditFrame(camera, 1, &f.level.LevelGroup());
    for (auto _ : state) {
        DrawEditFrame(camera, 1, &f.level.LevelGroup());
        glFinish();
    }
    ReportFrameRate(state);
}

// A handle drag: each motion resizes the one dragged wall and the edit view draws a frame with
// its handles, as it does during the drag; no other object is touched per motion.
void BM_HandleDragFrame(benchmark::State& state)
{
    Fixture f(state);
    Wall* wall = nullptr;
    ForEachNode(f.level.LevelGroup(), [&wall](CSGNode& node) {
        if (!wall)
            wall = dynamic_cast<Wall*>(&node);
    });
    wall->selected = true;
    const std::vector<CSGNode*> selection{wall};
    Footprint start;
    Footprint::Of(*wall, start);
    const EditCamera camera = EditViewCamera();
    const float pixel = 2.0f / (kHeight * camera.zoom);
    Contexts().edit.MakeCurrent();
    DrawEditFrame(camera, 1, &f.level.LevelGroup());
    int motion = 0;
    for (auto _ : state) {
        const FlatPoint corner = HandlePlace(start, kWallHandles[2]);
        const double reach = 0.1 * (motion++ % 50);
        const Footprint shape = ResizeWall(start, kWallHandles[2], corner.x + reach, corner.z + reach, {1, false});
        wall->x = shape.x;
        wall->z = shape.z;
        wall->Width = 2.0f * shape.halfX;
        wall->Depth = 2.0f * shape.halfZ;
        DrawEditFrame(camera, 1, &f.level.LevelGroup());
        DrawWallHandles(selection, 3.5f * pixel, 20.0f * pixel);
        glFinish();
    }
    ReportFrameRate(state);
}

void BM_PreviewFrame(benchmark::State& state)
{
    Fixture f(state);
    const PreviewCamera camera = PreviewViewCamera();
    DrawPreviewFrame(camera, &f.level.Root(), 0.0f);
    float t = 0.0f;
    for (auto _ : state) {
        DrawPreviewFrame(camera, &f.level.Root(), t);
        glFinish();
        t += 0.02f;
    }
    ReportFrameRate(state);
}

// A document change: both panes draw once, the edit view and then the preview.
void BM_BothViews(benchmark::State& state)
{
    Fixture f(state);
    const EditCamera edit = EditViewCamera();
    const PreviewCamera preview = PreviewViewCamera();
    const auto drawBoth = [&] {
        Contexts().edit.MakeCurrent();
        DrawEditFrame(edit, 1, &f.level.LevelGroup());
        glFinish();
        Contexts().preview.MakeCurrent();
        DrawPreviewFrame(preview, &f.level.Root(), 0.0f);
        glFinish();
    };
    drawBoth();
    for (auto _ : state)
        drawBoth();
    ReportFrameRate(state);
}

// One pick near the window centre with the matrices that the view's frame left.
void BM_EditPick(benchmark::State& state)
{
    Fixture f(state);
    Contexts().edit.MakeCurrent();
    DrawEditFrame(EditViewCamera(), 1, &f.level.LevelGroup());
    const float time = FLAT_DRAW_TIME;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.level.Scene().Pick(kWidth / 2 + 3, kHeight / 2 + 3, time));
}

void BM_PreviewPick(benchmark::State& state)
{
    Fixture f(state);
    DrawPreviewFrame(PreviewViewCamera(), &f.level.Root(), 0.0f);
    const float time = 0.0f;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.level.Scene().Pick(kWidth / 2 + 3, kHeight / 2 + 3, time));
}

} // namespace

BENCHMARK(BM_EditFrame)
    ->Args({100, 0})
    ->Args({1000, 0})
    ->Args({1000, 1000})
    ->Args({10000, 0})
    ->Args({10000, 1000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_HandleDragFrame)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PreviewFrame)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BothViews)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditPick)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PreviewPick)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
