// The autosave of unsaved changes and its recovery after an editor ended without closing.
#include <chrono>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <wx/statusbr.h>

#include "recovery/AutosaveSlot.h"
#include "recovery/CAutosave.h"
#include "tests/app/LevelEditing.h"
#include "tests/app/MainFrameFixture.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

class AutosaveTest : public MainFrameTest {
protected:
    using CopyWriter = std::function<bool(const std::string& copy)>;

    // What an editor killed with `level` open leaves: its slot, unlocked now that its process
    // is gone, with the copy that `write` makes (none without).
    void LeaveAsKilled(const wxString& level, const CopyWriter& write)
    {
        const pid_t child = fork();
        if (child == 0) {
            AutosaveSlot slot = AutosaveSlot::Create(folder->Path());
            _exit(slot.Held() && slot.SetLevelPath(std::string(level.fn_str())) && (!write || write(slot.CopyFile()))
                      ? 0
                      : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    CopyWriter Level()
    {
        return [this](const std::string& copy) {
            std::string error;
            return document->WriteCopy(copy, error);
        };
    }

    // The level saved as `name`, its document's file.
    std::string SavedLevel(const std::string& name)
    {
        const std::string path = levels.File(name);
        EXPECT_TRUE(document->OnSaveDocument(path));
        document->SetPathName(path);
        return path;
    }

    // The slots in the folder, this editor's own included.
    std::size_t Slots() const
    {
        std::size_t count = 0;
        for (const std::string& name : folder->Entries())
            count += fs::path(name).extension() == ".source";
        return count;
    }

    std::unique_ptr<TempFolder> folder = std::make_unique<TempFolder>();
    TempFolder levels;
};

TEST_F(AutosaveTest, ChangesOfAKilledEditorComeBackEvenWhenTheirFileIsNewer)
{
    const std::string level = SavedLevel("castle.xml");
    AddWall(*document);
    LeaveAsKilled(level, Level());
    const std::string savedBytes = ReadWholeFile(level);
    document->SetModifiedFlag(false); // the killed editor's changes are in its copy only
    manager->OpenDocumentFile(level);
    ASSERT_EQ(Walls(*document), 0u);
    // A checkout or a touch makes the file newer than the copy, with the same bytes.
    fs::last_write_time(level, fs::file_time_type::clock::now() + std::chrono::hours(1));

    // A full recent-file list loses no entry to the recovery.
    const std::size_t fullList = manager->GetFileHistory()->GetMaxFiles();
    for (std::size_t i = 1; i < fullList; ++i)
        manager->AddFileToHistory(levels.File("other" + std::to_string(i) + ".xml"));
    manager->AddFileToHistory(level);
    const wxString oldest = manager->GetHistoryFile(fullList - 1);

    CAutosave restarted(*manager, *document, folder->Path());
    MessageBoxRecorder boxes;
    boxes.answers = {wxYES};
    restarted.OfferRecovery();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.Find(level), wxNOT_FOUND);
    EXPECT_NE(boxes.shown[0].text.Find("after the copy"), wxNOT_FOUND) << boxes.shown[0].text;
    EXPECT_EQ(Walls(*document), 1u);
    EXPECT_EQ(document->GetPathName(), level);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(frame->GetTitle(), "*castle.xml - Trelkan");
    EXPECT_EQ(manager->GetHistoryFile(0), level) << "the copy never enters the recent files";
    ASSERT_EQ(manager->GetHistoryFilesCount(), fullList);
    EXPECT_EQ(manager->GetHistoryFile(fullList - 1), oldest);
    EXPECT_EQ(Slots(), 1u) << "the killed editor's slot goes once this editor's copy holds its changes";
    EXPECT_TRUE(fs::exists(restarted.OwnFile().utf8_string()));
    EXPECT_EQ(ReadWholeFile(level), savedBytes) << "the user's own file is never written by the autosave";

    // Saving is the clean end of the copy; the touched file is no change to ask about.
    ASSERT_TRUE(document->DoFileSave());
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_FALSE(fs::exists(restarted.OwnFile().utf8_string()));
}

TEST_F(AutosaveTest, AbandonedSlotsAreSettledByWhatTheirCopyHolds)
{
    AutosaveSlot running;
    struct Case {
        const char* name;
        std::function<void()> leave;
        std::deque<int> answers;
        std::size_t boxes;
        std::size_t slotsLeft; // this editor's own included
        std::function<void()> check = [] {};
    };
    const std::vector<Case> cases = {
        {"a copy equal to its file goes unasked", [&] { LeaveAsKilled(SavedLevel("same.xml"), Level()); }, {}, 0, 1},
        {"a copy of changes is offered; No deletes it",
         [&] {
             const std::string level = SavedLevel("changed.xml");
             AddWall(*document);
             LeaveAsKilled(level, Level());
         },
         {wxNO}, 1, 1},
        {"a new level's changes come back untitled", [&] { AddWall(*document); LeaveAsKilled("", Level()); },
         {wxYES}, 1, 1,
         [&] {
             EXPECT_TRUE(document->GetPathName().empty());
             EXPECT_TRUE(document->IsModified());
             EXPECT_EQ(Walls(*document), 1u);
         }},
        {"an editor that had nothing unsaved leaves nothing", [&] { LeaveAsKilled(SavedLevel("clean.xml"), nullptr); },
         {}, 0, 1},
        {"a copy that is no level is set aside with a message",
         [&] { LeaveAsKilled(SavedLevel("broken.xml"), [](const std::string& copy) {
                   return static_cast<bool>(std::ofstream(copy) << "<CSGGroup");
               }); },
         {}, 1, 1,
         [&] {
             const fs::path aside = fs::path(folder->Path()) / "unreadable";
             ASSERT_TRUE(fs::is_directory(aside));
             EXPECT_EQ(std::distance(fs::directory_iterator(aside), fs::directory_iterator()), 1);
         }},
        {"a copy whose level's path names a FIFO is offered without waiting for a writer",
         [&] {
             const std::string pipe = levels.File("pipe.xml");
             ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
             AddWall(*document);
             LeaveAsKilled(pipe, Level());
         },
         {wxNO}, 1, 1},
        {"a running editor's copy stays its own",
         [&] {
             AddWall(*document);
             running = AutosaveSlot::Create(folder->Path());
             Level()(running.CopyFile());
         },
         {}, 0, 2},
    };
    for (const Case& test : cases) {
        folder = std::make_unique<TempFolder>();
        document->SetModifiedFlag(false);
        ASSERT_TRUE(manager->OpenDocumentFile(wxString()));
        test.leave();
        document->SetModifiedFlag(false);
        ASSERT_TRUE(manager->OpenDocumentFile(wxString()));

        CAutosave restarted(*manager, *document, folder->Path());
        MessageBoxRecorder boxes;
        boxes.answers = test.answers;
        restarted.OfferRecovery();
        EXPECT_EQ(boxes.shown.size(), test.boxes) << test.name;
        EXPECT_EQ(Slots(), test.slotsLeft) << test.name;
        restarted.OfferRecovery();
        EXPECT_EQ(boxes.shown.size(), test.boxes) << test.name << ": nothing is offered twice";
        test.check();
        running = AutosaveSlot();
    }
}

// A copy this user cannot read (another user's, or one of mode 000) may hold changes that
// matter: it is moved aside with a message, never deleted. Root reads anything, so as root the
// folder and the slot are given to nobody, who then starts the editor's recovery.
TEST_F(AutosaveTest, ACopyThatCannotBeReadIsSetAsideNeverDeleted)
{
    constexpr uid_t NOBODY = 65534;
    const std::string level = SavedLevel("locked.xml");
    AddWall(*document);
    LeaveAsKilled(level, Level());
    std::string copy;
    for (const std::string& name : folder->Entries())
        if (fs::path(name).extension() == ".xml")
            copy = folder->File(name);
    ASSERT_FALSE(copy.empty());
    const std::string bytes = ReadWholeFile(copy);
    ASSERT_EQ(chmod(copy.c_str(), 0), 0);
    const bool asRoot = geteuid() == 0;
    for (const std::string& name : folder->Entries()) {
        if (asRoot && name != fs::path(copy).filename()) {
            ASSERT_EQ(chown(folder->File(name).c_str(), NOBODY, NOBODY), 0);
        }
    }
    ASSERT_TRUE(!asRoot || chown(folder->Path().c_str(), NOBODY, NOBODY) == 0);

    const pid_t child = fork();
    if (child == 0) {
        if (asRoot && (setgid(NOBODY) != 0 || setuid(NOBODY) != 0))
            _exit(2);
        bool told = false;
        {
            CAutosave restarted(*manager, *document, folder->Path());
            MessageBoxRecorder boxes;
            restarted.OfferRecovery();
            restarted.OfferRecovery();
            told = boxes.shown.size() == 1 && boxes.shown[0].text.Find(strerror(EACCES)) != wxNOT_FOUND;
        }
        _exit(told ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "one message naming the reason";
    const fs::path aside = fs::path(folder->Path()) / "unreadable" / fs::path(copy).filename();
    ASSERT_TRUE(fs::exists(aside));
    EXPECT_EQ(Slots(), 0u);
    ASSERT_EQ(chmod(aside.c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(aside.string()), bytes);
}

// Two editors with one process number (here: two in one process) each keep a slot of their own,
// and each tells the other's level apart from its own when a level is opened.
TEST_F(AutosaveTest, EditorsOfOneProcessNumberNeverShareACopy)
{
    const std::string level = SavedLevel("shared.xml");
    CAutosave first(*manager, *document, folder->Path());
    AddWall(*document);
    first.WriteIfDue();
    const std::string firstCopy = ReadWholeFile(first.OwnFile().utf8_string());
    {
        CAutosave second(*manager, *document, folder->Path());
        EXPECT_NE(second.OwnFile(), first.OwnFile());
        MessageBoxRecorder boxes;
        second.OfferRecovery();
        AddWall(*document);
        second.WriteIfDue();
        EXPECT_TRUE(boxes.shown.empty()) << "a running editor's copy is never offered";
        EXPECT_EQ(ReadWholeFile(first.OwnFile().utf8_string()), firstCopy);

        // The first editor has the level open: the second asks before opening it too.
        document->SetModifiedFlag(false);
        boxes.answers = {wxNO};
        EXPECT_EQ(manager->OpenDocumentFile(level), nullptr);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_NE(boxes.shown[0].text.Find(level), wxNOT_FOUND);
        boxes.answers = {wxYES};
        EXPECT_NE(manager->OpenDocumentFile(level), nullptr);
    }
    MessageBoxRecorder boxes;
    EXPECT_NE(manager->OpenDocumentFile(level), nullptr);
    EXPECT_TRUE(boxes.shown.empty()) << "its own level is no other editor's";
}

TEST_F(AutosaveTest, TheTickWaitsForGesturesAndForAFolderThatCanBeWritten)
{
    // A file where the folder should be: nothing can be written there.
    const std::string blocked = folder->File("autosave");
    WriteWholeFile(blocked, "");
    CAutosave autosave(*manager, *document, blocked);
    wxStatusBar& status = *frame->GetStatusBar();
    EXPECT_NE(status.GetStatusText().Find(blocked), wxNOT_FOUND) << status.GetStatusText();
    status.SetStatusText("editing");
    AddWall(*document);
    autosave.WriteIfDue();
    EXPECT_EQ(status.GetStatusText(), "editing") << "one notice, not one per tick";

    fs::remove(blocked);
    autosave.WriteIfDue();
    const std::string copy = autosave.OwnFile().utf8_string();
    ASSERT_TRUE(fs::exists(copy)) << "tried again at the next tick";
    const std::string oneWall = ReadWholeFile(copy);

    AddWall(*document);
    document->BeginGesture([this] { document->EndGesture(); });
    autosave.WriteIfDue();
    EXPECT_EQ(ReadWholeFile(copy), oneWall) << "no copy of a level in the middle of a gesture";
    document->EndGesture();
    autosave.WriteIfDue();
    EXPECT_NE(ReadWholeFile(copy), oneWall);

    // Undone back to the saved level, the copy would bring the undone changes back after a crash.
    document->GetCommandProcessor()->Undo();
    document->GetCommandProcessor()->Undo();
    EXPECT_FALSE(document->IsModified());
    EXPECT_FALSE(fs::exists(copy));
}

} // namespace
