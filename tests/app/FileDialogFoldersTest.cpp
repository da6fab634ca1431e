// Where the file dialogs start: each kind of file in its own folder, the last one chosen for it,
// while the working directory stays app/.
#include <filesystem>
#include <functional>

#include <wx/filefn.h>
#include <wx/filename.h>

#include "framework/CDocument.h"
#include "tests/app/FormFixture.h"

namespace {

class FileDialogFoldersTest : public FormTest {
protected:
    void SetUp() override
    {
        // The folders are remembered in the settings, as in the editor.
        TestApp().SetRegistryKey("Window tests");
        TestApp().LoadStdProfileSettings(4);
        TestApp().GetSettings()->DeleteGroup("/Folders");
        FormTest::SetUp();
    }

    // The folder the next dialog of a kind starts in, the dialog cancelled.
    wxString StartFolder(const std::function<void()>& showDialog)
    {
        FileDialogAnswerer files;
        showDialog();
        return files.requests.empty() ? wxString("(no dialog)") : files.requests.back().startFolder;
    }

    // A dialog of a kind answered with `path`.
    void Choose(const std::function<void()>& showDialog, const std::string& path)
    {
        FileDialogAnswerer files;
        files.answers = {wxString(path)};
        showDialog();
    }

    void BrowseCubeMap()
    {
        if (!Enabled(LevelForm(), IDC_CUBEMAP_BROWSE))
            Click(LevelForm(), IDC_USE_CUBEMAP);
        Click(LevelForm(), IDC_CUBEMAP_BROWSE);
    }

    static wxString FromAppFolder(const char* relative)
    {
        wxFileName folder = wxFileName::DirName(relative);
        folder.MakeAbsolute();
        return folder.GetPath();
    }
};

TEST_F(FileDialogFoldersTest, EachKindStartsInItsFolderThenInTheLastOneChosen)
{
    MessageBoxRecorder boxes; // "Save changes?" before a level is opened over a changed one
    TempFolder chosen;
    const wxString workingDirectory = wxGetCwd();
    struct Kind {
        const char* name;
        std::function<void()> showDialog;
        const char* firstFolder;  // relative to app/
        std::string file;         // chosen in a folder of its own
    };
    const Kind kinds[] = {
        {"level", [this] { Command(StandardId::FileOpen); }, "../data/Levels", "levels/walls.xml"},
        {"texture", [this] { Click(LevelForm(), IDC_FLOOR_TEXTURE_BROWSE); }, "../data/Textures",
         "textures/stone.jpg"},
        {"cube map", [this] { BrowseCubeMap(); }, "../data/CubeMaps", "skies/dusk_posx.png"},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const std::filesystem::path file = chosen.File(kind.file);
        std::filesystem::create_directories(file.parent_path());
        std::filesystem::copy_file(TRELKAN_SOURCE_DIR "/tests/fixtures/levels/valid/new_level.xml", file);
        // The kinds chosen before leave this one's folder alone.
        EXPECT_EQ(StartFolder(kind.showDialog), FromAppFolder(kind.firstFolder));
        Choose(kind.showDialog, file.string());
        EXPECT_EQ(StartFolder(kind.showDialog), file.parent_path().string());
        EXPECT_EQ(wxGetCwd(), workingDirectory);
    }
    EXPECT_EQ(document->GetPathName(), chosen.File("levels/walls.xml"));
}

TEST_F(FileDialogFoldersTest, LevelDialogsStartBesideTheOpenLevelOtherwiseWhereTheLastLevelWas)
{
    MessageBoxRecorder boxes;
    TempFolder folders;
    std::filesystem::create_directories(folders.File("open"));
    std::filesystem::create_directories(folders.File("saved"));
    const std::string level = folders.File("open/level.xml");
    std::filesystem::copy_file(TRELKAN_SOURCE_DIR "/tests/fixtures/levels/valid/new_level.xml", level);
    ASSERT_NE(manager->OpenDocumentFile(level), nullptr); // as from the recent-file list

    const auto saveAs = [this] { Command(StandardId::FileSaveAs); };
    EXPECT_EQ(StartFolder(saveAs), folders.File("open"));
    Choose(saveAs, folders.File("saved/copy.xml"));
    ASSERT_TRUE(wxFileExists(folders.File("saved/copy.xml")));

    ASSERT_NE(manager->OpenDocumentFile(level), nullptr);
    EXPECT_EQ(StartFolder(saveAs), folders.File("open"));
    Command(StandardId::FileNew);
    EXPECT_EQ(StartFolder([this] { Command(StandardId::FileOpen); }), folders.File("saved"));
}

} // namespace
