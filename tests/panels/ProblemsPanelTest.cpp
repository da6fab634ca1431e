// The Problems panel with real input: the status bar's count opens it; a click on a row selects
// the row's objects and centres the edit view on them, a double-click zooms to them; the row's
// plain fix is one step; a level saved with errors says so.
#include <algorithm>
#include <set>

#include <wx/glcanvas.h>
#include <wx/imaglist.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <X11/keysym.h>

#include "panels/CProblemsPanel.h"
#include "level/StartPositionNode.h"
#include "level/Item.h"
#include "level/Wall.h"
#include "tests/app/LevelEditing.h"
#include "tests/app/MainFrameFixture.h"
#include "tests/support/TempFolder.h"

namespace {

TEST_F(MainFrameTest, AProblemRowSelectsZoomsAndFixesItsObject)
{
    AddWall(*document, 500.0f, -20.0f); // far off the floor
    auto* wall = dynamic_cast<Wall*>(document->m_pScene->m_pLevelGroup->Children().back().get());
    CProblemsPanel& panel = *frame->m_pProblems;
    wxStatusBar& bar = *frame->GetStatusBar();
    ASSERT_TRUE(PumpUntil([&] { return bar.GetStatusText(4).Find("1 error") != wxNOT_FOUND; }));

    wxRect count;
    ASSERT_TRUE(bar.GetFieldRect(4, count));
    ClickAt(bar, count.GetPosition() + wxPoint(count.width / 2, count.height / 2));
    ASSERT_TRUE(PumpUntil([&] { return panel.IsShownOnScreen() && panel.GetItemCount() > 0; }));
    const auto wallRow = [&] {
        const std::vector<Problem>& problems = panel.Problems();
        return static_cast<long>(std::find_if(problems.begin(), problems.end(),
                                              [&](const Problem& p) { return !p.nodes.empty() && p.nodes.front() == wall; }) -
                                 problems.begin());
    };
    const auto rowPoint = [&] {
        wxRect row;
        EXPECT_TRUE(panel.GetItemRect(wallRow(), row));
        return wxPoint(row.x + 20, row.y + row.height / 2);
    };
    CEditGLView& edit = *frame->m_pEditView;
    const wxSize canvas = edit.GetCanvas()->GetClientSize();

    document->SetSelection(nullptr);
    const float zoom = edit.m_zoom;
    ClickAt(panel, rowPoint());
    ASSERT_TRUE(PumpUntil([&] { return document->SelectedNode() == wall; }));
    // The wall (5 x 1 about (500, -20)) is scrolled into sight at the same zoom.
    const LevelPoint topLeft = edit.UnprojectPoint(0, 0), bottomRight = edit.UnprojectPoint(canvas.x, canvas.y);
    EXPECT_LT(topLeft.x, 497.5);
    EXPECT_GT(bottomRight.x, 502.5);
    EXPECT_LT(topLeft.z, -20.5);
    EXPECT_GT(bottomRight.z, -19.5);
    EXPECT_EQ(edit.m_zoom, zoom);

    // A double-click: the 5-unit wall fills much of the view's width.
    wxUIActionSimulator().MouseDblClick();
    ASSERT_TRUE(PumpUntil([&] {
        const LevelPoint left = edit.UnprojectPoint(0, canvas.y / 2), right = edit.UnprojectPoint(canvas.x, canvas.y / 2);
        return right.x - left.x < 15.0f && left.x < 497.5f && right.x > 502.5f;
    }));

    // The fix from the row's menu, chosen with the keyboard once the menu is open (its own
    // event loop runs until then).
    wxTimer chooser;
    chooser.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
        SendKeySym(XK_Down);
        SendKeySym(XK_Return);
    });
    panel.Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
        chooser.StartOnce(100);
        event.Skip();
    });
    ClickAt(panel, rowPoint(), 3);
    ASSERT_TRUE(PumpUntil([&] { return wall->x < 20.0f; }));
    EXPECT_EQ(document->GetCommandProcessor()->GetCurrentCommand()->GetName(), "Move Wall Inside the Floor");
    ASSERT_TRUE(PumpUntil([&] { return wallRow() == panel.GetItemCount(); })); // no problem left
    PressKey('Z', wxMOD_CONTROL);
    ASSERT_TRUE(PumpUntil([&] { return wall->x == 500.0f; }));

    TempFolder folder;
    ASSERT_TRUE(document->OnSaveDocument(folder.Path() + "/level.xml"));
    EXPECT_EQ(bar.GetStatusText(0), "Saved level.xml with 1 error");
}

// A paste landed twice: 2 000 items at one spot are one row, not two million; the start inside
// a wall is an error, and the reachability it stops is an info row that the count leaves out.
// Each row's severity shows as its icon alone, named by the tooltip over it.
TEST_F(MainFrameTest, StackedItemsAreOneRowAndAStoppedCheckIsAnInfoRow)
{
    LevelGroupNode& group = *document->m_pScene->m_pLevelGroup;
    std::vector<NodeListCommand::Addition> additions;
    for (int i = 0; i < 2000; ++i)
        additions.push_back({&group, group.ChildCount() + additions.size(), std::make_unique<Item>(3.0f, 0.0f, 3.0f, ITEM_NORMAL), {}});
    ASSERT_TRUE(document->Submit(NodeListCommand::Adding(*document, "Paste", std::move(additions))));
    AddWall(*document, document->m_pStartMarker->x, document->m_pStartMarker->z);
    CProblemsPanel& panel = *frame->m_pProblems;
    wxStatusBar& bar = *frame->GetStatusBar();
    ASSERT_TRUE(PumpUntil([&] { return bar.GetStatusText(4).StartsWith("1 error, 1 warning"); })) << bar.GetStatusText(4);
    ASSERT_EQ(panel.GetItemCount(), 3);
    std::vector<wxString> rows;
    for (long row = 0; row < panel.GetItemCount(); ++row)
        rows.push_back(panel.GetItemText(row, 0) + ": " + panel.GetItemText(row, 1));
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Warning: Item at (3, 3) overlaps 1999 items"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Info: reachability not checked: the start position lies inside a wall"),
              rows.end());

    // The severity column is about its icon wide and draws nothing beside the icon; the message
    // takes the rest of the width.
    if (!panel.IsShownOnScreen())
        Command(ID_VIEW_PROBLEMS);
    ASSERT_TRUE(WaitUntilShown(panel));
    PumpFor(100);
    const wxImageList* icons = panel.GetImageList(wxIMAGE_LIST_SMALL);
    ASSERT_NE(icons, nullptr);
    int iconWidth = 0, iconHeight = 0;
    icons->GetSize(0, iconWidth, iconHeight);
    const int severityWidth = panel.GetColumnWidth(0);
    EXPECT_GE(severityWidth, iconWidth + 4);
    EXPECT_LE(severityWidth, iconWidth + 16);
    EXPECT_EQ(severityWidth + panel.GetColumnWidth(1) + panel.GetColumnWidth(2), panel.GetClientSize().x);
    std::vector<wxRect> cells(static_cast<std::size_t>(panel.GetItemCount()));
    for (long row = 0; row < panel.GetItemCount(); ++row) {
        wxRect& cell = cells[static_cast<std::size_t>(row)];
        ASSERT_TRUE(panel.GetItemRect(row, cell));
        const wxRect besideIcon(panel.ClientToScreen(wxPoint(cell.x + iconWidth + 3, cell.y + cell.height / 2 - 4)),
                                wxSize(severityWidth - iconWidth - 4, 8));
        // Once the list has painted its new column widths.
        const auto blank = [&] {
            const wxImage picture = ScreenPicture(besideIcon);
            const unsigned char* rgb = picture.GetData();
            return std::all_of(rgb, rgb + 3 * picture.GetWidth() * picture.GetHeight(),
                               [&](const unsigned char& c) { return c == rgb[(&c - rgb) % 3]; });
        };
        EXPECT_TRUE(PumpUntil(blank)) << "row " << row << " draws beside its icon";
    }
    // The tooltip over a row's icon is its severity's word, which stays the row's text. (After
    // the pictures: a tooltip that is slow to go could cover the next row's.)
    std::set<wxString> words;
    for (long row = 0; row < panel.GetItemCount(); ++row) {
        const wxRect& cell = cells[static_cast<std::size_t>(row)];
        const int middle = cell.y + cell.height / 2;
        const wxString word = panel.GetItemText(row, 0);
        wxUIActionSimulator().MouseMove(panel.ClientToScreen(wxPoint(cell.x + 2 + iconWidth / 2, middle)));
        EXPECT_TRUE(PumpUntil([&] { return panel.GetToolTipText() == word; })) << row << ": " << panel.GetToolTipText();
        words.insert(panel.GetToolTipText());
        // In steps, as a hand moves: a single jump may land on the tooltip itself.
        for (int step = 1; step <= 4; ++step) {
            const int x = cell.x + 2 + iconWidth / 2 + step * (severityWidth + 40 - 2 - iconWidth / 2) / 4;
            wxUIActionSimulator().MouseMove(panel.ClientToScreen(wxPoint(x, middle)));
            PumpFor(20);
        }
        EXPECT_TRUE(PumpUntil([&] { return panel.GetToolTipText().empty(); })) << row << ": " << panel.GetToolTipText();
    }
    EXPECT_EQ(words, (std::set<wxString>{"Error", "Warning", "Info"}));
}

} // namespace
