// Frames per second of the edit view's and the preview's drawing, and the time of one pick,
// for generated levels of walls and items at 800 x 600 in Mesa's offscreen renderer.
#include <cmath>
#include <memory>
#include <vector>

#include <GL/gl.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"
#include "tests/support/OffscreenContext.h"
#include "views/CTrackball.h"
#include "views/EditProjection.h"
#include "views/PreviewScene.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr float kSpacing = 2.0f;

// A mipmapped checker texture standing in for the level's images.
unsigned MakeTexture()
{
    std::vector<unsigned char> pixels(64 * 64 * 3);
    for (int i = 0; i < 64 * 64; ++i) {
        const unsigned char v = ((i / 64 / 8 + i % 64 / 8) % 2) ? 220 : 60;
        pixels[i * 3] = pixels[i * 3 + 1] = pixels[i * 3 + 2] = v;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, 64, 64, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return name;
}

// A level of `objects` walls and items (alternating) on a square grid, textured and with the
// item display lists shared as the preview's texture work leaves them.
struct GeneratedLevel {
    explicit GeneratedLevel(int objects)
    {
        const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(objects))));
        floorSize = static_cast<int>(side * kSpacing) + 2;
        const unsigned texture = MakeTexture();
        auto* group = new LevelGroupNode;
        scene.m_pLevelGroup = group;
        scene.Root().AppendChild(group);
        group->AppendChild(new StartPositionNode(0, 0, 0, 0));
        auto* floor = new LevelFloor;
        floor->Width = floor->Heigth = floorSize;
        floor->SetGLTexture(texture);
        group->AppendChild(floor);
        Item* first = nullptr;
        for (int i = 0; i < objects; ++i) {
            const float x = (i % side - side / 2.0f + 0.5f) * kSpacing;
            const float z = (i / side - side / 2.0f + 0.5f) * kSpacing;
            if (i % 2 == 0) {
                auto* wall = new Wall(x, z, 1.0f, 1.0f);
                wall->SetGLTexture(texture);
                group->AppendChild(wall);
                continue;
            }
            auto* item = new Item(x, 0.0f, z, ITEM_NORMAL + i % 6);
            if (!first) {
                item->Prepare();
                first = item;
            }
            item->m_sphereList = first->m_sphereList;
            item->m_cubeList = first->m_cubeList;
            item->m_sphereMapTexture = texture;
            group->AppendChild(item);
        }
    }

    EditCamera Edit() const
    {
        EditCamera camera;
        camera.aspect = static_cast<float>(kWidth) / kHeight;
        camera.zoom = 2.0f / floorSize; // the whole floor in view
        return camera;
    }

    PreviewCamera Preview() const
    {
        PreviewCamera camera;
        camera.aspect = static_cast<float>(kWidth) / kHeight;
        camera.distance = static_cast<float>(floorSize);
        camera.rotation = rotation;
        return camera;
    }

    LevelScene scene;
    int floorSize = 0;
    float rotation[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};

struct Fixture {
    explicit Fixture(int objects) : level(objects) { glViewport(0, 0, kWidth, kHeight); }
    OffscreenContext context{kWidth, kHeight};
    GeneratedLevel level;
};

void ReportRate(benchmark::State& state, const char* name)
{
    state.counters[name] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_EditFrame(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)));
    const EditCamera camera = f.level.Edit();
    for (auto _ : state) {
        DrawEditFrame(camera, 1, f.level.scene.m_pLevelGroup);
        glFinish();
    }
    ReportRate(state, "fps");
}

void BM_PreviewFrame(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)));
    const PreviewCamera camera = f.level.Preview();
    float t = 0.0f;
    for (auto _ : state) {
        DrawPreviewFrame(camera, f.level.scene.Root(), t);
        glFinish();
        t += 0.016f;
    }
    ReportRate(state, "fps");
}

// One pick at the window centre after a frame of the view has left its matrices.
void BM_EditPick(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)));
    DrawEditFrame(f.level.Edit(), 1, f.level.scene.m_pLevelGroup);
    const float time = FLAT_DRAW_TIME;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.level.scene.Pick(kWidth / 2 + 3, kHeight / 2 + 3, time));
}

void BM_PreviewPick(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)));
    DrawPreviewFrame(f.level.Preview(), f.level.scene.Root(), 0.0f);
    const float time = 0.0f;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.level.scene.Pick(kWidth / 2 + 3, kHeight / 2 + 3, time));
}

} // namespace

BENCHMARK(BM_EditFrame)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PreviewFrame)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditPick)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PreviewPick)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
