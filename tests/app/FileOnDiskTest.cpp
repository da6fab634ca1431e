// Another program changes the level's file: activating the editor reloads a level without
// changes and asks about one with changes, and Save asks before it replaces the other's bytes.
#include <wx/frame.h>
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

} // namespace
