// The main window's layout: the first-run size, the panes' split and minimum sizes, and the
// place and split kept for the next run.
#include <cstdio>
#include <unistd.h>

#include <wx/display.h>
#include <wx/uiaction.h>

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

    void ResizeTo(const wxSize& size)
    {
        frame->SetSize(size);
        PumpUntil([&] { return frame->GetSize() == size; }, 2000);
        PumpFor(100);
    }

    // Drags the bar between the rows by `dy` pixels with the mouse.
    void DragRowBar(int dy)
    {
        const wxRect top = Pane(0, 0).GetScreenRect();
        const wxPoint bar(top.x + top.width / 2, top.GetBottom() + 1 + CStaticSplitter::BAR_SIZE / 2);
        wxUIActionSimulator input;
        input.MouseMove(bar);
        PumpFor(50);
        input.MouseDown();
        PumpFor(50);
        input.MouseMove(bar + wxPoint(0, dy));
        PumpFor(50);
        input.MouseUp();
        PumpFor(100);
    }
};

// Everything written to standard error while it lives (the toolkit's criticals go there).
class StandardErrorCapture {
public:
    StandardErrorCapture() : m_saved(dup(STDERR_FILENO))
    {
        std::fflush(stderr);
        std::FILE* file = std::fopen(m_folder.File("stderr").c_str(), "w");
        dup2(fileno(file), STDERR_FILENO);
        std::fclose(file);
    }
    ~StandardErrorCapture() { Stop(); }
    StandardErrorCapture(const StandardErrorCapture&) = delete;
    StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;

    std::string Stop()
    {
        if (m_saved >= 0) {
            std::fflush(stderr);
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
            m_saved = -1;
        }
        return ReadWholeFile(m_folder.File("stderr"));
    }

private:
    TempFolder m_folder;
    int m_saved;
};

TEST_F(MainFrameLayoutTest, TheFirstRunSplitsThreeToTwoAndShowsBothFormsWhole)
{
    EXPECT_NEAR(Split().x, 0.6, 0.01);
    EXPECT_NEAR(Split().y, 0.6, 0.01);
    for (wxWindow* form : {&Pane(1, 0), &Pane(1, 1)}) {
        const wxSize shown = form->GetClientSize();
        const wxSize whole = form->GetBestSize();
        EXPECT_GE(shown.x, whole.x);
        EXPECT_GE(shown.y, whole.y);
    }
    const wxRect screen = wxDisplay(0u).GetClientArea();
    EXPECT_TRUE(screen.Contains(frame->GetScreenRect()));
}

TEST_F(MainFrameLayoutTest, ResizesKeepTheSplitTheUserDragged)
{
    DragRowBar(-100);
    const wxRealPoint dragged = Split();
    EXPECT_LT(dragged.y, 0.55);
    ResizeTo(frame->GetSize() - wxSize(200, 150));
    EXPECT_NEAR(Split().y, dragged.y, 0.01);
    EXPECT_NEAR(Split().x, 0.6, 0.01);
}

TEST_F(MainFrameLayoutTest, ATinyWindowStillGivesEveryPaneItsMinimum)
{
    StandardErrorCapture errors;
    // Sizes that would leave a form pane less room than its scroll bars need.
    for (const wxSize& size : {wxSize(400, 150), wxSize(400, 130), wxSize(120, 80)}) {
        frame->SetSize(size);
        PumpFor(200);
    }
    const std::string written = errors.Stop();
    EXPECT_EQ(written.find("CRITICAL"), std::string::npos) << written;
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column) {
            EXPECT_GE(Pane(row, column).GetSize().x, CMainFrame::PANE_MINIMUM);
            EXPECT_GE(Pane(row, column).GetSize().y, CMainFrame::PANE_MINIMUM);
        }
    EXPECT_GT(frame->GetToolBar()->GetSize().x, 0);
}

TEST_F(MainFrameLayoutTest, TheNextRunOpensWhereTheWindowWasWithTheSameSplit)
{
    TestApp().SetRegistryKey("Window tests");
    TestApp().LoadStdProfileSettings(4);
    frame->Move(40, 30);
    ResizeTo(wxSize(900, 700));
    DragRowBar(-80);
    const wxRealPoint split = Split();
    const wxRect place = frame->GetScreenRect();

    CloseEditor();
    OpenEditor();
    EXPECT_EQ(frame->GetScreenRect(), place);
    EXPECT_NEAR(Split().y, split.y, 0.01);
    EXPECT_NEAR(Split().x, split.x, 0.01);
}

} // namespace
