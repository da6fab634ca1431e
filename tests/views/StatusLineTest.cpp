// What the status bar says after each action, with real input: every command leaves one line
// that names what it did, and a picked object's text follows the object through its changes.
#include <functional>

#include "document/NodeListCommand.h"
#include "level/Item.h"
#include "level/Wall.h"
#include "tests/support/TempFolder.h"
#include "tests/views/ViewFixture.h"

namespace {

class StatusLineTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        if (HasFatalFailure())
            return;
        AddRowOfWallsAndAnItem();
        document->m_selection.Clear();
        Redraw();
        edit->GetCanvas()->SetFocus();
    }
    // Without a move between press and release.
    void Click(double x, double z)
    {
        MoveToLevel(x, z);
        Press();
        Release();
    }
};

TEST_F(StatusLineTest, EachActionLeavesOneLineNamingWhatItDid)
{
    TempFolder folder;
    FileDialogAnswerer dialogs;
    dialogs.answers = {wxString(folder.File("maze.xml"))};
    struct Step {
        const char* action;
        std::function<void()> run;
        const wchar_t* status; // null: anything but the words in `not`
        const char* notSaying = "";
    };
    const Step steps[] = {
        {"band", [&] { DragLevel(-8.0, -6.0, 4.0, -2.0); }, L"Selected 3 walls"},
        {"duplicate", [] { PressKey('D', wxMOD_CONTROL); }, L"Duplicated 3 walls"},
        {"delete", [] { PressKey(WXK_DELETE); }, L"Deleted 3 walls"},
        {"select all", [] { PressKey('A', wxMOD_CONTROL); }, L"Selected 4 objects"},
        {"copy", [] { PressKey('C', wxMOD_CONTROL); }, L"Copied 4 objects to the clipboard"},
        {"band over nothing", [&] { DragLevel(-7.0, 5.0, -5.0, 7.0); }, L"Nothing selected"},
        {"save", [] { PressKey('S', wxMOD_CONTROL); }, L"Saved maze.xml"},
        {"pick", [&] { Click(6.0, 4.0); }, L"Item \"Normal\" at (6, 4)"},
        {"move by key", [] { PressKey(WXK_RIGHT); }, L"Item \"Normal\" at (7, 4)"},
        {"undo", [] { PressKey('Z', wxMOD_CONTROL); }, L"Item \"Normal\" at (6, 4)"},
        {"redo", [] { PressKey('Y', wxMOD_CONTROL); }, L"Item \"Normal\" at (7, 4)"},
        {"drag", [&] { DragLevel(7.0, 4.0, 9.0, 4.0); }, L"Moved 1 item"},
        {"undo after a line", [] { PressKey('Z', wxMOD_CONTROL); }, L"Undone: Move Item"},
        {"wall click", [&] {
             PressKey('W');
             Click(-4.0, 6.0);
         }, nullptr, "New wall"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.action);
        step.run();
        PumpFor(60);
        if (step.status)
            EXPECT_EQ(Status(), wxString(step.status));
        else
            EXPECT_FALSE(Status().Contains(step.notSaying)) << Status();
    }
}

} // namespace
