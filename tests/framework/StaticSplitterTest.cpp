// The fixed pane grid: shares of the room and minimum sizes, and bars dragged with the mouse.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include "framework/CStaticSplitter.h"
#include "tests/support/WindowTestSupport.h"

namespace {

constexpr int BAR = CStaticSplitter::BAR_SIZE;

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
        frame->Show();
        ASSERT_TRUE(WaitUntilShown(*frame));
        ResizeTo(wxSize(606, 406));
    }

    void TearDown() override { frame->Destroy(); }

    void ResizeTo(const wxSize& size)
    {
        frame->SetClientSize(size);
        ASSERT_TRUE(PumpUntil([&] { return splitter->GetClientSize() == size; }));
        PumpFor(50);
    }

    void SetTracks(double left, double right, double top, double bottom, int minimum)
    {
        splitter->SetColumnInfo(0, left, minimum);
        splitter->SetColumnInfo(1, right, minimum);
        splitter->SetRowInfo(0, top, minimum);
        splitter->SetRowInfo(1, bottom, minimum);
        splitter->RecalcLayout();
        PumpFor(50);
    }

    wxSize PaneSize(int row, int column) const { return splitter->GetPane(row, column)->GetSize(); }

    wxFrame* frame = nullptr;
    CStaticSplitter* splitter = nullptr;
};

TEST_F(StaticSplitterTest, TracksTakeTheirShareOfTheRoomAboveTheirMinimum)
{
    SetTracks(3.0, 2.0, 3.0, 2.0, 10);
    EXPECT_EQ(PaneSize(0, 0), wxSize(360, 240));
    EXPECT_EQ(splitter->GetPane(1, 1)->GetPosition(), wxPoint(360 + BAR, 240 + BAR));
    ResizeTo(wxSize(1006, 506));
    EXPECT_EQ(PaneSize(1, 1), wxSize(400, 200));

    // A tiny share still gets the minimum, and a huge one leaves the next track its minimum.
    SetTracks(1.0, 1000.0, 1000.0, 1.0, 50);
    EXPECT_EQ(PaneSize(0, 0), wxSize(50, 500 - 50));
    EXPECT_EQ(splitter->GetMinimumSize(), wxSize(50 + BAR + 50, 50 + BAR + 50));
}

TEST_F(StaticSplitterTest, ADraggedBarStopsAtAMinimumAndKeepsItsProportion)
{
    SetTracks(1.0, 1.0, 1.0, 1.0, 100);
    const wxPoint bar = splitter->ClientToScreen(wxPoint(300 + BAR / 2, 100));
    DragMouse(bar, bar + wxPoint(280, 0));
    EXPECT_EQ(PaneSize(0, 1).x, 100);

    DragMouse(bar + wxPoint(200, 0), bar + wxPoint(-150, 0));
    EXPECT_EQ(PaneSize(0, 0), wxSize(150 + BAR / 2, 200));
    ResizeTo(wxSize(1206, 806));
    EXPECT_NEAR(PaneSize(0, 0).x, 2 * (150 + BAR / 2), 1);
    EXPECT_EQ(PaneSize(0, 0).y, 400);
}

} // namespace
