// A level whose images are hostile: a floor texture that declares 65535 x 65535 pixels (TGA), a
// wall texture that declares 30000 x 30000 (PNG) and a sky box whose faces declare the same,
// each a few bytes on disk. Reports how long the texture work of one frame takes (the window
// waits that long) and how much the process's peak memory grew ("peak_MB").
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include "document/TextureTable.h"
#include "glext/GLExtensions.h"
#include "level/CICubeMapNode.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "scenegraph/CSGGroup.h"
#include "tests/image/ImageTestSupport.h"
#include "tests/support/OffscreenContext.h"

namespace {

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_HostileTextures(benchmark::State& state)
{
    OffscreenContext context(64, 64);
    InitExtensions();
    TempDir dir;
    WriteImageBytes(dir.File("floor.tga"), TgaHeader(65535, 65535));
    WriteImageBytes(dir.File("wall.png"), PngHeader(30000, 30000));
    for (const char* face : {"negx", "posx", "negy", "posy", "negz", "posz"})
        WriteImageBytes(dir.File(std::string("sky_") + face + ".png"), PngHeader(30000, 30000));
    const std::string data = std::string(TRELKAN_SOURCE_DIR) + "/data/";

    const double before = PeakMegabytes();
    for (auto _ : state) {
        CSGGroup root;
        auto* sky = new CICubeMapNode;
        sky->TextureBaseName = dir.File("sky.png");
        root.AppendChild(sky);
        auto* group = new LevelGroupNode;
        root.AppendChild(group);
        auto* floor = new LevelFloor;
        floor->SetTextureID(1);
        group->AppendChild(floor);
        auto* wall = new Wall(0.0f, 0.0f, 2.0f, 1.0f);
        wall->SetTextureID(2);
        group->AppendChild(wall);

        TextureTable table;
        table.m_noTexturePath = data + "Textures/Special/notex.tga";
        table.m_sphereMapPath = data + "Spheremaps/envmapblue.jpg";
        table.m_textures = {{table.m_noTexturePath, 0}, {dir.File("floor.tga"), 0}, {dir.File("wall.png"), 0}};
        table.m_texturesToLoad = {0, 1, 2};
        table.CountTextureReferences(root);
        table.m_bTexturesDirty = true;
        table.RunTextureWork(root);
        root.Draw(0.0f); // the sky box loads its faces when it is first drawn
        state.counters["notices"] = static_cast<double>(TakeImageNotices().size());
        table.ReleaseGLResources();
    }
    state.counters["peak_MB"] = PeakMegabytes() - before;
}
// Once, as the editor meets such a level: the image library starts cold.
BENCHMARK(BM_HostileTextures)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

BENCHMARK_MAIN();
