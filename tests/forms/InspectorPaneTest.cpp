// The inspector's panels and the texture dialog: Tab order, and a column that scrolls only up and down.
#include "forms/InspectorPane.h"

#include <wx/scrolwin.h>
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "tests/forms/FormFixture.h"

namespace {

class InspectorPaneTest : public MainFrameTest {
protected:
    InspectorPane& LevelPane() { return static_cast<InspectorPane&>(*frame->m_pMainFormView->GetWindow()); }

    // The ids of the fields that Tab (or Shift+Tab) reaches from `first`, press by press.
    static std::vector<int> TabRound(wxWindow& first, int presses, int modifiers = 0)
    {
        first.SetFocus();
        Settle();
        std::vector<int> visited;
        for (int i = 0; i < presses; ++i) {
            PressKey(WXK_TAB, modifiers);
            // The control itself, not a part of it (the text of a combo box), which has no id of ours.
            wxWindow* focus = wxWindow::FindFocus();
            while (focus && focus->GetId() < 0)
                focus = focus->GetParent();
            visited.push_back(focus ? focus->GetId() : 0);
        }
        return visited;
    }
};

TEST_F(InspectorPaneTest, TabGoesRoundEveryEnabledFieldInVisualOrder)
{
    // The sky box fields are disabled while the level has none.
    wxWindow& level = LevelPane();
    EXPECT_EQ(TabRound(*level.FindWindow(IDC_FLOOR_TEXTURE_PATH), 11),
              (std::vector<int>{IDC_FLOOR_TEXTURE_BROWSE, IDC_LEVEL_WIDTH, IDC_LEVEL_HEIGHT,
                                IDC_TEXTURE_PROPERTIES, IDC_USE_CUBEMAP, IDC_NORMAL_ITEMS,
                                IDC_TURNING_ANGLE, IDC_INITIAL_LENGTH, IDC_INITIAL_VELOCITY,
                                IDC_APPLY, IDC_FLOOR_TEXTURE_PATH}));
    EXPECT_EQ(TabRound(*level.FindWindow(IDC_FLOOR_TEXTURE_PATH), 2, wxMOD_SHIFT),
              (std::vector<int>{IDC_APPLY, IDC_INITIAL_VELOCITY}));

    auto* wall = new Wall(2.0f, 3.0f, 4.0f, 1.0f);
    document->m_pScene->m_pLevelGroup->AppendChild(wall);
    ++document->m_textures[0].refCount;
    document->SetSelection(wall);
    document->UpdateAllViews();
    wxWindow& selection = *frame->m_pSelectionFormView->GetWindow();
    EXPECT_EQ(TabRound(*selection.FindWindow(IDC_SELECTION_TEXTURE_PATH), 9),
              (std::vector<int>{IDC_SELECTION_TEXTURE_BROWSE, IDC_TEXTURE_PROPERTIES, IDC_SELECTION_WIDTH,
                                IDC_SELECTION_DEPTH, IDC_POSITION_X, IDC_POSITION_Z, IDC_ROTATION_ANGLE,
                                IDC_APPLY, IDC_SELECTION_TEXTURE_PATH}));

    auto* dialog = new CTexturePropertiesDgl(*document, document->m_pScene->m_pFloor, frame);
    EXPECT_EQ(TabRound(*dialog->FindWindow(IDC_TEX_ROTATION), 5),
              (std::vector<int>{IDC_TEX_ROTATION_SPIN, IDC_CANCEL, IDC_APPLY, IDC_OK, IDC_TEX_TX}));
    dialog->CloseEditor();
}

TEST_F(InspectorPaneTest, AShortPanelScrollsItsColumnUpAndDownToTheFieldTabbedToAndKeepsApplyInSight)
{
    InspectorPane& pane = LevelPane();
    wxScrolledWindow& body = pane.Body();
    wxWindow& top = *pane.FindWindow(IDC_FLOOR_TEXTURE_PATH);
    wxWindow& last = *pane.FindWindow(IDC_INITIAL_VELOCITY);
    wxWindow& apply = *pane.FindWindow(IDC_APPLY);
    const wxSize defaultSize = frame->GetSize();
    frame->SetSize(defaultSize.x, 500);
    ASSERT_TRUE(PumpUntil([&] { return body.GetClientSize().y < body.GetVirtualSize().y; }));
    Settle();
    const wxRect column = body.GetScreenRect();
    EXPECT_LE(body.GetVirtualSize().x, body.GetClientSize().x);
    EXPECT_TRUE(pane.GetScreenRect().Contains(apply.GetScreenRect()));
    EXPECT_FALSE(column.Contains(last.GetScreenRect()));

    // Shift+Tab from the first field goes round to Apply, then to the column's last field,
    // which scrolls into sight.
    EXPECT_EQ(TabRound(top, 2, wxMOD_SHIFT), (std::vector<int>{IDC_APPLY, IDC_INITIAL_VELOCITY}));
    Settle();
    EXPECT_TRUE(column.Contains(last.GetScreenRect()));
    EXPECT_TRUE(pane.GetScreenRect().Contains(apply.GetScreenRect()));
}

} // namespace
