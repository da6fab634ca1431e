// The undo history on a level of 10 000 objects: one undo and redo of a move, of a delete and of
// a wall's creation, and the memory that 1 000 drags keep in the history (heap bytes in use
// before and after, reported as the counter "history_MB").

#include <malloc.h>

#include <benchmark/benchmark.h>

#include "document/CLevelMapDoc.h"
#include "document/EditStates.h"
#include "document/NodeListCommand.h"
#include "document/ValueCommand.h"
#include "framework/CCommandProcessor.h"
#include "level/Item.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/Wall.h"

namespace {

constexpr int OBJECTS = 10000;

// A new level holding half walls, half items on a grid.
class BigLevel {
public:
    BigLevel()
    {
        m_document.OnNewDocument();
        LevelGroupNode& group = Group();
        for (int i = 0; i < OBJECTS / 2; ++i) {
            const float x = static_cast<float>(i % 100) - 50.0f;
            const float z = static_cast<float>(i / 100) - 25.0f;
            group.AppendChild(new Wall(x, z, 0.8f, 0.2f));
            ++m_document.m_textures[0].refCount;
            group.AppendChild(new Item(x + 0.5f, 0.0f, z + 0.5f, ITEM_NORMAL));
        }
    }

    CLevelMapDoc& Document() { return m_document; }
    LevelGroupNode& Group() { return *m_document.m_pScene->m_pLevelGroup; }
    Wall& MiddleWall() { return static_cast<Wall&>(*Group().GetChild(OBJECTS / 2)); }

    void Move(LevelObject& object, float dx)
    {
        const ObjectPosition from = Capture(object);
        object.x += dx;
        m_document.Submit(new ValueCommand<LevelObject, ObjectPosition>(m_document, "Move Wall", object, from,
                                                                        Capture(object)));
    }

private:
    CLevelMapDoc m_document;
};

void UndoRedo(benchmark::State& state, CLevelMapDoc& document)
{
    CCommandProcessor& history = *document.GetHistory();
    if (!history.CanUndo())
        state.SkipWithError("the step was not taken");
    // One iteration is an undo and a redo.
    for (auto _ : state) {
        history.Undo();
        history.Redo();
    }
}

void BM_UndoRedoMove(benchmark::State& state)
{
    BigLevel level;
    level.Move(level.MiddleWall(), 1.0f);
    UndoRedo(state, level.Document());
}
BENCHMARK(BM_UndoRedoMove)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoDelete(benchmark::State& state)
{
    BigLevel level;
    level.Document().Submit(NodeListCommand::Removing(level.Document(), "Delete Wall", {&level.MiddleWall()}));
    UndoRedo(state, level.Document());
}
BENCHMARK(BM_UndoRedoDelete)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoCreateWall(benchmark::State& state)
{
    BigLevel level;
    std::vector<NodeListCommand::Addition> additions;
    additions.push_back({&level.Group(), level.Group().ChildCount(), std::make_unique<Wall>(0.0f, 0.0f, 2.0f, 1.0f), {}});
    level.Document().Submit(NodeListCommand::Adding(level.Document(), "Create Wall", std::move(additions)));
    UndoRedo(state, level.Document());
}
BENCHMARK(BM_UndoRedoCreateWall)->Unit(benchmark::kMicrosecond);

void BM_HistoryOfThousandDrags(benchmark::State& state)
{
    for (auto _ : state) {
        BigLevel level;
        const std::size_t before = mallinfo2().uordblks;
        for (int drag = 0; drag < 1000; ++drag)
            level.Move(dynamic_cast<LevelObject&>(*level.Group().GetChild(static_cast<unsigned>(drag * 7 % OBJECTS))),
                       0.5f);
        const std::size_t after = mallinfo2().uordblks;
        state.counters["history_MB"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_HistoryOfThousandDrags)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
