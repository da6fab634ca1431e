// The main window's layout: the first-run size, the split and the panes' minimum sizes, and
// the place, split and docked panels kept for the next run.
#include <unistd.h>

#include <wx/display.h>

#include "framework/CStaticSplitter.h"
#include "tests/app/MainFrameFixture.h"

namespace {

class MainFrameLayoutTest : public MainFrameTest {
protected:
    wxWindow& Pane(int row, int column) { return *frame->m_wndSplitter->GetPane(row, column); }

    // The left column's part of the width and the top row's part of the height, over both.
    wxRealPoint Split()
    {
        const wxSize topLeft = Pane(0, 0).GetSize();
        const wxSize bottomRight = Pane(1, 1).GetSize();
        return wxRealPoint(double(topLeft.x) / (topLeft.x + bottomRight.x),
                           double(topLeft.y) / (topLeft.y + bottomRight.y));
    }

    void DragRowBar(int dy)
    {
        const wxRect top = Pane(0, 0).GetScreenRect();
        const wxPoint bar(top.x + top.width / 2, top.GetBottom() + 1 + CStaticSplitter::BAR_SIZE / 2);
        DragMouse(bar, bar + wxPoint(0, dy));
    }
};

TEST_F(MainFrameLayoutTest, TheFirstRunSplitsThreeToTwoAndShowsBothFormsWhole)
{
    EXPECT_NEAR(Split().x, 0.6, 0.01);
    EXPECT_NEAR(Split().y, 0.6, 0.01);
    for (wxWindow* form : {&Pane(1, 0), &Pane(1, 1)}) {
        EXPECT_GE(form->GetClientSize().x, form->GetBestSize().x);
        EXPECT_GE(form->GetClientSize().y, form->GetBestSize().y);
    }
    EXPECT_TRUE(wxDisplay(0u).GetClientArea().Contains(frame->GetScreenRect()));
}

TEST_F(MainFrameLayoutTest, TheDraggedSplitStaysOnResizeAndTheNextRunOpensWhereTheWindowWas)
{
    TestApp().LoadStdProfileSettings(4);
    DragRowBar(-100);
    ASSERT_TRUE(Command(ID_VIEW_PROBLEMS));
    const wxRealPoint split = Split();
    EXPECT_LT(split.y, 0.55);
    frame->SetSize(40, 30, 900, 700);
    ASSERT_TRUE(PumpUntil([this] { return frame->GetSize() == wxSize(900, 700); }));
    PumpFor(100);
    EXPECT_NEAR(Split().y, split.y, 0.01);
    EXPECT_NEAR(Split().x, 0.6, 0.01);

    const wxRect place = frame->GetScreenRect();
    CloseEditor();
    OpenEditor();
    EXPECT_EQ(frame->GetScreenRect(), place);
    EXPECT_NEAR(Split().y, split.y, 0.01);
    UpdateCommandStates();
    EXPECT_TRUE(MenuChecked(ID_VIEW_PROBLEMS));
    EXPECT_TRUE(MenuChecked(ID_VIEW_TEXTURES));

    // A layout saved before the Textures panel existed: the panel shows, as on a first run.
    CloseEditor();
    wxConfigBase& settings = *TestApp().GetSettings();
    wxString perspective = settings.Read("/MainFrame/Docking/Perspective");
    const int textures = perspective.Find("name=textures;");
    ASSERT_NE(textures, wxNOT_FOUND);
    perspective.erase(static_cast<size_t>(textures), perspective.find('|', static_cast<size_t>(textures)) - textures + 1);
    settings.Write("/MainFrame/Docking/Perspective", perspective);
    OpenEditor();
    UpdateCommandStates();
    EXPECT_TRUE(MenuChecked(ID_VIEW_PROBLEMS));
    EXPECT_TRUE(MenuChecked(ID_VIEW_TEXTURES));
}

TEST_F(MainFrameLayoutTest, ATinyWindowStillGivesEveryPaneItsMinimum)
{
    // The toolkit's criticals go to standard error, here to a file.
    TempFolder folder;
    const int savedError = dup(STDERR_FILENO);
    ASSERT_TRUE(std::freopen(folder.File("stderr").c_str(), "w", stderr));
    // Sizes that would leave a form pane less room than its scroll bars need.
    for (const wxSize& size : {wxSize(400, 150), wxSize(400, 130), wxSize(120, 80)}) {
        frame->SetSize(size);
        PumpFor(200);
    }
    std::fflush(stderr);
    dup2(savedError, STDERR_FILENO);
    close(savedError);
    EXPECT_EQ(ReadWholeFile(folder.File("stderr")).find("CRITICAL"), std::string::npos);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column) {
            EXPECT_GE(Pane(row, column).GetSize().x, CMainFrame::PANE_MINIMUM);
            EXPECT_GE(Pane(row, column).GetSize().y, CMainFrame::PANE_MINIMUM);
        }
}

} // namespace
