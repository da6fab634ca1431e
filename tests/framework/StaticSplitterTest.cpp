// The fixed pane grid: shares of the room and minimum sizes, and bars dragged with the mouse.
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

    // Drags the middle of the column bar, standing at x = 300, by `dx` pixels.
    void DragColumnBar(int dx)
    {
        const wxPoint bar = splitter->ClientToScreen(wxPoint(300 + CStaticSplitter::BAR_SIZE / 2, 100));
        wxUIActionSimulator input;
        input.MouseMove(bar);
        PumpFor(50);
        input.MouseDown();
        PumpFor(50);
        input.MouseMove(bar + wxPoint(dx, 0));
        PumpFor(50);
        input.MouseUp();
        PumpFor(50);
    }

    wxSize PaneSize(int row, int column) const { return splitter->GetPane(row, column)->GetSize(); }

    wxFrame* frame = nullptr;
    CStaticSplitter* splitter = nullptr;
};

constexpr int BAR = CStaticSplitter::BAR_SIZE;

TEST_F(StaticSplitterTest, TracksTakeTheirShareOfTheRoomAtEverySize)
{
    splitter->SetColumnInfo(0, 3.0, 10);
    splitter->SetColumnInfo(1, 2.0, 10);
    splitter->SetRowInfo(0, 3.0, 10);
    splitter->SetRowInfo(1, 2.0, 10);
    splitter->RecalcLayout();
    EXPECT_EQ(PaneSize(0, 0), wxSize(360, 240));
    EXPECT_EQ(PaneSize(1, 1), wxSize(240, 160));
    EXPECT_EQ(splitter->GetPane(1, 1)->GetPosition(), wxPoint(360 + BAR, 240 + BAR));

    frame->SetClientSize(1006, 506);
    ASSERT_TRUE(PumpUntil([this] { return splitter->GetClientSize() == wxSize(1006, 506); }));
    PumpFor(50);
    EXPECT_EQ(PaneSize(0, 0), wxSize(600, 300));
    EXPECT_EQ(PaneSize(1, 1), wxSize(400, 200));
}

TEST_F(StaticSplitterTest, EveryTrackKeepsItsMinimumWhileThereIsRoom)
{
    splitter->SetColumnInfo(0, 1.0, 50);
    splitter->SetColumnInfo(1, 1000.0, 50);
    splitter->SetRowInfo(0, 1000.0, 50);
    splitter->SetRowInfo(1, 1.0, 50);
    splitter->RecalcLayout();
    EXPECT_EQ(PaneSize(0, 0), wxSize(50, 400 - 50));
    EXPECT_EQ(PaneSize(1, 1), wxSize(600 - 50, 50));
    EXPECT_EQ(splitter->GetMinimumSize(), wxSize(50 + BAR + 50, 50 + BAR + 50));
}

TEST_F(StaticSplitterTest, ADraggedBarKeepsItsProportionWhenTheWindowGrows)
{
    splitter->SetRowInfo(0, 1.0, 10);
    splitter->SetRowInfo(1, 1.0, 10);
    splitter->SetColumnInfo(0, 1.0, 10);
    splitter->SetColumnInfo(1, 1.0, 10);
    splitter->RecalcLayout();
    PumpFor(50);

    DragColumnBar(-150);
    EXPECT_EQ(PaneSize(0, 0), wxSize(150 + BAR / 2, 200));
    EXPECT_EQ(PaneSize(0, 1).x, 600 - 150 - BAR / 2);

    // A quarter of the room stays a quarter; the rows stay halves.
    frame->SetClientSize(1206, 806);
    ASSERT_TRUE(PumpUntil([this] { return splitter->GetClientSize() == wxSize(1206, 806); }));
    PumpFor(50);
    EXPECT_NEAR(PaneSize(0, 0).x, 1200 * (150 + BAR / 2) / 600, 1);
    EXPECT_EQ(PaneSize(0, 0).y, 400);
}

TEST_F(StaticSplitterTest, ABarStopsAtTheMinimumOfThePaneItShrinks)
{
    splitter->SetColumnInfo(0, 1.0, 100);
    splitter->SetColumnInfo(1, 1.0, 100);
    splitter->RecalcLayout();
    PumpFor(50);

    DragColumnBar(280);
    EXPECT_EQ(PaneSize(0, 1).x, 100);
    EXPECT_EQ(PaneSize(0, 0).x, 600 - 100);
}

} // namespace
