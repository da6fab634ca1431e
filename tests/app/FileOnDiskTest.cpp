// Another program changes the level's file: activating the editor reloads a level without
// changes and asks about one with changes, and Save asks before it replaces the other's bytes. A
// level kept over the changed file stays modified through undo; a file that cannot be read is
// said once, in a bar with Reload and Dismiss, and the level stays.
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/infobar.h>
#include <wx/generic/infobar.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include "tests/app/LevelEditing.h"
#include "tests/app/MainFrameFixture.h"
#include "tests/support/TempFolder.h"

namespace {

class FileOnDiskTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(document->OnSaveDocument(level));
        ASSERT_TRUE(manager->OpenDocumentFile(level));
        ASSERT_EQ(Walls(*document), 0u);
    }

    // Real activation: the focus follows the pointer to another window, which then goes, and
    // back to the editor.
    void LeaveAndComeBack()
    {
        auto* other = new wxFrame(nullptr, wxID_ANY, "other", frame->GetScreenPosition(), wxSize(200, 200));
        other->Show();
        ASSERT_TRUE(WaitUntilShown(*other));
        other->Raise();
        wxUIActionSimulator().MouseMove(other->GetScreenRect().GetPosition() + wxPoint(100, 100));
        PumpFor(300);
        other->Destroy();
        PumpFor(300);
    }

    // A real click on a button of the file notice.
    void ClickNoticeButton(int id)
    {
        wxWindow* button = frame->m_fileNotice->FindWindow(id);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(WaitUntilShown(*button));
        ClickAt(*button, wxPoint(button->GetClientSize().x / 2, button->GetClientSize().y / 2));
        PumpFor(300);
    }

    TempFolder folder;
    const std::string level = folder.File("level.xml");
    const std::string sample = ReadWholeFile("../data/Levels/sample.xml");
};

TEST_F(FileOnDiskTest, ActivationReloadsALevelWithoutChanges)
{
    MessageBoxRecorder boxes;
    LeaveAndComeBack();
    EXPECT_EQ(Walls(*document), 0u) << "nothing changed on disk, nothing to read";
    WriteWholeFile(level, sample);
    LeaveAndComeBack();
    ASSERT_TRUE(PumpUntil([&] { return Walls(*document) > 0; }));
    EXPECT_FALSE(document->IsModified());
    EXPECT_NE(frame->GetStatusBar()->GetStatusText().Find(level), wxNOT_FOUND);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FileOnDiskTest, ChangesKeptOverAChangedFileAreAskedAboutOnceAndAgainAtSave)
{
    AddWall(*document);
    WriteWholeFile(level, sample);
    MessageBoxRecorder boxes;
    boxes.answers = {wxNO}; // keep the changes
    LeaveAndComeBack();
    ASSERT_TRUE(PumpUntil([&] { return boxes.shown.size() == 1; }));
    LeaveAndComeBack();
    EXPECT_EQ(boxes.shown.size(), 1u) << "the same change on disk is not asked about again";
    EXPECT_EQ(Walls(*document), 1u);

    // Save: Cancel keeps the other program's file, Overwrite writes it, Save As... writes elsewhere.
    boxes.answers = {wxCANCEL, wxYES};
    EXPECT_FALSE(document->DoFileSave());
    EXPECT_EQ(ReadWholeFile(level), sample);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].labels.size(), 3u);
    EXPECT_TRUE(document->DoFileSave());
    const std::string mine = ReadWholeFile(level);
    EXPECT_NE(mine, sample);
    EXPECT_TRUE(document->DoFileSave());
    EXPECT_EQ(boxes.shown.size(), 3u) << "the file is as this editor saved it";

    WriteWholeFile(level, sample);
    FileDialogAnswerer files;
    files.answers = {wxString(folder.File("elsewhere.xml"))};
    boxes.answers = {wxNO};
    EXPECT_TRUE(document->DoFileSave());
    EXPECT_EQ(ReadWholeFile(level), sample);
    EXPECT_EQ(ReadWholeFile(folder.File("elsewhere.xml")), mine);
    EXPECT_EQ(document->GetPathName(), folder.File("elsewhere.xml"));
}

TEST_F(FileOnDiskTest, ChangesKeptOverTheFileStayModifiedThroughUndoAndQuittingAsks)
{
    frame->m_pEditView->GetWindow()->SetFocus();
    AddWall(*document);
    WriteWholeFile(level, sample);
    MessageBoxRecorder boxes;
    boxes.answers = {wxNO}; // keep the changes
    LeaveAndComeBack();
    ASSERT_TRUE(PumpUntil([&] { return boxes.shown.size() == 1; }));

    // No state of the history is the file on disk: undone, the level is still not the file's.
    frame->m_pEditView->GetWindow()->SetFocus();
    PressKey('Z', wxMOD_CONTROL);
    ASSERT_TRUE(PumpUntil([&] { return Walls(*document) == 0; }));
    EXPECT_TRUE(document->IsModified());
    EXPECT_TRUE(frame->GetTitle().StartsWith("*")) << frame->GetTitle();
    PressKey('Y', wxMOD_CONTROL);
    ASSERT_TRUE(PumpUntil([&] { return Walls(*document) == 1; }));
    EXPECT_TRUE(frame->GetTitle().StartsWith("*")) << frame->GetTitle();

    boxes.answers = {wxCANCEL};
    PressKey('Q', wxMOD_CONTROL);
    ASSERT_TRUE(PumpUntil([&] { return boxes.shown.size() == 2; }));
    EXPECT_TRUE(boxes.shown[1].text.StartsWith("Save changes to ")) << boxes.shown[1].text;
    EXPECT_TRUE(frame->IsShown());

    // Reading the file again ends it.
    boxes.answers = {wxYES};
    manager->ReloadFile(*document);
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(frame->GetTitle().StartsWith("*")) << frame->GetTitle();
}

TEST_F(FileOnDiskTest, AFileThatCannotBeReadIsSaidOnceInABarAndTheLevelStays)
{
    const std::string mine = ReadWholeFile(level);
    MessageBoxRecorder boxes;
    WriteWholeFile(level, "<CSGGroup>\n<<<<<<< HEAD\n");
    for (int activation = 0; activation < 3; ++activation)
        LeaveAndComeBack();
    ASSERT_TRUE(PumpUntil([&] { return frame->m_fileNotice->IsShown(); }));
    EXPECT_NE(frame->FileNotice().Find(level), wxNOT_FOUND) << frame->FileNotice();
    EXPECT_NE(frame->FileNotice().Find("line"), wxNOT_FOUND) << "the reader's reason: " << frame->FileNotice();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(document->IsModified());

    // Reload with the file still broken says it again; Dismiss ends it until the file changes.
    ClickNoticeButton(wxID_REFRESH);
    EXPECT_TRUE(frame->m_fileNotice->IsShown());
    ClickNoticeButton(wxID_CLOSE);
    EXPECT_FALSE(frame->m_fileNotice->IsShown());
    LeaveAndComeBack();
    EXPECT_FALSE(frame->m_fileNotice->IsShown()) << "the same file is not said again";
    EXPECT_TRUE(boxes.shown.empty());

    // The file mended: the next activation reads it.
    WriteWholeFile(level, sample);
    LeaveAndComeBack();
    ASSERT_TRUE(PumpUntil([&] { return Walls(*document) > 0; }));

    // Broken again, then mended, the bar's Reload reads it.
    WriteWholeFile(level, "<CSGGroup");
    LeaveAndComeBack();
    ASSERT_TRUE(PumpUntil([&] { return frame->m_fileNotice->IsShown(); }));
    WriteWholeFile(level, mine);
    ClickNoticeButton(wxID_REFRESH);
    EXPECT_EQ(Walls(*document), 0u);
    EXPECT_FALSE(frame->m_fileNotice->IsShown());
    EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
