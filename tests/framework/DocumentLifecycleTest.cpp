// New, Open, Save and the save prompt through the single-document manager.
#include <wx/filename.h>

#include "tests/framework/FrameworkFixture.h"

namespace {

using Steps = std::vector<std::string>;

TEST_F(FrameworkTest, NewAndOpenReuseTheOneDocumentAndFrame)
{
    StepDocument* document = NewDocument();
    ASSERT_NE(document, nullptr);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(document->steps, (Steps{"DeleteContents", "OnNewDocument"}));
    EXPECT_EQ(document->GetTitle(), "Untitled");
    EXPECT_EQ(frame->GetTitle(), "Untitled - Trelkan");
    EXPECT_TRUE(document->GetPathName().empty());
    EXPECT_EQ(frame->left->initialUpdates, 1);
    EXPECT_EQ(frame->right->initialUpdates, 1);

    std::string path = folder.File("a.txt");
    WriteWholeFile(path, "alpha");
    document->steps.clear();
    EXPECT_EQ(manager->OpenDocumentFile(path), document);
    EXPECT_EQ(document->steps, (Steps{"DeleteContents", "OnOpenDocument"}));
    EXPECT_EQ(document->text, "alpha");
    EXPECT_EQ(document->GetPathName(), path);
    EXPECT_EQ(document->GetTitle(), "a.txt");
    EXPECT_EQ(frame->GetTitle(), "a.txt - Trelkan");
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(frame->left->initialUpdates, 2);

    document->steps.clear();
    EXPECT_EQ(NewDocument(), document);
    EXPECT_EQ(manager->GetFrame(), frame);
    EXPECT_EQ(document->steps, (Steps{"DeleteContents", "OnNewDocument"}));
    EXPECT_TRUE(document->GetPathName().empty());
    EXPECT_EQ(frame->GetTitle(), "Untitled - Trelkan");
}

TEST_F(FrameworkTest, OpenOfAFileThatCannotBeReadLeavesTheDocumentAlone)
{
    StepDocument* document = NewDocument();
    ASSERT_NE(document, nullptr);
    document->text = "kept";
    document->steps.clear();
    MessageBoxRecorder boxes;
    std::string missing = folder.File("missing.txt");

    EXPECT_EQ(manager->OpenDocumentFile(missing), nullptr);
    EXPECT_EQ(manager->OpenDocumentFile(folder.Path()), nullptr);

    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_TRUE(boxes.shown[0].text.Contains("\"" + missing + "\" could not be opened"));
    EXPECT_TRUE(boxes.shown[1].text.Contains("could not be opened"));
    EXPECT_TRUE(document->steps.empty());
    EXPECT_EQ(document->text, "kept");
    EXPECT_TRUE(document->GetPathName().empty());
}

TEST_F(FrameworkTest, ReplacingAModifiedDocumentAsksFirst)
{
    StepDocument* document = NewDocument();
    ASSERT_NE(document, nullptr);
    document->SetModifiedFlag();
    document->steps.clear();
    MessageBoxRecorder boxes;

    boxes.answers = {wxCANCEL};
    EXPECT_EQ(NewDocument(), nullptr);
    EXPECT_EQ(boxes.Texts(), std::vector<wxString>{"Save changes to Untitled?"});
    EXPECT_TRUE(document->steps.empty());
    EXPECT_TRUE(document->IsModified());

    boxes.answers = {wxNO};
    EXPECT_EQ(NewDocument(), document);
    EXPECT_EQ(document->steps, (Steps{"DeleteContents", "OnNewDocument"}));
    EXPECT_FALSE(document->IsModified());

    // Yes saves the changes to the document's file before the next file replaces them.
    std::string first = folder.File("first.txt");
    std::string second = folder.File("second.txt");
    WriteWholeFile(first, "one");
    WriteWholeFile(second, "two");
    ASSERT_EQ(manager->OpenDocumentFile(first), document);
    document->text = "changed";
    document->SetModifiedFlag();
    boxes.answers = {wxYES};
    EXPECT_EQ(manager->OpenDocumentFile(second), document);
    EXPECT_EQ(ReadWholeFile(first), "changed");
    EXPECT_EQ(document->text, "two");
}

TEST_F(FrameworkTest, SaveWritesEvenWhenNothingChanged)
{
    std::string path = folder.File("a.txt");
    WriteWholeFile(path, "alpha");
    StepDocument* document = NewDocument();
    ASSERT_EQ(manager->OpenDocumentFile(path), document);
    ASSERT_FALSE(document->IsModified());

    wxUpdateUIEvent update(StandardId::FileSave);
    frame->ProcessWindowEvent(update);
    EXPECT_TRUE(update.GetSetEnabled() && update.GetEnabled());

    document->text = "beta";
    EXPECT_TRUE(Command(StandardId::FileSave));
    EXPECT_EQ(ReadWholeFile(path), "beta");
}

TEST_F(FrameworkTest, SaveOfANewDocumentAsksForAPathAndTakesIt)
{
    StepDocument* document = NewDocument();
    ASSERT_NE(document, nullptr);
    FileDialogAnswerer dialogs;

    dialogs.answers = {std::nullopt};
    EXPECT_TRUE(Command(StandardId::FileSave));
    EXPECT_TRUE(document->GetPathName().empty());

    dialogs.answers = {wxString(folder.File("named"))};
    EXPECT_TRUE(Command(StandardId::FileSave));
    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_TRUE(dialogs.requests[1].save);
    EXPECT_EQ(dialogs.requests[1].filter, "Text Files (*.txt)|*.txt");
    std::string saved = folder.File("named.txt");
    EXPECT_EQ(ReadWholeFile(saved), "new");
    EXPECT_EQ(document->GetPathName(), saved);
    EXPECT_EQ(frame->GetTitle(), "named.txt - Trelkan");
    ASSERT_EQ(manager->GetHistoryFilesCount(), 1u);
    EXPECT_EQ(manager->GetHistoryFile(0), saved);
}

TEST_F(FrameworkTest, FileDialogsLeaveTheCurrentDirectoryAlone)
{
    wxString start = wxGetCwd();
    FileDialogAnswerer dialogs;
    // A dialog that moves the process elsewhere, as a toolkit dialog may.
    SetFileDialogHook([this](const FileDialogRequest&) -> std::optional<wxString> {
        wxSetWorkingDirectory(folder.Path());
        return std::nullopt;
    });
    EXPECT_FALSE(ShowFileDialog(FileDialogRequest{}).has_value());
    EXPECT_EQ(wxGetCwd(), start);
}

TEST_F(FrameworkTest, ClosingTheFrameAsksToSaveAModifiedDocument)
{
    StepDocument* document = NewDocument();
    ASSERT_NE(document, nullptr);
    document->SetModifiedFlag();
    MessageBoxRecorder boxes;

    boxes.answers = {wxCANCEL};
    frame->Close();
    PumpFor(50);
    EXPECT_EQ(manager->GetFrame(), frame);
    EXPECT_EQ(boxes.shown.size(), 1u);

    boxes.answers = {wxNO};
    frame->Close();
    EXPECT_TRUE(PumpUntil([this] { return manager->GetFrame() == nullptr; }));
    // The views went with their panes; the document stays with the manager.
    EXPECT_TRUE(document->GetViewList().empty());
}

} // namespace
