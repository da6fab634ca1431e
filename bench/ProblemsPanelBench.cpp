// The Problems panel: checking a level whose 4 000 items stand at one spot (a paste landed
// twice) and showing its problems, and showing 100 000 rows (items of a type the game does not
// know on a large floor). Times from the check to the painted list, and of the check alone: the
// difference is what the list costs. It needs a display:
// xvfb-run -a build/release/bench/ProblemsPanelBench

#include <memory>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

#include "document/CLevelMapDoc.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "panels/CProblemsPanel.h"

namespace {

// A new level with `items` items: all at one spot, or each at its own place on a floor large
// enough for them, with an unknown type.
void FillLevel(CLevelMapDoc& document, int items, bool stacked)
{
    document.OnNewDocument();
    LevelScene& scene = *document.m_pScene;
    const int side = stacked ? 40 : 400;
    scene.m_pFloor->Width = scene.m_pFloor->Heigth = side;
    for (int i = 0; i < items; ++i) {
        const float x = stacked ? 3.0f : static_cast<float>(i % (side - 2) - side / 2 + 1);
        const float z = stacked ? 3.0f : static_cast<float>(i / (side - 2) - side / 2 + 1);
        scene.m_pLevelGroup->AppendChild(new Item(x, 0.0f, z, stacked ? ITEM_NORMAL : 30));
    }
    ++document.m_changeCount;
}

void ShowProblems(benchmark::State& state, bool stacked)
{
    CLevelMapDoc document;
    FillLevel(document, static_cast<int>(state.range(0)), stacked);
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Problems", wxDefaultPosition, wxSize(900, 300));
    frame->Show();
    std::size_t rows = 0;
    for (auto _ : state) {
        // A new panel checks at once; the old one's wait before checking again is not measured.
        auto* panel = new CProblemsPanel(frame, document);
        frame->SendSizeEvent();
        panel->CheckWhenDue();
        panel->Update();
        rows = panel->Problems().size();
        state.PauseTiming();
        panel->Destroy();
        wxTheApp->Yield(true);
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
    frame->Destroy();
    wxTheApp->Yield(true);
}

void BM_StackedItems(benchmark::State& state)
{
    ShowProblems(state, true);
}
BENCHMARK(BM_StackedItems)->Arg(4000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ManyRows(benchmark::State& state)
{
    ShowProblems(state, false);
}
BENCHMARK(BM_ManyRows)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CheckOnly(benchmark::State& state)
{
    CLevelMapDoc document;
    FillLevel(document, static_cast<int>(state.range(0)), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(document.CheckProblems());
}
BENCHMARK(BM_CheckOnly)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
