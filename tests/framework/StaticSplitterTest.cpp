// The fixed pane grid: ideal and minimum sizes, the last row and column taking the rest, and
// bars dragged with the mouse.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>

#include "framework/CStaticSplitter.h"
#include "tests/support/WindowTestSupport.h"

namespace {

class StaticSplitterTest : public testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "Splitter");
        splitter = new CStaticSplitter;
        ASSERT_TRUE(splitter->Create(frame, 2, 2));
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column)
                splitter->SetPane(row, column, new wxPanel(splitter));
        frame->SetClientSize(606, 406);
        frame->Show();
        ASSERT_TRUE(WaitUntilShown(*frame));
        ASSERT_TRUE(PumpUntil([this] { return splitter->GetClientSize() == wxSize(606, 406); }));
    }

    void TearDown() override { frame->Destroy(); }

    wxSize PaneSize(int row, int column) const { return splitter->GetPane(row, column)->GetSize(); }

    wxFrame* frame = nullptr;
    CStaticSplitter* splitter = nullptr;
};

TEST_F(StaticSplitterTest, FirstTracksTakeTheirIdealSizeAndTheLastTheRest)
{
    splitter->SetColumnInfo(0, 360, 10);
    splitter->SetRowInfo(0, 240, 10);
    splitter->RecalcLayout();
    EXPECT_EQ(PaneSize(0, 0), wxSize(360, 240));
    EXPECT_EQ(PaneSize(1, 1), wxSize(606 - 360 - CStaticSplitter::BAR_SIZE, 406 - 240 - CStaticSplitter::BAR_SIZE));
    EXPECT_EQ(splitter->GetPane(1, 1)->GetPosition(),
              wxPoint(360 + CStaticSplitter::BAR_SIZE, 240 + CStaticSplitter::BAR_SIZE));

    // Below its minimum a track keeps the minimum; beyond the window it is cut to fit.
    splitter->SetColumnInfo(0, 3, 10);
    splitter->SetRowInfo(0, 5000, 10);
    splitter->RecalcLayout();
    EXPECT_EQ(PaneSize(0, 0), wxSize(10, 406 - CStaticSplitter::BAR_SIZE));
    EXPECT_EQ(PaneSize(1, 0).y, 0);
}

TEST_F(StaticSplitterTest, DraggingTheColumnBarMovesIt)
{
    splitter->SetColumnInfo(0, 300, 10);
    splitter->SetRowInfo(0, 200, 10);
    splitter->RecalcLayout();
    PumpFor(50);

    wxPoint bar = splitter->ClientToScreen(wxPoint(300 + CStaticSplitter::BAR_SIZE / 2, 100));
    wxUIActionSimulator input;
    input.MouseMove(bar);
    PumpFor(50);
    input.MouseDown();
    PumpFor(50);
    input.MouseMove(bar + wxPoint(-100, 0));
    PumpFor(50);
    input.MouseUp();
    PumpFor(50);

    EXPECT_EQ(splitter->GetColumnInfo(0).ideal, 200 + CStaticSplitter::BAR_SIZE / 2);
    EXPECT_EQ(splitter->GetRowInfo(0).ideal, 200);
    EXPECT_EQ(PaneSize(0, 0).x, 200 + CStaticSplitter::BAR_SIZE / 2);
}

} // namespace
