// Undo, redo, the clipboard and gesture endings in the real main frame, with real input.
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include "forms/CSelectionFormView.h"
#include "forms/DialogTemplates.h"
#include "forms/FieldText.h"
#include "framework/CCommandProcessor.h"
#include "framework/StandardIds.h"
#include "level/Wall.h"
#include "tests/support/TempFolder.h"
#include "tests/views/ViewFixture.h"

namespace {

class EditHistoryTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        if (HasFatalFailure())
            return;
        edit->m_zoom = 0.2f;
        Redraw();
    }

    // Drags out a wall between two level points in Create Wall mode, leaving the button held.
    void StartWall(double x0, double z0, double x1, double z1)
    {
        Command(ID_MODE_CREATE_WALL);
        MoveToLevel(x0, z0);
        Press();
        MoveToLevel(x1, z1);
    }

    Wall* LastWall()
    {
        return dynamic_cast<Wall*>(LevelGroup().GetChild(static_cast<unsigned>(LevelGroup().ChildCount() - 1)));
    }

    wxString MenuLabel(int id)
    {
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        PumpFor(30);
        return frame->GetMenuBar()->FindItem(id)->GetItemLabel();
    }

    void Key(int code, int modifiers = 0)
    {
        PressKey(code, modifiers);
        PumpFor(80);
    }
};

TEST_F(EditHistoryTest, KeysUndoAndRedoAWallWithTheTitleMarkAndMenuTexts)
{
    StartWall(1.0, 1.0, 4.0, 2.0);
    Release();
    ASSERT_NE(LastWall(), nullptr);
    const std::size_t withWall = LevelGroup().ChildCount();
    EXPECT_EQ(frame->GetTitle(), "*Untitled - Trelkan");
    EXPECT_EQ(MenuLabel(StandardId::EditUndo), "&Undo Create Wall\tCtrl+Z");

    Key('Z', wxMOD_CONTROL);
    EXPECT_EQ(LevelGroup().ChildCount(), withWall - 1);
    EXPECT_EQ(frame->GetTitle(), "Untitled - Trelkan");
    EXPECT_EQ(MenuLabel(StandardId::EditRedo), "&Redo Create Wall\tCtrl+Y");
    EXPECT_FALSE(frame->GetMenuBar()->FindItem(StandardId::EditUndo)->IsEnabled());

    Key('Z', wxMOD_CONTROL | wxMOD_SHIFT);
    EXPECT_EQ(LevelGroup().ChildCount(), withWall);
    Key('Z', wxMOD_CONTROL);
    Key('Y', wxMOD_CONTROL);
    EXPECT_EQ(LevelGroup().ChildCount(), withWall);
    EXPECT_EQ(frame->GetTitle(), "*Untitled - Trelkan");
}

TEST_F(EditHistoryTest, AnotherButtonOrAReleaseOutsideNeverLeavesAGestureHalfAlive)
{
    StartWall(1.0, 1.0, 4.0, 3.0);
    Press(wxMOUSE_BTN_MIDDLE);
    Release(wxMOUSE_BTN_MIDDLE);
    EXPECT_NE(edit->RunningGesture(), EditGesture::Kind::Pan);
    EXPECT_EQ(edit->RunningGesture(), EditGesture::Kind::Wall) << "the middle button takes nothing from the wall";
    // Released over the preview: the wall ends there, as one step.
    MoveTo(*preview->GetCanvas(), wxPoint(20, 20));
    Release();
    MoveToLevel(0.0, 0.0);
    EXPECT_FALSE(edit->GestureRunning());
    EXPECT_FALSE(edit->GetCanvas()->HasCapture());
    EXPECT_TRUE(document->GetHistory()->CanUndo());
}

TEST_F(EditHistoryTest, EscapeCancelsADragAndArrowsMoveTheSelectionOneStepEach)
{
    StartWall(1.0, 1.0, 4.0, 2.0);
    Release();
    Wall* wall = LastWall();
    ASSERT_NE(wall, nullptr);
    const float x = wall->x;
    const float z = wall->z;
    Command(ID_MODE_SELECT);
    MoveToLevel(x, z);
    Press(); // the selected wall: a drag starts
    MoveToLevel(x + 5.0, z + 3.0);
    ASSERT_EQ(edit->RunningGesture(), EditGesture::Kind::Drag);
    Key(WXK_ESCAPE);
    EXPECT_FALSE(edit->GestureRunning());
    EXPECT_EQ(wall->x, x);
    EXPECT_EQ(wall->z, z);
    Release();
    EXPECT_EQ(wall->x, x);

    Key(WXK_RIGHT);
    Key(WXK_DOWN, wxMOD_SHIFT);
    EXPECT_FLOAT_EQ(wall->x, x + 1.0f);
    EXPECT_FLOAT_EQ(wall->z, z + 0.1f);
    EXPECT_EQ(MenuLabel(StandardId::EditUndo), "&Undo Move Wall\tCtrl+Z");
    Key('Z', wxMOD_CONTROL);
    Key('Z', wxMOD_CONTROL);
    EXPECT_EQ(wall->x, x);
    EXPECT_EQ(wall->z, z);
}

TEST_F(EditHistoryTest, NewDuringAGestureCancelsItAndLeavesTheNewLevelUnmodified)
{
    StartWall(1.0, 1.0, 4.0, 2.0);
    Key('N', wxMOD_CONTROL);
    Release();
    EXPECT_FALSE(edit->GestureRunning());
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(document->GetHistory()->CanUndo());
}

TEST_F(EditHistoryTest, CopiedWallPastesAtThePointerAndJunkChangesNothing)
{
    StartWall(1.0, 1.0, 3.0, 2.0);
    Release();
    Wall* wall = LastWall();
    ASSERT_TRUE(document->AssignTextureFile(*wall, "../data/Textures/Walls/brick.jpg"));
    Command(ID_MODE_SELECT);
    Key('C', wxMOD_CONTROL);
    MoveToLevel(-2.2, -1.1);
    Key('V', wxMOD_CONTROL);
    Wall* pasted = LastWall();
    ASSERT_NE(pasted, wall);
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(document->SelectedNode(), pasted);
    // Moved in whole grid steps, to the place nearest the pointer.
    EXPECT_FLOAT_EQ(pasted->x, wall->x + std::round(-2.2f - wall->x));
    EXPECT_FLOAT_EQ(pasted->z, wall->z + std::round(-1.1f - wall->z));
    EXPECT_EQ(pasted->GetTextureID(), wall->GetTextureID());
    EXPECT_EQ(document->m_textures[static_cast<std::size_t>(wall->GetTextureID())].refCount, 2);
    EXPECT_EQ(MenuLabel(StandardId::EditUndo), "&Undo Paste\tCtrl+Z");

    Key('X', wxMOD_CONTROL);
    EXPECT_FALSE(LevelGroup().FindChild(pasted));
    EXPECT_EQ(MenuLabel(StandardId::EditUndo), "&Undo Cut Wall\tCtrl+Z");

    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject("<Bonus Points = \"3\" />"));
    wxTheClipboard->Close();
    const std::size_t children = LevelGroup().ChildCount();
    Key('V', wxMOD_CONTROL);
    EXPECT_EQ(LevelGroup().ChildCount(), children);
    EXPECT_EQ(Status(), "The clipboard holds no walls or items to paste.");
}

TEST_F(EditHistoryTest, AFocusedTextFieldTakesTheEditingKeys)
{
    StartWall(1.0, 1.0, 3.0, 2.0);
    Release();
    Wall* wall = LastWall();
    ASSERT_EQ(document->SelectedNode(), wall);
    auto& width = *FindControl<wxTextCtrl>(*frame->m_pSelectionFormView->GetWindow(), IDC_SELECTION_WIDTH);
    width.SetFocus();
    width.SetValue("12.50");
    width.SetSelection(0, 2);
    PumpFor(50);
    Key(WXK_DELETE);
    EXPECT_EQ(width.GetValue(), ".50");
    Key('Z', wxMOD_CONTROL);
    Key('X', wxMOD_CONTROL);
    EXPECT_TRUE(LevelGroup().FindChild(wall)) << "the keys went to the text, not the level";
    EXPECT_EQ(document->SelectedNode(), wall);
}

// A key in the middle of a gesture first cancels the gesture, as Escape does, then acts on the
// level as it was before the press: nothing of the gesture is left, stepped or brought back.
TEST_F(EditHistoryTest, AKeyInTheMiddleOfAGestureCancelsItBeforeItActs)
{
    enum class Gesture { Wall, Drag };
    struct Case {
        Gesture gesture;
        int key, modifiers;
        int children; // walls left, of the one drawn before the gesture
        const char* undo;
    };
    const Case cases[] = {
        {Gesture::Wall, WXK_ESCAPE, 0, 1, "&Undo Create Wall\tCtrl+Z"},
        {Gesture::Wall, WXK_DELETE, 0, 0, "&Undo Delete Wall\tCtrl+Z"},
        {Gesture::Wall, 'Z', wxMOD_CONTROL, 0, "&Undo\tCtrl+Z"},
        {Gesture::Drag, 'Z', wxMOD_CONTROL, 0, "&Undo\tCtrl+Z"},
        {Gesture::Drag, WXK_DELETE, 0, 0, "&Undo Delete Wall\tCtrl+Z"},
    };
    MessageBoxRecorder boxes; // New asks to save: No
    const std::size_t empty = LevelGroup().ChildCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        Key('N', wxMOD_CONTROL);
        StartWall(1.0, 1.0, 4.0, 2.0);
        Release();
        Wall* wall = LastWall();
        ASSERT_NE(wall, nullptr);
        if (c.gesture == Gesture::Wall) {
            StartWall(-3.0, -2.0, -1.0, -1.0);
        } else {
            Command(ID_MODE_SELECT);
            MoveToLevel(wall->x, wall->z);
            Press();
            MoveToLevel(wall->x + 3.0, wall->z + 2.0);
        }
        ASSERT_TRUE(edit->GestureRunning());
        Key(c.key, c.modifiers);
        EXPECT_FALSE(edit->GestureRunning());
        MoveToLevel(7.0, 7.0);
        Release();
        EXPECT_EQ(LevelGroup().ChildCount(), empty + c.children);
        EXPECT_EQ(MenuLabel(StandardId::EditUndo), c.undo);
        if (c.children == 1) {
            EXPECT_EQ(document->SelectedNode(), wall) << "the selection before the press comes back";
        }
        // Redo brings back only steps: the wall as it was drawn, never the gesture's.
        while (document->GetHistory()->CanRedo())
            Key('Y', wxMOD_CONTROL);
        EXPECT_EQ(LevelGroup().ChildCount(), empty + (c.key == WXK_DELETE ? 0 : 1));
        if (LevelGroup().ChildCount() > empty) {
            EXPECT_FLOAT_EQ(LastWall()->x, 2.5f);
        }
    }
}

// Saved after a step, then undone past it onto a new branch: the saved state is gone, so the
// level differs from its file until it is saved again.
TEST_F(EditHistoryTest, ASavedStepCutOffByANewBranchLeavesTheLevelModified)
{
    StartWall(1.0, 1.0, 4.0, 2.0);
    Release();
    TempFolder folder;
    FileDialogAnswerer files;
    files.answers.push_back(wxString(folder.File("cut.xml")));
    Key(WXK_RIGHT);
    Key('S', wxMOD_CONTROL);
    ASSERT_FALSE(document->IsModified());
    Key('Z', wxMOD_CONTROL);
    Key(WXK_DOWN);
    Key('Z', wxMOD_CONTROL);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(frame->GetTitle(), "*cut.xml - Trelkan");
    Key('Y', wxMOD_CONTROL);
    Key('Z', wxMOD_CONTROL);
    EXPECT_TRUE(document->IsModified());
}

} // namespace
