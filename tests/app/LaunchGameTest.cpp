// Play > Launch Game with a stub game: the level is saved first, the game gets its arguments
// and the level's bytes, and its output and status show in the Game Output panel; a program
// that cannot start says why; a second launch while one runs asks first.
#include <wx/statusbr.h>

#include "app/CPlayCommands.h"
#include "app/GameCommand.h"
#include "framework/CWinApp.h"
#include "panels/CGameOutputPanel.h"
#include "tests/app/MainFrameFixture.h"

namespace {

class LaunchGameTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        // The game is kept in the settings, as in the editor.
        TestApp().LoadStdProfileSettings(4);
        MainFrameTest::SetUp();
    }

    void TearDown() override
    {
        CurrentAppSettings()->DeleteGroup("/Game");
        MainFrameTest::TearDown();
    }

    void SetGame(const wxString& program, const wxString& arguments, const wxString& folder)
    {
        GameCommand{program, arguments, folder}.Store(*CurrentAppSettings());
    }

    wxString Output() const { return frame->m_play->Output().Text(); }

    void LaunchByKey()
    {
        frame->m_pEditView->GetWindow()->SetFocus();
        PumpFor(50);
        PressKey('R', wxMOD_CONTROL);
    }
};

TEST_F(LaunchGameTest, AnUntitledLevelIsSavedFirstAndTheGameGetsItsArguments)
{
    TempFolder folder;
    const std::string level = folder.File("my level.xml");
    SetGame(TRELKAN_SOURCE_DIR "/tests/fixtures/game/stub-game.sh", "--level %f --folder %d --name %n",
            folder.Path());
    FileDialogAnswerer dialogs;
    dialogs.answers = {wxString(level)};

    LaunchByKey();
    ASSERT_TRUE(PumpUntil([&] { return Output().Contains("status 3"); })) << Output();
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(ReadWholeFile(folder.File("arguments")),
              "--level\n" + level + "\n--folder\n" + folder.Path() + "\n--name\nmy level\n");
    EXPECT_EQ(ReadWholeFile(folder.File("level")), ReadWholeFile(level));
    EXPECT_TRUE(Output().Contains("stub game ran\n")) << Output();
    EXPECT_TRUE(Output().Contains("a warning\n")) << Output();
    EXPECT_TRUE(frame->m_docking.GetPane("GameOutput").IsShown());
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), "The game ended with status 3");
}

TEST_F(LaunchGameTest, AProgramThatCannotStartSaysWhy)
{
    TempFolder folder;
    const std::string level = folder.File("level.xml");
    ASSERT_TRUE(document->DoSave(level));
    SetGame(folder.File("no-such-game"), "%f", "");
    LaunchByKey();
    ASSERT_TRUE(PumpUntil([&] { return Output().Contains("could not be started"); }));
    const wxString reason = "The game could not be started: \"" + folder.File("no-such-game") + "\" does not exist";
    EXPECT_TRUE(Output().Contains(reason)) << Output();
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), reason);
}

TEST_F(LaunchGameTest, LaunchingWhileTheGameRunsAsksFirst)
{
    TempFolder folder;
    ASSERT_TRUE(document->DoSave(folder.File("level.xml")));
    SetGame("sleep", "1", "");
    MessageBoxRecorder boxes;
    boxes.answers = {wxNO};
    LaunchByKey();
    ASSERT_TRUE(PumpUntil([&] { return Output().Contains("Started: "); }));
    LaunchByKey();
    ASSERT_TRUE(PumpUntil([&] { return !boxes.shown.empty(); }));
    EXPECT_TRUE(boxes.shown.front().text.Contains("still running"));
    ASSERT_TRUE(PumpUntil([&] { return Output().Contains("status 0"); }));
    EXPECT_EQ(Output().Freq('\n'), 2) << Output();
}

} // namespace
