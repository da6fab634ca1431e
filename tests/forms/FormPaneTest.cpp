// The form panes and the texture dialog: Tab order, scroll bars, and scrolling that stays valid.
#include "forms/FormPane.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "tests/forms/FormFixture.h"

namespace {

class FormPaneTest : public MainFrameTest {
protected:
    FormPane& LevelPane() { return static_cast<FormPane&>(*frame->m_pMainFormView->GetWindow()); }

    // The ids of the fields that Tab (or Shift+Tab) reaches from `first`, press by press.
    static std::vector<int> TabRound(wxWindow& first, int presses, int modifiers = 0)
    {
        first.SetFocus();
        Settle();
        std::vector<int> visited;
        for (int i = 0; i < presses; ++i) {
            PressKey(WXK_TAB, modifiers);
            wxWindow* focus = wxWindow::FindFocus();
            while (focus && focus->GetParent() != first.GetParent())
                focus = focus->GetParent();
            visited.push_back(focus ? focus->GetId() : 0);
        }
        return visited;
    }
};

TEST_F(FormPaneTest, TabGoesRoundEveryEnabledFieldInVisualOrder)
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

TEST_F(FormPaneTest, ACutOffFormShowsItsScrollBarScrollsToTheFieldTabbedToAndShowsItsTopWhenItGrows)
{
    FormPane& form = LevelPane();
    wxWindow& top = *form.FindWindow(IDC_FLOOR_TEXTURE_PATH);
    wxWindow& apply = *form.FindWindow(IDC_APPLY);
    const int topY = top.GetPosition().y;
    const wxSize defaultSize = frame->GetSize();
    frame->SetSize(defaultSize.x, defaultSize.y * 2 / 3);
    ASSERT_TRUE(PumpUntil([&] { return form.GetClientSize().y < form.GetVirtualSize().y; }));
    wxUIActionSimulator().MouseMove(frame->m_pEditView->GetWindow()->GetScreenPosition() + wxPoint(20, 20));
    PumpFor(1500); // long enough for a bar shown only under the pointer to fade out
    const wxRect pane = form.GetScreenRect();
    const wxImage column = ScreenPicture(wxRect(pane.GetRight() - 6, pane.y, 1, pane.height));
    int barPixels = 0;
    for (int y = 0; y < pane.height; ++y)
        barPixels += wxColour(column.GetRed(0, y), column.GetGreen(0, y), column.GetBlue(0, y)) !=
                     form.GetBackgroundColour();
    EXPECT_GT(barPixels, pane.height / 2);

    EXPECT_FALSE(pane.Contains(apply.GetScreenRect()));
    TabRound(top, 1, wxMOD_SHIFT);
    EXPECT_TRUE(pane.Contains(apply.GetScreenRect()));

    frame->SetSize(defaultSize + wxSize(400, 300));
    ASSERT_TRUE(PumpUntil([&] { return frame->GetSize() == defaultSize + wxSize(400, 300); }));
    Settle();
    int x = 0;
    int y = 0;
    form.GetViewStart(&x, &y);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(top.GetScreenPosition().y - form.GetScreenPosition().y, topY);
}

} // namespace
