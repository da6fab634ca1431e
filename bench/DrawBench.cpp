// Frames per second of drawing generated levels at 800 x 600 in an offscreen context: the
// preview's lit, textured drawing with the sky box, and the edit view's flat drawing.
//   DrawBench [--benchmark_filter=...]

#include <GL/gl.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include "bench/GeneratedLevel.h"
#include "glext/GLExtensions.h"
#include "tests/support/OffscreenContext.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// The one offscreen context of the run, with the extension record filled for it.
struct BenchContext {
    BenchContext() { InitExtensions(); }
    OffscreenContext context{kWidth, kHeight};
};

void MakeContext() { static BenchContext bench; }

// The benchmark's level with the preview's and the edit view's frame drawn by hand.
class DrawnLevel : public GeneratedLevel {
public:
    using GeneratedLevel::GeneratedLevel;

    // The preview's frame: perspective camera above and in front, lit and textured.
    void DrawPreview(float t)
    {
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_NORMALIZE);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, static_cast<double>(kWidth) / kHeight, 0.5, 300.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0.0, GeneratedLevel::FLOOR_SIZE, GeneratedLevel::FLOOR_SIZE, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
        Root().Draw(t);
        glFinish();
    }

    // The edit view's frame: outlines from straight above, the whole floor in sight.
    void DrawFlat()
    {
        glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        glEnable(GL_DEPTH_TEST);
        glShadeModel(GL_FLAT);
        const double aspect = static_cast<double>(kWidth) / kHeight;
        const float zoom = 2.0f / (GeneratedLevel::FLOOR_SIZE + 4);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-aspect, aspect, -1.0, 1.0, -100.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glScalef(zoom, zoom, 1.0f);
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        LevelGroup().Draw(FLAT_DRAW_TIME);
        glFinish();
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glShadeModel(GL_SMOOTH);
    }

};

void ReportFrameRate(benchmark::State& state)
{
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_PreviewFrame(benchmark::State& state)
{
    MakeContext();
    DrawnLevel level(static_cast<int>(state.range(0)));
    // The first frames build the rasteriser's code for each new state; not part of a frame.
    level.DrawPreview(0.0f);
    level.DrawPreview(0.0f);
    float t = 0.0f;
    for (auto _ : state) {
        level.DrawPreview(t);
        t += 0.02f;
    }
    ReportFrameRate(state);
}

void BM_EditViewFrame(benchmark::State& state)
{
    MakeContext();
    DrawnLevel level(static_cast<int>(state.range(0)));
    level.DrawFlat();
    for (auto _ : state)
        level.DrawFlat();
    ReportFrameRate(state);
}

BENCHMARK(BM_PreviewFrame)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditViewFrame)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
