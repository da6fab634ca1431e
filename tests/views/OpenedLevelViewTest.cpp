// Opening a level with real input (Ctrl+O), and a new one (Ctrl+N): the edit view shows the whole
// floor fitted, as Home fits it; the preview starts at its default camera unless the floor is
// larger than the edit view's default camera shows. Ctrl+0 puts the edit view's default back.
// Until the designer acts in the edit view, its first camera is fitted again at each new size.
#include <array>
#include <functional>
#include <regex>

#include "level/LevelFloor.h"
#include "tests/support/TempFolder.h"
#include "tests/views/ViewFixture.h"

namespace {

// Fitted: all of the floor in sight, and it fills one of the two directions but the margin.
bool ShowsFloorFitted(const CEditGLView& edit, const CLevelMapDoc& document)
{
    const ViewRect view = VisibleRect(edit.Camera());
    const LevelFloor& floor = *document.m_pScene->m_pFloor;
    const float w = static_cast<float>(floor.Width) / 2, d = static_cast<float>(floor.Heigth) / 2;
    return view.umin <= -w && w <= view.umax && view.vmin <= -d && d <= view.vmax &&
           (2 * w > 0.8f * (view.umax - view.umin) || 2 * d > 0.8f * (view.vmax - view.vmin));
}

} // namespace

TEST_F(ViewTest, EveryFloorOpensFittedInTheEditViewAndCtrl0GivesTheDefaultCamera)
{
    struct Case {
        int width, depth;
        bool previewFitted;
    };
    const Case cases[] = {{90, 30, true}, {24, 20, false}, {30, 60, true}, {5, 5, false}};
    const std::string newLevel = ReadWholeFile(TRELKAN_SOURCE_DIR "/tests/fixtures/levels/valid/new_level.xml");
    const auto camera = [this] {
        const EditCamera now = edit->Camera();
        return std::array<float, 3>{now.zoom, now.copX, now.copY};
    };
    const auto showsFloor = [this] { return ShowsFloorFitted(*edit, *document); };
    TempFolder folder;
    for (const Case& c : cases) {
        const std::string size = std::to_string(c.width) + "x" + std::to_string(c.depth);
        const std::string path = folder.File(size + ".xml");
        WriteWholeFile(path, std::regex_replace(newLevel, std::regex("Width = \"20\" Heigth = \"16\""),
                                                "Width = \"" + std::to_string(c.width) + "\" Heigth = \"" +
                                                    std::to_string(c.depth) + "\""));
        // Where the last level left the cameras must not matter.
        edit->m_copX = 12.0f;
        preview->m_zoom = 2.5f;
        FileDialogAnswerer dialogs;
        dialogs.answers = {wxString(path)};
        edit->GetCanvas()->SetFocus();
        PumpFor(30);
        PressKey('O', wxMOD_CONTROL);
        PumpFor(100);
        ASSERT_EQ(document->m_pScene->m_pFloor->Width, c.width) << size;
        EXPECT_TRUE(showsFloor()) << size;
        const std::array<float, 3> opened = camera();
        EXPECT_EQ(preview->m_zoom == PreviewCamera{}.zoom, !c.previewFitted) << size;
        PressKey(WXK_HOME);
        EXPECT_EQ(opened, camera()) << size;
        PressKey('0', wxMOD_CONTROL);
        EXPECT_EQ(camera(), (std::array<float, 3>{EditCamera{}.zoom, 0.0f, 0.0f})) << size;
    }
    PressKey('N', wxMOD_CONTROL);
    PumpFor(100);
    EXPECT_TRUE(showsFloor()) << "a new level";
}

TEST_F(ViewTest, TheFirstCameraFollowsTheEditViewsSizeUntilTheDesignerActsThere)
{
    const auto camera = [this] {
        const EditCamera now = edit->Camera();
        return std::array<float, 3>{now.zoom, now.copX, now.copY};
    };
    const auto split = [this](double editShare) {
        frame->m_wndSplitter->SetColumnInfo(0, editShare, CMainFrame::PANE_MINIMUM);
        frame->m_wndSplitter->SetColumnInfo(1, 1.0 - editShare, CMainFrame::PANE_MINIMUM);
        frame->m_wndSplitter->RecalcLayout();
        PumpFor(100);
    };
    wxWindow& canvas = *edit->GetCanvas();
    const wxPoint middle(canvas.GetClientSize().x / 2, canvas.GetClientSize().y / 2);
    const struct {
        const char* act;
        std::function<void()> give;
    } acts[] = {
        {"a press", [&] { ClickAt(canvas, middle); }},
        {"the wheel", [&] { MoveTo(canvas, middle); TurnWheel(1); }},
        {"a key", [&] { PressKey(WXK_SHIFT); }},
    };
    MessageBoxRecorder boxes;
    for (const auto& a : acts) {
        Command(StandardId::FileNew);
        PumpFor(100);
        split(0.78);
        EXPECT_TRUE(ShowsFloorFitted(*edit, *document)) << a.act;
        const std::array<float, 3> wide = camera();
        split(0.4);
        EXPECT_TRUE(ShowsFloorFitted(*edit, *document)) << a.act;
        EXPECT_NE(camera(), wide) << a.act;

        canvas.SetFocus();
        PumpFor(30);
        a.give();
        PumpFor(50);
        const std::array<float, 3> given = camera();
        split(0.78);
        EXPECT_EQ(camera(), given) << a.act;
    }
}
