// Frames per second of drawing generated levels at 800 x 600 in an offscreen context: the
// preview's lit, textured drawing with the sky box, and the edit view's flat drawing.
//   DrawBench [--benchmark_filter=...]
#include <cmath>
#include <memory>
#include <string>

#include <GL/gl.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include "document/TextureTable.h"
#include "glext/GLExtensions.h"
#include "level/CICubeMapNode.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"
#include "scenegraph/CSGGroup.h"
#include "tests/support/OffscreenContext.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kFloorSize = 60;
const std::string kData = std::string(TRELKAN_SOURCE_DIR) + "/data/";
const char* const kWallTextures[] = {"Textures/Walls/brick.jpg", "Textures/Walls/wood.tga",
                                     "Textures/Floors/stone.jpg"};

// The one offscreen context of the run, with the extension record filled for it.
struct BenchContext {
    BenchContext() { InitExtensions(); }
    OffscreenContext context{kWidth, kHeight};
};

void MakeContext() { static BenchContext bench; }

// A level of n walls and n items spread in a grid over a square floor, the walls textured with
// the shipped example images, under the default sky; its textures loaded as the preview does.
class GeneratedLevel {
public:
    explicit GeneratedLevel(int n)
    {
        auto* sky = new CICubeMapNode;
        sky->TextureBaseName = kData + "CubeMaps/Special/default.png";
        m_root.AppendChild(sky);
        m_level = new LevelGroupNode;
        m_root.AppendChild(m_level);
        m_level->AppendChild(new StartPositionNode(0.0f, 0.0f, 0.0f, 0.0f));
        auto* floor = new LevelFloor;
        floor->Width = floor->Heigth = kFloorSize;
        floor->SetTextureID(1);
        m_level->AppendChild(floor);
        AddWallsAndItems(n);

        m_table.m_noTexturePath = kData + "Textures/Special/notex.tga";
        m_table.m_sphereMapPath = kData + "Spheremaps/envmapblue.jpg";
        m_table.m_textures.push_back({m_table.m_noTexturePath, 0});
        m_table.m_textures.push_back({kData + "Textures/Floors/grass.jpg", 0});
        for (const char* path : kWallTextures)
            m_table.m_textures.push_back({kData + path, 0});
        for (int row = 0; row < static_cast<int>(m_table.m_textures.size()); ++row)
            m_table.m_texturesToLoad.push_back(row);
        m_table.CountTextureReferences(m_root);
        m_table.m_bTexturesDirty = true;
        m_table.RunTextureWork(m_root);
    }
    ~GeneratedLevel() { m_table.ReleaseGLResources(); }
    GeneratedLevel(const GeneratedLevel&) = delete;
    GeneratedLevel& operator=(const GeneratedLevel&) = delete;

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
        gluLookAt(0.0, kFloorSize, kFloorSize, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
        m_root.Draw(t);
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
        const float zoom = 2.0f / (kFloorSize + 4);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-aspect, aspect, -1.0, 1.0, -100.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glScalef(zoom, zoom, 1.0f);
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
        m_level->Draw(FLAT_DRAW_TIME);
        glFinish();
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glShadeModel(GL_SMOOTH);
    }

private:
    void AddWallsAndItems(int n)
    {
        const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
        const float cell = static_cast<float>(kFloorSize) / columns;
        const float origin = -kFloorSize / 2.0f;
        for (int i = 0; i < n; ++i) {
            const float cx = origin + (i % columns + 0.5f) * cell;
            const float cz = origin + (i / columns + 0.5f) * cell;
            auto* wall = new Wall(cx - cell * 0.2f, cz, cell * 0.5f, cell * 0.15f);
            wall->OrientationAngle = static_cast<float>(i * 37 % 180);
            wall->SetTextureID(2 + i % 3);
            m_level->AppendChild(wall);
            auto* item = new Item(cx + cell * 0.3f, 0.0f, cz + cell * 0.3f, ITEM_NORMAL + i % 6);
            item->m_size = cell * 0.15f;
            m_level->AppendChild(item);
        }
    }

    CSGGroup m_root;
    LevelGroupNode* m_level = nullptr;
    TextureTable m_table;
};

void ReportFrameRate(benchmark::State& state)
{
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_PreviewFrame(benchmark::State& state)
{
    MakeContext();
    GeneratedLevel level(static_cast<int>(state.range(0)));
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
    GeneratedLevel level(static_cast<int>(state.range(0)));
    level.DrawFlat();
    for (auto _ : state)
        level.DrawFlat();
    ReportFrameRate(state);
}

BENCHMARK(BM_PreviewFrame)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditViewFrame)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
