// Typed values are never lost: a form field applies its text on Enter, when the focus leaves it
// and before any command; a refused text stops the command, is marked and the status bar says
// why; Enter, Escape and the item type list give the keyboard back to the edit view. Real input
// to the main window at its first-run size.
#include <wx/combobox.h>
#include <wx/statusbr.h>

#include "framework/CCommandProcessor.h"
#include "level/Item.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "tests/forms/FormFixture.h"
#include "tests/views/ViewFixture.h"

namespace {

const char* const WIDTH_REFUSED = "Not a valid value for selection width! (valid range: 1-99 units)";

// What comes after a typed text: a key with its modifiers, or (no key) a click in the edit view
// on the floor, away from the walls.
struct Next {
    const char* name;
    int key, modifiers;
};
const Next CLICK{"a click in the edit view", 0, 0};

class PendingFieldTest : public FormTest {
public:
    void SetUp() override
    {
        MainFrameTest::SetUp(); // the first-run size, unlike the other form tests
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(WaitUntilShown(*frame->m_pEditView->GetCanvas()));
    }

    template <class Node>
    Node* Add(Node* node)
    {
        Scene().m_pLevelGroup->AppendChild(node);
        if (auto* wall = dynamic_cast<Wall*>(static_cast<CSGNode*>(node)))
            ++document->m_textures[wall->GetTextureID()].refCount;
        return node;
    }
    void SelectAll(const std::vector<CSGNode*>& nodes)
    {
        document->m_selection.Set(nodes);
        document->UpdateAllViews();
        Settle();
    }
    Wall* SelectedWall()
    {
        Wall* wall = Add(new Wall(2.0f, 3.0f, 8.0f, 1.0f));
        SelectAll({wall});
        return wall;
    }

    void Press(int key, int modifiers = 0)
    {
        PressKey(key, modifiers);
        Settle();
    }
    void Run(const Next& next);

    wxString Status() { return frame->GetStatusBar()->GetStatusText(0); }
    std::size_t Steps() { return document->GetHistory()->GetCommands().GetCount(); }
    wxString LastStep() { return document->GetHistory()->GetCurrentCommand()->GetName(); }
    bool KeysInEditView() { return wxWindow::FindFocus() == frame->m_pEditView->GetCanvas(); }
    bool Marked(int id)
    {
        long from = 0;
        long to = 0;
        Edit(SelectionForm(), id).GetSelection(&from, &to);
        return HasFocus(SelectionForm(), id) && from == 0 && to == Edit(SelectionForm(), id).GetLastPosition();
    }

    TempFolder folder;
};

void PendingFieldTest::Run(const Next& next)
{
    if (next.key != 0)
        return Press(next.key, next.modifiers);
    ClickAt(*frame->m_pEditView->GetCanvas(), EditViewPixel(*frame->m_pEditView, -6.0, -5.0));
    Settle();
}

// "3" typed into a wall's width, then each way the text may leave the field: the wall is 3
// wide through one step named for the field, and a save writes it.
TEST_F(PendingFieldTest, TypedTextIsAppliedByWhateverComesNext)
{
    const std::string path = folder.File("level.xml");
    document->SetPathName(path);
    for (const Next& next : {Next{"Ctrl+S", 'S', wxMOD_CONTROL}, Next{"Enter", WXK_RETURN, 0}, Next{"Tab", WXK_TAB, 0},
                             Next{"F6", WXK_F6, 0}, CLICK}) {
        SCOPED_TRACE(next.name);
        Wall* wall = SelectedWall();
        const std::size_t steps = Steps();
        Type(SelectionForm(), IDC_SELECTION_WIDTH, "3");
        Run(next);
        EXPECT_FLOAT_EQ(wall->Width, 3.0f);
        EXPECT_EQ(Steps(), steps + 1);
        EXPECT_EQ(LastStep(), "Set Width of Wall");
    }
    EXPECT_NE(ReadWholeFile(path).find("Width = \"3.000000\""), std::string::npos);
}

// A text that is no valid width stops each command: nothing happens, the status bar says why
// and the field is marked, ready to be typed over.
TEST_F(PendingFieldTest, ARefusedTextStopsTheCommandAndSaysWhy)
{
    const std::string path = folder.File("level.xml");
    document->SetPathName(path);
    Wall* wall = SelectedWall();
    MessageBoxRecorder boxes;
    for (const char* text : {"abc", "0.5", "100", ""}) {
        for (const Next& command : {Next{"Ctrl+S", 'S', wxMOD_CONTROL}, Next{"Ctrl+N", 'N', wxMOD_CONTROL},
                                    Next{"Enter", WXK_RETURN, 0}, CLICK}) {
            SCOPED_TRACE(std::string(command.name) + " after \"" + text + "\"");
            const std::size_t steps = Steps();
            Type(SelectionForm(), IDC_SELECTION_WIDTH, text);
            Run(command);
            EXPECT_EQ(Steps(), steps);
            EXPECT_FLOAT_EQ(wall->Width, 8.0f);
            EXPECT_EQ(document->m_selection.Nodes(), std::vector<CSGNode*>{wall});
            EXPECT_EQ(Status(), WIDTH_REFUSED);
            EXPECT_TRUE(Marked(IDC_SELECTION_WIDTH));
            EXPECT_EQ(Text(SelectionForm(), IDC_SELECTION_WIDTH), text);
        }
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(wxFileExists(path));
}

// After Enter or Escape in a field, or a choice in the item type list, W is the edit view's
// mode key again, not a letter of the field.
TEST_F(PendingFieldTest, EnterEscapeAndTheTypeListGiveTheKeysBack)
{
    for (const auto& [ending, width] : {std::pair{Next{"Enter", WXK_RETURN, 0}, 3.0f}, {Next{"Escape", WXK_ESCAPE, 0}, 8.0f}}) {
        SCOPED_TRACE(ending.name);
        frame->m_pEditView->m_mode = CEditGLView::MODE_SELECT;
        Wall* wall = SelectedWall();
        Type(SelectionForm(), IDC_SELECTION_WIDTH, "3");
        Run(ending);
        EXPECT_FLOAT_EQ(wall->Width, width);
        EXPECT_EQ(Text(SelectionForm(), IDC_SELECTION_WIDTH), width == 3.0f ? "3.00" : "8.00");
        EXPECT_TRUE(KeysInEditView());
        Press('W');
        EXPECT_EQ(frame->m_pEditView->m_mode, CEditGLView::MODE_CREATE_WALL);
    }

    Item* item = Add(new Item(1.0f, 0.0f, 1.0f, ITEM_NORMAL));
    SelectAll({item});
    auto& types = *FindControl<wxComboBox>(SelectionForm(), IDC_ITEM_TYPE);
    types.SetFocus();
    Settle();
    types.SetSelection(1);
    wxCommandEvent chosen(wxEVT_COMBOBOX, IDC_ITEM_TYPE);
    chosen.SetEventObject(&types);
    types.ProcessWindowEvent(chosen);
    Settle();
    EXPECT_EQ(item->ItemTypeID, ITEM_LIFE_EXTRA);
    EXPECT_EQ(LastStep(), "Set Type of Item");
    EXPECT_TRUE(KeysInEditView());
    Press('S');
    EXPECT_EQ(frame->m_pEditView->m_mode, CEditGLView::MODE_SELECT);
}

// A step says which field of what changed; leaving a field applies it, so each field typed is
// a step of its own.
TEST_F(PendingFieldTest, StepsAreNamedForTheFieldAndTheObjects)
{
    const std::vector<CSGNode*> walls = {Add(new Wall(2.0f, 3.0f, 8.0f, 1.0f)), Add(new Wall(-2.0f, 3.0f, 8.0f, 1.0f)),
                                         Add(new Wall(2.0f, -3.0f, 8.0f, 1.0f))};
    const std::vector<CSGNode*> items = {Add(new Item(1.0f, 0.0f, 1.0f, ITEM_NO_GROWTH)),
                                         Add(new Item(3.0f, 0.0f, 1.0f, ITEM_NORMAL))};
    struct Case {
        const std::vector<CSGNode*>* nodes;
        std::vector<std::pair<int, const char*>> typed;
        const char* step;
    };
    const Case cases[] = {
        {&walls, {{IDC_SELECTION_WIDTH, "3"}}, "Set Width of 3 Walls"},
        {&items, {{IDC_POSITION_X, "4"}}, "Move 2 Items"},
        {&items, {{IDC_POSITION_X, "5"}, {IDC_POSITION_Z, "2"}}, "Move 2 Items"},
        {&walls, {{IDC_ROTATION_ANGLE, "30"}}, "Set Rotation of 3 Walls"},
    };
    for (const Case& c : cases) {
        SelectAll(*c.nodes);
        for (const auto& [id, text] : c.typed)
            Type(SelectionForm(), id, text);
        Click(SelectionForm(), IDC_APPLY);
        EXPECT_EQ(LastStep(), c.step);
    }
    Type(LevelForm(), IDC_TURNING_ANGLE, "45");
    Press(WXK_RETURN);
    EXPECT_EQ(LastStep(), "Set Snake Turning Angle");
}

} // namespace
