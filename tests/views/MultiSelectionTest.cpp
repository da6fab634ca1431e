// The selection as a set in the real main frame: box select, Shift+click, a press that drags at
// once, Duplicate and Delete on several objects, with real input.
#include <wx/menu.h>

#include "framework/Resource.h"
#include "document/NodeListCommand.h"
#include "framework/CCommandProcessor.h"
#include "framework/StandardIds.h"
#include "level/Item.h"
#include "level/Wall.h"
#include "tests/views/ViewFixture.h"

namespace {

class MultiSelectionTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        if (HasFatalFailure())
            return;
        AddRowOfWallsAndAnItem();
    }

    CSGNode* Child(std::size_t fromEnd) { return LevelGroup().GetChild(static_cast<unsigned>(LevelGroup().ChildCount() - fromEnd)); }
    void ClickLevel(double x, double z, int modifiers = 0)
    {
        MoveToLevel(x, z);
        if (modifiers)
            input.KeyDown(WXK_SHIFT);
        Press();
        Release();
        if (modifiers)
            input.KeyUp(WXK_SHIFT);
        PumpFor(60);
    }
    wxString UndoLabel()
    {
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        PumpFor(30);
        return frame->GetMenuBar()->FindItem(StandardId::EditUndo)->GetItemLabel();
    }
};

TEST_F(MultiSelectionTest, EveryActionTakesTheWholeSelection)
{
    const std::size_t before = LevelGroup().ChildCount();
    auto* first = static_cast<Wall*>(Child(4));
    CSGNode* item = Child(1);

    // A band from empty floor around the three walls.
    MoveToLevel(-8.0, -6.0);
    Press();
    MoveToLevel(0.0, -5.0);
    MoveToLevel(4.0, -2.0);
    Release();
    EXPECT_EQ(document->m_selection.Size(), 3u);
    EXPECT_TRUE(document->m_selection.Contains(first));

    ClickLevel(6.0, 4.0, wxMOD_SHIFT);
    EXPECT_TRUE(document->m_selection.Contains(item));
    ClickLevel(-6.0, -4.0, wxMOD_SHIFT);
    EXPECT_FALSE(document->m_selection.Contains(first));
    ASSERT_EQ(document->m_selection.Size(), 3u);

    PressKey(WXK_DELETE);
    PumpFor(80);
    EXPECT_EQ(LevelGroup().ChildCount(), before - 3);
    EXPECT_EQ(UndoLabel(), "&Undo Delete 3 Objects\tCtrl+Z");
    PressKey('Z', wxMOD_CONTROL);
    PumpFor(80);
    EXPECT_EQ(LevelGroup().ChildCount(), before);
    EXPECT_EQ(document->m_selection.Size(), 3u) << "undo selects what it brought back";

    // A press on an unselected wall drags it at once, its corner on the grid, in one step.
    MoveToLevel(-6.0, -4.0);
    Press();
    MoveToLevel(-4.0, -3.0);
    MoveToLevel(-2.1, -1.9);
    Release();
    EXPECT_EQ(document->SelectedNode(), first);
    EXPECT_FLOAT_EQ(first->x, -2.0f);
    EXPECT_FLOAT_EQ(first->z, -1.5f);
    EXPECT_EQ(UndoLabel(), "&Undo Move Wall\tCtrl+Z");

    ASSERT_TRUE(Command(ID_EDIT_DUPLICATE));
    PumpFor(80);
    auto* copy = dynamic_cast<Wall*>(document->SelectedNode());
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, first);
    EXPECT_FLOAT_EQ(copy->x, -1.0f);
    EXPECT_FLOAT_EQ(copy->z, -0.5f);
    EXPECT_EQ(UndoLabel(), "&Undo Duplicate Wall\tCtrl+Z");

    ASSERT_TRUE(Command(ID_EDIT_SELECT_ALL));
    EXPECT_EQ(document->m_selection.Size(), 5u);
}

} // namespace
