// The main window's layout: the views side by side in the centre, the inspector column and the
// docked panels at a first run on a laptop's and on a desktop's screen, Reset Layout, the views'
// minimum sizes, and the place, split and docked panels kept for the next run.
#include <unistd.h>

#include <wx/display.h>
#include <wx/scrolwin.h>

#include "forms/CMainFormView.h"
#include "forms/CSelectionFormView.h"
#include "forms/InspectorPane.h"
#include "framework/CStaticSplitter.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/Wall.h"
#include "tests/forms/FormFixture.h"
#include "tests/support/TempFolder.h"

namespace {

class MainFrameLayoutTest : public FormTest {
protected:
    wxWindow& View(int column) { return *frame->m_wndSplitter->GetPane(0, column); }
    InspectorPane& Inspector(wxWindow& form) { return static_cast<InspectorPane&>(form); }

    // The edit view's part of the centre's width.
    double Split()
    {
        const int edit = View(0).GetSize().x;
        return double(edit) / (edit + View(1).GetSize().x);
    }

    void DragColumnBar(int dx)
    {
        const wxRect left = View(0).GetScreenRect();
        const wxPoint bar(left.GetRight() + 1 + CStaticSplitter::BAR_SIZE / 2, left.y + left.height / 2);
        DragMouse(bar, bar + wxPoint(dx, 0));
    }

    // The whole of `window` shows inside the frame and inside `pane`.
    static bool InSight(wxWindow& window, wxWindow& pane)
    {
        const wxRect rect = window.GetScreenRect();
        return window.IsShownOnScreen() && pane.GetScreenRect().Contains(rect) &&
               window.GetParent()->GetScreenRect().Contains(rect);
    }

    void ResetLayoutAt(const wxSize& size)
    {
        frame->SetSize(size);
        ASSERT_TRUE(PumpUntil([&] { return frame->GetSize() == size; }));
        ASSERT_TRUE(Command(ID_VIEW_RESET_LAYOUT));
        Settle();
    }
};

struct Screen {
    wxSize size;
    wxSize editViewAtLeast;
    wxSize previewAtLeast;
};

TEST_F(MainFrameLayoutTest, EveryScreenGivesTheViewsTheirRoomAndKeepsBothApplyButtonsInSight)
{
    // A first run on the test display, then on a laptop's screen.
    const wxRect display = wxDisplay(0u).GetClientArea();
    const wxSize firstRun(std::min(display.width, 1600), std::min(display.height, 1000));
    auto* wall = new Wall(2.0f, 3.0f, 4.0f, 1.0f);
    Scene().m_pLevelGroup->AppendChild(wall);
    ++document->m_textures[0].refCount;
    for (const Screen& screen : {Screen{firstRun, {600, 500}, {300, 250}},
                                 Screen{{1366, 768}, {600, 500}, {300, 250}}}) {
        SCOPED_TRACE(testing::Message() << screen.size.x << " x " << screen.size.y);
        ResetLayoutAt(screen.size);
        EXPECT_GE(View(0).GetClientSize().x, screen.editViewAtLeast.x);
        EXPECT_GE(View(0).GetClientSize().y, screen.editViewAtLeast.y);
        EXPECT_GE(View(1).GetClientSize().x, screen.previewAtLeast.x);
        EXPECT_GE(View(1).GetClientSize().y, screen.previewAtLeast.y);
        UpdateCommandStates();
        EXPECT_FALSE(MenuChecked(ID_VIEW_PROBLEMS));
        EXPECT_TRUE(MenuChecked(ID_VIEW_LEVEL));
        EXPECT_TRUE(MenuChecked(ID_VIEW_SELECTION));
        // Shown, or one click away.
        EXPECT_TRUE(MenuChecked(ID_VIEW_TEXTURES) || MenuEnabled(ID_VIEW_TEXTURES));

        document->SetSelection(wall);
        document->UpdateAllViews();
        Settle();
        for (wxWindow* form : {&LevelForm(), &SelectionForm()}) {
            InspectorPane& pane = Inspector(*form);
            EXPECT_TRUE(InSight(*form->FindWindow(IDC_APPLY), *form));
            // The column never scrolls sideways.
            EXPECT_LE(pane.Body().GetVirtualSize().x, pane.Body().GetClientSize().x);
        }
        // A field typed and applied in each panel, as the user does.
        const float width = static_cast<float>(Scene().m_pFloor->Width) + 1.0f;
        Type(LevelForm(), IDC_LEVEL_WIDTH, wxString::Format("%g", width).c_str());
        Click(LevelForm(), IDC_APPLY);
        EXPECT_FLOAT_EQ(static_cast<float>(Scene().m_pFloor->Width), width);
        const float wallWidth = wall->Width + 1.0f;
        Type(SelectionForm(), IDC_SELECTION_WIDTH, wxString::Format("%g", wallWidth).c_str());
        Click(SelectionForm(), IDC_APPLY);
        EXPECT_FLOAT_EQ(wall->Width, wallWidth);
    }
}

TEST_F(MainFrameLayoutTest, ResetLayoutPutsBackHiddenPanelsAndTheSplit)
{
    const double split = Split();
    EXPECT_NEAR(split, 2.0 / 3.0, 0.02);
    DragColumnBar(-150);
    for (int id : {ID_VIEW_LEVEL, ID_VIEW_SELECTION, ID_VIEW_PROBLEMS})
        ASSERT_TRUE(Command(id));
    UpdateCommandStates();
    EXPECT_FALSE(MenuChecked(ID_VIEW_LEVEL));
    EXPECT_TRUE(MenuChecked(ID_VIEW_PROBLEMS));
    EXPECT_LT(Split(), split - 0.05);

    ResetLayoutAt(frame->GetSize());
    UpdateCommandStates();
    EXPECT_TRUE(MenuChecked(ID_VIEW_LEVEL));
    EXPECT_TRUE(MenuChecked(ID_VIEW_SELECTION));
    EXPECT_FALSE(MenuChecked(ID_VIEW_PROBLEMS));
    EXPECT_NEAR(Split(), split, 0.02);
    EXPECT_GT(LevelForm().GetScreenPosition().x, View(1).GetScreenRect().GetRight());
    EXPECT_LT(LevelForm().GetScreenPosition().y, SelectionForm().GetScreenPosition().y);
}

TEST_F(MainFrameLayoutTest, TheDraggedSplitStaysOnResizeAndTheNextRunOpensWhereTheWindowWas)
{
    TestApp().LoadStdProfileSettings(4);
    DragColumnBar(-100);
    ASSERT_TRUE(Command(ID_VIEW_PROBLEMS));
    const double split = Split();
    EXPECT_LT(split, 0.62);
    frame->SetSize(40, 30, 1500, 850);
    ASSERT_TRUE(PumpUntil([this] { return frame->GetSize() == wxSize(1500, 850); }));
    PumpFor(100);
    EXPECT_NEAR(Split(), split, 0.01);

    const wxRect place = frame->GetScreenRect();
    CloseEditor();
    OpenEditor();
    EXPECT_EQ(frame->GetScreenRect(), place);
    EXPECT_NEAR(Split(), split, 0.01);
    UpdateCommandStates();
    EXPECT_TRUE(MenuChecked(ID_VIEW_PROBLEMS));

    // A layout saved before the Textures panel and the inspector existed: they show, as on a
    // first run.
    CloseEditor();
    wxConfigBase& settings = *TestApp().GetSettings();
    wxString perspective = settings.Read("/MainFrame/Docking/Perspective");
    for (const char* name : {"name=textures;", "name=level;", "name=selection;"}) {
        const int at = perspective.Find(name);
        ASSERT_NE(at, wxNOT_FOUND);
        perspective.erase(static_cast<size_t>(at), perspective.find('|', static_cast<size_t>(at)) - at + 1);
    }
    settings.Write("/MainFrame/Docking/Perspective", perspective);
    OpenEditor();
    UpdateCommandStates();
    EXPECT_TRUE(MenuChecked(ID_VIEW_PROBLEMS));
    for (int id : {ID_VIEW_TEXTURES, ID_VIEW_LEVEL, ID_VIEW_SELECTION})
        EXPECT_TRUE(MenuChecked(id)) << id;
}

TEST_F(MainFrameLayoutTest, ATinyWindowStillGivesEveryViewItsMinimum)
{
    // The toolkit's criticals go to standard error, here to a file.
    TempFolder folder;
    const int savedError = dup(STDERR_FILENO);
    ASSERT_TRUE(std::freopen(folder.File("stderr").c_str(), "w", stderr));
    for (const wxSize& size : {wxSize(400, 150), wxSize(400, 130), wxSize(120, 80)}) {
        frame->SetSize(size);
        PumpFor(200);
    }
    std::fflush(stderr);
    dup2(savedError, STDERR_FILENO);
    close(savedError);
    const std::string messages = ReadWholeFile(folder.File("stderr"));
    EXPECT_EQ(messages.find("CRITICAL"), std::string::npos) << messages;
    for (int column = 0; column < 2; ++column) {
        EXPECT_GE(View(column).GetSize().x, CMainFrame::PANE_MINIMUM);
        EXPECT_GE(View(column).GetSize().y, CMainFrame::PANE_MINIMUM);
    }
}

} // namespace
