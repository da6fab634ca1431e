// The undo history on a level of 10 000 objects: one undo and redo of a move, of a delete and of
// a wall's creation; a paste of 100 000 walls with its undo and redo, and a delete of 100 000
// selected walls (each timed once); the memory that 1 000 drags keep in the history, and that
// 2 000 deletes keep on a level with 999 texture rows (heap bytes in use before and after,
// reported as the counter "history_MB").

#include <malloc.h>

#include <functional>
#include <string>

#include <benchmark/benchmark.h>

#include "document/CLevelMapDoc.h"
#include "document/EditStates.h"
#include "document/NodeListCommand.h"
#include "document/SelectionSteps.h"
#include "document/ValueCommand.h"
#include "framework/CCommandProcessor.h"
#include "level/Item.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/Wall.h"

namespace {

constexpr int OBJECTS = 10000;
constexpr int MANY_WALLS = 100000;

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

    // MANY_WALLS walls, each to be put at the end of the level group, as Paste puts them.
    std::vector<NodeListCommand::Addition> ManyWalls()
    {
        std::vector<NodeListCommand::Addition> additions;
        for (int i = 0; i < MANY_WALLS; ++i)
            additions.push_back({&Group(), Group().ChildCount() + i,
                                 std::make_unique<Wall>(static_cast<float>(i % 300), static_cast<float>(i / 300), 0.5f, 0.5f),
                                 {}});
        return additions;
    }

private:
    CLevelMapDoc m_document;
};

std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

void ReportHistoryMemory(benchmark::State& state, std::size_t before)
{
    state.counters["history_MB"] = static_cast<double>(HeapInUse() - before) / (1024.0 * 1024.0);
}

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

// A one-step move of 1 000 selected walls and items (an arrow nudge or a drop), then its undo.
void BM_MoveThousandSelected(benchmark::State& state)
{
    BigLevel level;
    std::vector<CSGNode*> nodes;
    for (const auto& child : level.Group().Children())
        if (nodes.size() < 1000 && (child->GetType() == WALL_NODE || IsItemType(child->GetType())))
            nodes.push_back(child.get());
    level.Document().m_selection.Set(nodes);
    for (auto _ : state) {
        MoveSelectionBy(level.Document(), 1.0f, 0.0f);
        level.Document().GetHistory()->Undo();
    }
}
BENCHMARK(BM_MoveThousandSelected)->Unit(benchmark::kMicrosecond);

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
        const std::size_t before = HeapInUse();
        for (int drag = 0; drag < 1000; ++drag)
            level.Move(dynamic_cast<LevelObject&>(*level.Group().GetChild(static_cast<unsigned>(drag * 7 % OBJECTS))),
                       0.5f);
        ReportHistoryMemory(state, before);
    }
}
BENCHMARK(BM_HistoryOfThousandDrags)->Unit(benchmark::kMillisecond)->Iterations(1);

// Pastes MANY_WALLS walls, undoes and redoes the paste; only the operation `timed` is measured.
void BM_PasteManyWalls(benchmark::State& state, int timed)
{
    BigLevel level;
    CLevelMapDoc& document = level.Document();
    const std::function<bool()> operations[] = {
        [&] { return document.Submit(NodeListCommand::Adding(document, "Paste", level.ManyWalls())); },
        [&] { return document.GetHistory()->Undo(); },
        [&] { return document.GetHistory()->Redo(); },
    };
    for (int i = 0; i < timed; ++i)
        operations[i]();
    for (auto _ : state)
        if (!operations[timed]())
            state.SkipWithError("the operation did nothing");
}
BENCHMARK_CAPTURE(BM_PasteManyWalls, paste, 0)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_PasteManyWalls, undo, 1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_PasteManyWalls, redo, 2)->Unit(benchmark::kMillisecond)->Iterations(1);

// One Delete of MANY_WALLS selected walls, after the 10 000 objects of the big level.
void BM_DeleteManySelectedWalls(benchmark::State& state)
{
    BigLevel level;
    std::vector<CSGNode*> selected;
    for (auto& addition : level.ManyWalls()) {
        selected.push_back(addition.node.get());
        level.Group().AppendChild(addition.node.release());
        ++level.Document().m_textures[0].refCount;
    }
    for (auto _ : state)
        if (!level.Document().Submit(NodeListCommand::Removing(level.Document(), "Delete", selected)))
            state.SkipWithError("nothing was deleted");
}
BENCHMARK(BM_DeleteManySelectedWalls)->Unit(benchmark::kMillisecond)->Iterations(1);

// 2 000 single deletes on a level whose texture table has 999 rows: each step changes one row.
void BM_HistoryOfDeletesWithManyRows(benchmark::State& state)
{
    constexpr int ROWS = 999, DELETES = 2000;
    for (auto _ : state) {
        BigLevel level;
        CLevelMapDoc& document = level.Document();
        for (int row = 1; row < ROWS; ++row)
            document.m_textures.push_back({"../data/Textures/Generated/texture-" + std::to_string(row) + ".jpg", 0});
        std::vector<CSGNode*> walls;
        for (int i = 0; i < DELETES; ++i) {
            auto* wall = new Wall(static_cast<float>(i % 50), static_cast<float>(i / 50), 0.5f, 0.5f);
            wall->SetTextureID(1 + i % (ROWS - 1));
            ++document.m_textures[static_cast<std::size_t>(wall->GetTextureID())].refCount;
            level.Group().AppendChild(wall);
            walls.push_back(wall);
        }
        const std::size_t before = HeapInUse();
        for (CSGNode* wall : walls)
            document.Submit(NodeListCommand::Removing(document, "Delete Wall", {wall}));
        ReportHistoryMemory(state, before);
    }
}
BENCHMARK(BM_HistoryOfDeletesWithManyRows)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
