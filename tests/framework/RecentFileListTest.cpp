// The recent-file list: four entries, newest first, shown in the File menu and kept in the
// settings file.
#include <wx/fileconf.h>

#include "tests/framework/FrameworkFixture.h"

namespace {

class RecentFileListTest : public FrameworkTest {
protected:
    std::unique_ptr<wxFileConfig> OpenSettings()
    {
        return std::make_unique<wxFileConfig>("Trelkan", wxString(), folder.File("settings.conf"),
                                              wxString(), wxCONFIG_USE_LOCAL_FILE);
    }

    std::vector<std::string> MakeFiles(int count)
    {
        std::vector<std::string> paths;
        for (int i = 1; i <= count; ++i) {
            paths.push_back(folder.File("level" + std::to_string(i) + ".txt"));
            WriteWholeFile(paths.back(), "level " + std::to_string(i));
        }
        return paths;
    }

    std::vector<wxString> History() const
    {
        std::vector<wxString> files;
        for (size_t i = 0; i < manager->GetHistoryFilesCount(); ++i)
            files.push_back(manager->GetHistoryFile(i));
        return files;
    }

    wxString MenuLabel(int id) const
    {
        wxMenuItem* item = frame->GetMenuBar()->FindItem(id);
        return item ? item->GetItemLabel() : wxString("<none>");
    }
};

TEST_F(RecentFileListTest, KeepsTheFourNewestFilesInMenuAndSettings)
{
    std::unique_ptr<wxFileConfig> settings = OpenSettings();
    manager->LoadRecentFiles(settings.get());
    ASSERT_NE(NewDocument(), nullptr);
    EXPECT_EQ(MenuLabel(StandardId::RecentFile1), "Recent File");

    std::vector<std::string> files = MakeFiles(5);
    for (const std::string& file : files)
        ASSERT_NE(manager->OpenDocumentFile(file), nullptr);

    std::vector<wxString> expected{files[4], files[3], files[2], files[1]};
    EXPECT_EQ(History(), expected);
    EXPECT_EQ(MenuLabel(StandardId::RecentFile1), "&1 " + files[4]);
    EXPECT_EQ(MenuLabel(StandardId::RecentFile1 + 3), "&4 " + files[1]);
    EXPECT_EQ(MenuLabel(StandardId::RecentFile1 + 4), "<none>");

    // A later start reads the same list back.
    DestroyManager();
    settings.reset();
    MakeManager();
    settings = OpenSettings();
    manager->LoadRecentFiles(settings.get());
    EXPECT_EQ(History(), expected);
}

TEST_F(RecentFileListTest, ChoosingAnEntryOpensItAndAVanishedFileLeavesTheList)
{
    StepDocument* document = NewDocument();
    std::vector<std::string> files = MakeFiles(2);
    for (const std::string& file : files)
        ASSERT_EQ(manager->OpenDocumentFile(file), document);

    EXPECT_TRUE(Command(StandardId::RecentFile1 + 1));
    EXPECT_EQ(document->text, "level 1");

    wxRemoveFile(files[1]);
    MessageBoxRecorder boxes;
    EXPECT_TRUE(Command(StandardId::RecentFile1 + 1));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.Contains("could not be opened"));
    EXPECT_EQ(document->text, "level 1");
    EXPECT_EQ(History(), std::vector<wxString>{files[0]});
}

} // namespace
