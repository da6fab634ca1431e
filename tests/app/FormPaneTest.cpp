// The form panes and the texture dialog: Tab order, scroll bars, and scrolling that stays valid
// when the window grows.
#include "app/FormPane.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "tests/app/FormFixture.h"

namespace {

class FormPaneTest : public MainFrameTest {
protected:
    LevelScene& Scene() { return *document->m_pScene; }
    static FormPane& Pane(CView* view) { return static_cast<FormPane&>(*view->GetWindow()); }

    // The ids of the fields that Tab (or Shift+Tab) visits, starting from `first`.
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

TEST_F(FormPaneTest, TabGoesRoundTheLevelFormInVisualOrderBothWays)
{
    wxWindow& form = Pane(frame->m_pMainFormView);
    // The sky box fields are disabled while the level has none, and are left out.
    const std::vector<int> order = {IDC_FLOOR_TEXTURE_BROWSE, IDC_LEVEL_WIDTH, IDC_LEVEL_HEIGHT,
                                    IDC_TEXTURE_PROPERTIES,   IDC_USE_CUBEMAP, IDC_NORMAL_ITEMS,
                                    IDC_TURNING_ANGLE,        IDC_INITIAL_LENGTH,
                                    IDC_INITIAL_VELOCITY,     IDC_APPLY,
                                    IDC_FLOOR_TEXTURE_PATH,   IDC_FLOOR_TEXTURE_BROWSE};
    EXPECT_EQ(TabRound(*form.FindWindow(IDC_FLOOR_TEXTURE_PATH), 12), order);
    const std::vector<int> backwards = {IDC_INITIAL_VELOCITY, IDC_INITIAL_LENGTH};
    EXPECT_EQ(TabRound(*form.FindWindow(IDC_APPLY), 2, wxMOD_SHIFT), backwards);
    EXPECT_EQ(TabRound(*form.FindWindow(IDC_FLOOR_TEXTURE_PATH), 1, wxMOD_SHIFT),
              std::vector<int>{IDC_APPLY});
}

TEST_F(FormPaneTest, TabGoesRoundTheSelectionFormOfAWall)
{
    auto* wall = new Wall(2.0f, 3.0f, 4.0f, 1.0f);
    Scene().m_pLevelGroup->AppendChild(wall);
    ++document->m_textures[0].refCount;
    document->SetSelection(wall);
    document->UpdateAllViews();
    Settle();
    wxWindow& form = Pane(frame->m_pSelectionFormView);
    const std::vector<int> order = {IDC_SELECTION_TEXTURE_BROWSE, IDC_TEXTURE_PROPERTIES,
                                    IDC_SELECTION_WIDTH,          IDC_SELECTION_DEPTH,
                                    IDC_ROTATION_ANGLE,           IDC_APPLY,
                                    IDC_SELECTION_TEXTURE_PATH};
    EXPECT_EQ(TabRound(*form.FindWindow(IDC_SELECTION_TEXTURE_PATH), 7), order);
}

TEST_F(FormPaneTest, TabGoesRoundTheTextureDialog)
{
    auto* dialog = new CTexturePropertiesDgl(Scene().m_pFloor, frame);
    Settle();
    const std::vector<int> order = {IDC_TEX_TX_SPIN,      IDC_TEX_TY,       IDC_TEX_TY_SPIN,
                                    IDC_TEX_SCALE_X,      IDC_TEX_SCALE_X_SPIN,
                                    IDC_TEX_SCALE_Y,      IDC_TEX_SCALE_Y_SPIN,
                                    IDC_TEX_ROTATION,     IDC_TEX_ROTATION_SPIN,
                                    IDC_CANCEL,           IDC_APPLY,        IDC_OK,
                                    IDC_TEX_TX};
    EXPECT_EQ(TabRound(*dialog->FindWindow(IDC_TEX_TX), 13), order);
    dialog->CloseEditor();
    Settle();
}

TEST_F(FormPaneTest, AFormScrolledDownShowsItsTopAgainInALargerWindow)
{
    FormPane& form = Pane(frame->m_pMainFormView);
    wxWindow& top = *form.FindWindow(IDC_FLOOR_TEXTURE_PATH);
    const int topY = top.GetPosition().y;
    const wxSize defaultSize = frame->GetSize();
    // Where the pane shows the field now, against where its scroll position says it is.
    auto shownOffset = [&] {
        int x = 0;
        int y = 0;
        form.GetViewStart(&x, &y);
        int unitX = 0;
        int unitY = 0;
        form.GetScrollPixelsPerUnit(&unitX, &unitY);
        return top.GetScreenPosition().y - form.GetScreenPosition().y - (topY - y * unitY);
    };

    frame->SetSize(defaultSize.x, defaultSize.y * 2 / 3);
    ASSERT_TRUE(PumpUntil([&] { return form.GetClientSize().y < form.GetVirtualSize().y; }));
    Settle();
    ClickAt(form, wxPoint(form.GetClientSize().x - 30, form.GetClientSize().y / 2));
    TurnWheel(-10);
    ASSERT_LT(top.GetScreenPosition().y, form.GetScreenPosition().y);

    frame->SetSize(defaultSize.x + 400, defaultSize.y + 300);
    ASSERT_TRUE(PumpUntil([&] { return frame->GetSize() == wxSize(defaultSize.x + 400, defaultSize.y + 300); }));
    Settle();
    EXPECT_EQ(shownOffset(), 0);
    EXPECT_GE(top.GetScreenPosition().y, form.GetScreenPosition().y);
}

TEST_F(FormPaneTest, AFieldTabbedToIsScrolledIntoView)
{
    FormPane& form = Pane(frame->m_pMainFormView);
    frame->SetSize(frame->GetSize().x, frame->GetSize().y * 2 / 3);
    ASSERT_TRUE(PumpUntil([&] { return form.GetClientSize().y < form.GetVirtualSize().y; }));
    Settle();
    wxWindow& apply = *form.FindWindow(IDC_APPLY);
    ASSERT_FALSE(form.GetScreenRect().Contains(apply.GetScreenRect()));

    EXPECT_EQ(TabRound(*form.FindWindow(IDC_FLOOR_TEXTURE_PATH), 1, wxMOD_SHIFT), std::vector<int>{IDC_APPLY});
    Settle();
    EXPECT_TRUE(form.GetScreenRect().Contains(apply.GetScreenRect()));
}

TEST_F(FormPaneTest, AFormThatIsCutOffShowsItsScrollBarAwayFromThePointer)
{
    FormPane& form = Pane(frame->m_pMainFormView);
    const wxSize defaultSize = frame->GetSize();
    frame->SetSize(defaultSize.x, defaultSize.y * 2 / 3);
    ASSERT_TRUE(PumpUntil([&] { return form.GetClientSize().y < form.GetVirtualSize().y; }));
    wxUIActionSimulator input;
    input.MouseMove(frame->m_pEditView->GetWindow()->GetScreenRect().GetPosition() + wxPoint(20, 20));
    // Long enough for a scroll bar that shows only under the pointer to fade out.
    PumpFor(1500);

    const wxRect pane = form.GetScreenRect();
    const wxImage column = ScreenPicture(wxRect(pane.GetRight() - 6, pane.y, 1, pane.height));
    const wxColour background = form.GetBackgroundColour();
    int barPixels = 0;
    for (int y = 0; y < pane.height; ++y)
        barPixels += wxColour(column.GetRed(0, y), column.GetGreen(0, y), column.GetBlue(0, y)) != background;
    EXPECT_GT(barPixels, pane.height / 2);
}

} // namespace
