// Two editor processes on one display: a wall copied in one pastes into the other, and the
// changes of an editor killed without closing come back at the next start.
#include <chrono>
#include <filesystem>

#include <signal.h>

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/uiaction.h>

#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/Wall.h"
#include "tests/app/MainFrameFixture.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowEditorProcess.h"
#include "tests/views/ViewFixture.h"

namespace {

// The sample level's wall of 8 x 1 at (-3, -3) pasted with the pointer at (-3.8, 9.2): moved by
// whole grid steps to (-4, 9), as the writer writes its place and size.
const char* const PASTED = "CenterX = \"-4.000000\" CenterZ = \"9.000000\" Width = \"8.000000\" Depth = \"1.000000\"";
const double POINTER_X = -3.8;
const double POINTER_Z = 9.2;

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class EditorProcessesTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        if (HasFatalFailure())
            return;
        sample = ReadWholeFile("../data/Levels/sample.xml");
        ASSERT_FALSE(sample.empty());
        ASSERT_TRUE(manager->OpenDocumentFile(Level("here.xml")));
        ASSERT_TRUE(WaitUntilShown(*frame->m_pEditView->GetCanvas()));
        RedrawGLPanes(*frame);
    }

    // A copy of the sample level in the test's folder.
    std::string Level(const std::string& name)
    {
        const std::string path = folder.File(name);
        if (!std::filesystem::exists(path))
            WriteWholeFile(path, sample);
        return path;
    }

    // Where level point (x, z) of the edit view lies from the frame's top left: the same in
    // another editor showing the same level in a frame of the same first-run size.
    wxPoint FromFrame(double x, double z) const
    {
        return frame->m_pEditView->GetCanvas()->ClientToScreen(EditViewPixel(*frame->m_pEditView, x, z)) -
               frame->GetScreenPosition();
    }

    // Real input in this editor's edit view: a click at (x, z), then `key` with Ctrl.
    void ClickAndKeyHere(double x, double z, int key)
    {
        frame->Raise();
        PumpFor(200);
        ClickAt(*frame->m_pEditView->GetCanvas(), EditViewPixel(*frame->m_pEditView, x, z));
        PressKey(key, wxMOD_CONTROL);
        PumpFor(300);
    }

    // The same in the other editor's window.
    static void ClickAndKeyThere(EditorProcess& editor, const wxPoint& fromFrame, int key)
    {
        editor.PointAt(fromFrame);
        wxUIActionSimulator().MouseClick();
        PumpFor(200);
        PressKey(key, wxMOD_CONTROL);
        PumpFor(500);
    }

    // Waits for the other editor's main window with `title`, and for it to take input.
    static bool WaitForEditor(EditorProcess& editor, const std::string& title)
    {
        if (!editor.WaitForWindow([&](const std::string& shown) { return shown == title; }))
            return false;
        PumpFor(2500);
        return true;
    }

    static bool FileChangesFrom(const std::string& path, const std::string& before)
    {
        return PumpUntil([&] { return ReadWholeFile(path) != before; }, 30000);
    }

    // Waits for a message box of the other editor: a window that is not its main window.
    static bool WaitForBox(EditorProcess& editor, int timeoutMs = 30000)
    {
        return editor.WaitForWindow([](const std::string& title) { return !EndsWith(title, "- Trelkan"); }, timeoutMs);
    }

    // Answers the box found last with `key` (Return: the first button).
    static void Answer(EditorProcess& editor, int key)
    {
        editor.PointAt(wxPoint(editor.ScreenRect().width / 2, editor.ScreenRect().height / 2));
        PressKey(key);
    }

    TempFolder folder;
    std::string sample;
};

TEST_F(EditorProcessesTest, AWallCopiedInOneEditorPastesIntoAnotherAndBack)
{
    ClickAndKeyHere(-1.0, -3.0, 'C');
    ASSERT_EQ(document->SelectedNode()->GetType(), WALL_NODE);

    EditorProcess other({Level("there.xml")}, folder.File("other-home"));
    ASSERT_TRUE(WaitForEditor(other, "there.xml - Trelkan"));
    ClickAndKeyThere(other, FromFrame(POINTER_X, POINTER_Z), 'V');
    EXPECT_EQ(other.Title(), "*there.xml - Trelkan");
    ClickAndKeyThere(other, FromFrame(POINTER_X, POINTER_Z), 'S');
    ASSERT_TRUE(FileChangesFrom(Level("there.xml"), sample));
    const std::string saved = ReadWholeFile(Level("there.xml"));
    const std::size_t wall = saved.find(PASTED);
    ASSERT_NE(wall, std::string::npos) << "pasted in whole grid steps nearest the pointer";
    EXPECT_EQ(saved.compare(saved.find("TextureID", wall), 15, "TextureID = \"3\""), 0)
        << "the wood image keeps its row of the other level";

    // Back: the other editor copies its upright wall of 1 x 8 at (6, 4), this one pastes it.
    ClickAndKeyThere(other, FromFrame(6.0, 2.0), 'C');
    const std::size_t children = document->m_pScene->m_pLevelGroup->ChildCount();
    ClickAndKeyHere(5.2, -8.8, 'V');
    ASSERT_EQ(document->m_pScene->m_pLevelGroup->ChildCount(), children + 1);
    const auto* pasted = dynamic_cast<const Wall*>(document->SelectedNode());
    ASSERT_NE(pasted, nullptr);
    EXPECT_FLOAT_EQ(pasted->x, 5.0f);
    EXPECT_FLOAT_EQ(pasted->z, -9.0f);
    EXPECT_FLOAT_EQ(pasted->Width, 1.0f);
    EXPECT_FLOAT_EQ(pasted->Depth, 8.0f);

    // Anything else on the clipboard changes nothing over there.
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject("<Wall Width = \"2\""));
    wxTheClipboard->Close();
    ClickAndKeyThere(other, FromFrame(POINTER_X, POINTER_Z), 'V');
    EXPECT_EQ(other.Title(), "there.xml - Trelkan");
}

TEST_F(EditorProcessesTest, ChangesOfAKilledEditorAreOfferedAtTheNextStartAndRestored)
{
    ClickAndKeyHere(-1.0, -3.0, 'C');
    const std::string level = Level("killed.xml");
    const std::string home = folder.File("home");
    {
        EditorProcess killed({level}, home, {"TRELKAN_AUTOSAVE_SECONDS=1"});
        ASSERT_TRUE(WaitForEditor(killed, "killed.xml - Trelkan"));
        ClickAndKeyThere(killed, FromFrame(POINTER_X, POINTER_Z), 'V');
        const auto autosaved = [&] {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(home))
                if (entry.path().extension() == ".xml")
                    return true;
            return false;
        };
        ASSERT_TRUE(PumpUntil(autosaved, 30000));
        {
            EditorProcess meanwhile({}, home);
            ASSERT_TRUE(WaitForEditor(meanwhile, "Untitled - Trelkan"));
            EXPECT_FALSE(WaitForBox(meanwhile, 3000)) << "the copy of a running editor is never offered";
        }
        // A checkout or a touch: the file is newer than the copy, with the bytes it had.
        std::filesystem::last_write_time(level, std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
        killed.Kill(SIGKILL);
    }

    EditorProcess restarted({}, home);
    ASSERT_TRUE(WaitForBox(restarted)) << "the recovery offer";
    Answer(restarted, WXK_RETURN); // Yes
    ASSERT_TRUE(WaitForEditor(restarted, "*killed.xml - Trelkan"));
    EXPECT_EQ(ReadWholeFile(level), sample) << "the level's own file waits for a save";
    ClickAndKeyThere(restarted, FromFrame(POINTER_X, POINTER_Z), 'S');
    ASSERT_TRUE(FileChangesFrom(level, sample));
    EXPECT_NE(ReadWholeFile(level).find(PASTED), std::string::npos);
    EXPECT_TRUE(PumpUntil([&] { return restarted.Title() == "killed.xml - Trelkan"; }, 5000));
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home))
        EXPECT_NE(entry.path().extension(), ".xml") << "the copies go once the level is saved: " << entry.path();
}

TEST_F(EditorProcessesTest, ASecondEditorOnALevelIsToldAndSavingOverAnotherProgramsChangeAsks)
{
    ClickAndKeyHere(-1.0, -3.0, 'C');
    const std::string level = Level("shared.xml");
    const std::string home = folder.File("home");
    EditorProcess first({level}, home);
    ASSERT_TRUE(WaitForEditor(first, "shared.xml - Trelkan"));
    EditorProcess second({level}, home);
    ASSERT_TRUE(WaitForBox(second)) << "told that another editor has the level open";
    Answer(second, WXK_RETURN); // open it anyway
    ASSERT_TRUE(WaitForEditor(second, "shared.xml - Trelkan"));

    ClickAndKeyThere(second, FromFrame(POINTER_X, POINTER_Z), 'V');
    ASSERT_EQ(second.Title(), "*shared.xml - Trelkan");
    std::string theirs = sample;
    theirs.replace(theirs.find("Width = \"8.000000\""), 18, "Width = \"9.000000\"");
    WriteWholeFile(level, theirs);
    PressKey('S', wxMOD_CONTROL);
    ASSERT_TRUE(WaitForBox(second)) << "Overwrite, Save As..., Cancel";
    Answer(second, WXK_ESCAPE);
    ASSERT_TRUE(WaitForEditor(second, "*shared.xml - Trelkan"));
    EXPECT_EQ(ReadWholeFile(level), theirs) << "cancelled: the other program's change stays";

    ClickAndKeyThere(second, FromFrame(POINTER_X, POINTER_Z), 'S');
    ASSERT_TRUE(WaitForBox(second)) << "asked again at the next Save";
    Answer(second, WXK_RETURN); // Overwrite
    ASSERT_TRUE(FileChangesFrom(level, theirs));
    EXPECT_NE(ReadWholeFile(level).find(PASTED), std::string::npos);
    EXPECT_TRUE(WaitForEditor(second, "shared.xml - Trelkan"));
}

} // namespace
