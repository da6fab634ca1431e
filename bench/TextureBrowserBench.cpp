// The Textures panel with 1 000 images whose thumbnails the shared cache holds already: the time
// from opening the panel until every tile shows its picture, the time a filter keystroke takes to
// lay the tiles out again and repaint them, and the memory the filled tiles take. It needs a
// display: xvfb-run -a build/release/bench/TextureBrowserBench

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/textctrl.h>

#include "panels/CTexturePanel.h"
#include "panels/CTextureTiles.h"
#include "document/CLevelMapDoc.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr int IMAGES = 1000;

// Resident memory of the process in bytes.
double ResidentBytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE));
}

class Browser {
public:
    Browser()
    {
        for (int i = 0; i < IMAGES; ++i) {
            const std::string folder = m_images.File("Textures/Set" + std::to_string(i % 10));
            std::filesystem::create_directories(folder);
            wxImage image(256, 192);
            image.SetRGB(wxRect(0, 0, 256, 192), static_cast<unsigned char>(i), 90, static_cast<unsigned char>(i * 7));
            image.SaveFile(folder + "/image" + std::to_string(i) + ".png", wxBITMAP_TYPE_PNG);
        }
        m_document.OnNewDocument();
        m_frame = new wxFrame(nullptr, wxID_ANY, "Textures", wxDefaultPosition, wxSize(300, 900));
        m_frame->Show();
        Fill()->Destroy(); // makes every thumbnail: the measured runs find them cached
    }
    ~Browser() { m_frame->Destroy(); }

    // A new panel, pumped until every tile shows its picture.
    CTexturePanel* Fill()
    {
        auto* panel = new CTexturePanel(m_frame, m_document, m_images.File("cache"), m_images.File("Textures"),
                                        m_images.File("CubeMaps"));
        m_frame->SendSizeEvent();
        const auto filled = [panel] {
            const auto& looks = panel->Tiles().Looks();
            return !looks.empty() && std::all_of(looks.begin(), looks.end(),
                                                 [](const TileLook& look) { return look.picture || look.failed; });
        };
        while (!filled())
            wxTheApp->Yield(true);
        return panel;
    }

private:
    TempFolder m_images;
    CLevelMapDoc m_document;
    wxFrame* m_frame = nullptr;
};

// Made at the first benchmark, gone before the toolkit is.
std::unique_ptr<Browser> theBrowser;

Browser& TheBrowser()
{
    if (!theBrowser)
        theBrowser = std::make_unique<Browser>();
    return *theBrowser;
}

void BM_PanelFilledFromCache(benchmark::State& state)
{
    Browser& browser = TheBrowser();
    // The panels stay until the end, so that each one's memory is new memory.
    std::vector<CTexturePanel*> panels;
    const double before = ResidentBytes();
    for (auto _ : state)
        panels.push_back(browser.Fill());
    state.counters["tiles_MB"] = (ResidentBytes() - before) / double(panels.size()) / 1e6;
    for (CTexturePanel* panel : panels)
        panel->Destroy();
    wxTheApp->Yield(true);
}
BENCHMARK(BM_PanelFilledFromCache)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_FilterKeystroke(benchmark::State& state)
{
    CTexturePanel* panel = TheBrowser().Fill();
    int typed = 0;
    for (auto _ : state) {
        // One more letter, then one fewer: each keystroke changes the tiles shown.
        panel->Filter().SetValue(++typed % 2 ? "set1" : "set");
        panel->Tiles().Update();
        wxTheApp->Yield(true);
    }
    state.counters["tiles"] = double(panel->Tiles().Looks().size());
    panel->Destroy();
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 1;
    wxInitAllImageHandlers();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theBrowser.reset();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
