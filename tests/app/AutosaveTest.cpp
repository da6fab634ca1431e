// The autosave of unsaved changes and its recovery after an editor ended without closing.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/wait.h>
#include <unistd.h>

#include "app/CAutosave.h"
#include "document/NodeListCommand.h"
#include "level/LevelFile.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/Wall.h"
#include "tests/app/MainFrameFixture.h"
#include "tests/support/TempFolder.h"

namespace {

class AutosaveTest : public MainFrameTest {
protected:
    void AddWall()
    {
        LevelGroupNode& group = *document->m_pScene->m_pLevelGroup;
        std::vector<NodeListCommand::Addition> additions;
        additions.push_back({&group, group.ChildCount(), std::make_unique<Wall>(3.0f, 4.0f, 5.0f, 1.0f), {}});
        ASSERT_TRUE(document->Submit(NodeListCommand::Adding(*document, "Create Wall", std::move(additions))));
    }

    std::size_t Walls() const
    {
        std::size_t count = 0;
        for (const auto& child : document->m_pScene->m_pLevelGroup->Children())
            count += child->GetType() == WALL_NODE;
        return count;
    }

    // What a killed editor leaves: its copy under the number of a process that is gone.
    void LeaveAsKilled(const CAutosave& autosave)
    {
        const pid_t child = fork();
        if (child == 0)
            _exit(0);
        waitpid(child, nullptr, 0);
        const std::filesystem::path own(autosave.OwnFile().utf8_string());
        const std::string dead = "autosave-" + std::to_string(child);
        std::filesystem::rename(own, own.parent_path() / (dead + ".xml"));
        std::filesystem::rename(own.parent_path() / (own.stem().string() + ".source"),
                                own.parent_path() / (dead + ".source"));
    }

    TempFolder folder;
    TempFolder levels;
};

TEST_F(AutosaveTest, ChangesOfAKilledEditorComeBackAsAnUnsavedLevel)
{
    const std::string level = levels.File("castle.xml");
    ASSERT_TRUE(document->OnSaveDocument(level));
    document->SetPathName(level);
    {
        CAutosave killed(*manager, *document, folder.Path());
        killed.WriteIfDue();
        EXPECT_TRUE(folder.Entries().empty()) << "nothing to keep while the level is saved";
        AddWall();
        killed.WriteIfDue();
        std::string error;
        ASSERT_TRUE(ReadLevelFile(killed.OwnFile().utf8_string(), error)) << error;
        LeaveAsKilled(killed);
    }
    const std::string savedBytes = [&] { std::ifstream in(level); return std::string(std::istreambuf_iterator<char>(in), {}); }();
    document->SetModifiedFlag(false); // the killed editor's changes are in its copy only
    manager->OpenDocumentFile(level);
    ASSERT_EQ(Walls(), 0u);

    // A full recent-file list loses no entry to the recovery.
    const std::size_t fullList = manager->GetFileHistory()->GetMaxFiles();
    for (std::size_t i = 1; i < fullList; ++i)
        manager->AddFileToHistory(levels.File("other" + std::to_string(i) + ".xml"));
    manager->AddFileToHistory(level);
    const wxString oldest = manager->GetHistoryFile(fullList - 1);

    CAutosave restarted(*manager, *document, folder.Path());
    MessageBoxRecorder boxes;
    boxes.answers = {wxYES};
    restarted.OfferRecovery();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.Find("castle.xml"), wxNOT_FOUND);
    EXPECT_EQ(Walls(), 1u);
    EXPECT_EQ(document->GetPathName(), level);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(frame->GetTitle(), "*castle.xml - Trelkan");
    EXPECT_EQ(manager->GetHistoryFile(0), level) << "the copy never enters the recent files";
    ASSERT_EQ(manager->GetHistoryFilesCount(), fullList);
    EXPECT_EQ(manager->GetHistoryFile(fullList - 1), oldest);
    EXPECT_EQ(folder.Entries(), (std::set<std::string>{"autosave-" + std::to_string(getpid()) + ".xml",
                                                        "autosave-" + std::to_string(getpid()) + ".source"}));
    const std::string afterRecovery = [&] { std::ifstream in(level); return std::string(std::istreambuf_iterator<char>(in), {}); }();
    EXPECT_EQ(afterRecovery, savedBytes) << "the user's own file is never written by the autosave";

    // Saving is the clean end of the copy.
    ASSERT_TRUE(document->OnSaveDocument(level));
    EXPECT_TRUE(folder.Entries().empty());
}

// Undone back to the saved level, the copy would bring the undone change back after a crash.
TEST_F(AutosaveTest, UndoingBackToTheSavedLevelEndsTheCopy)
{
    CAutosave autosave(*manager, *document, folder.Path());
    AddWall();
    autosave.WriteIfDue();
    ASSERT_FALSE(folder.Entries().empty());
    document->GetCommandProcessor()->Undo();
    EXPECT_FALSE(document->IsModified());
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(AutosaveTest, RefusedAndOutdatedCopiesGoAndRunningEditorsKeepTheirs)
{
    {
        CAutosave killed(*manager, *document, folder.Path());
        AddWall();
        killed.WriteIfDue();
        LeaveAsKilled(killed);
    }
    CAutosave running(*manager, *document, folder.Path());
    running.WriteIfDue(); // this process is alive: its copy is never offered
    {
        CAutosave restarted(*manager, *document, folder.Path());
        MessageBoxRecorder boxes;
        boxes.answers = {wxNO};
        restarted.OfferRecovery();
        EXPECT_EQ(boxes.shown.size(), 1u);
    }
    EXPECT_EQ(folder.Entries().size(), 2u) << "only the running editor's copy stays";

    // A copy older than the file it belongs to goes without a question.
    const std::string level = levels.File("newer.xml");
    ASSERT_TRUE(document->OnSaveDocument(level));
    document->SetPathName(level);
    AddWall();
    {
        CAutosave killed(*manager, *document, folder.Path());
        killed.WriteIfDue();
        LeaveAsKilled(killed);
    }
    std::filesystem::last_write_time(level, std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
    // A full recent-file list loses no entry to the recovery.
    const std::size_t fullList = manager->GetFileHistory()->GetMaxFiles();
    for (std::size_t i = 1; i < fullList; ++i)
        manager->AddFileToHistory(levels.File("other" + std::to_string(i) + ".xml"));
    manager->AddFileToHistory(level);
    const wxString oldest = manager->GetHistoryFile(fullList - 1);

    CAutosave restarted(*manager, *document, folder.Path());
    MessageBoxRecorder boxes;
    restarted.OfferRecovery();
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
