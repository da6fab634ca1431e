// Box selection at 10 000 objects: the walls and items inside a band over half the floor, made
// the selection (their selected flags set), as a release of the rubber band does it.

#include <benchmark/benchmark.h>

#include "document/Selection.h"
#include "geometry/Footprint.h"
#include "level/Item.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"

namespace {

// Half walls, half items on a grid, every fifth wall turned.
void Fill(LevelGroupNode& group, int objects)
{
    for (int i = 0; i < objects / 2; ++i) {
        const float x = static_cast<float>(i % 100) - 50.0f;
        const float z = static_cast<float>(i / 100) - 25.0f;
        auto* wall = new Wall(x, z, 0.8f, 0.2f);
        wall->OrientationAngle = i % 5 == 0 ? 30.0f : 0.0f;
        group.AppendChild(wall);
        group.AppendChild(new Item(x + 0.5f, 0.0f, z + 0.5f, ITEM_NORMAL));
    }
}

void BM_BoxSelect(benchmark::State& state)
{
    LevelGroupNode group;
    Fill(group, static_cast<int>(state.range(0)));
    const LevelRect band = LevelRect::Between(-50.0f, -25.0f, 0.0f, 25.0f);
    const bool touching = state.range(1) != 0;
    Selection selection;
    for (auto _ : state) {
        selection.Set(ObjectsInRect(group, band, touching));
        benchmark::DoNotOptimize(selection.Size());
    }
    state.counters["selected"] = static_cast<double>(selection.Size());
}
BENCHMARK(BM_BoxSelect)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
