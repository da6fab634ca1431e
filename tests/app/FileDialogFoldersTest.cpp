// Where the file dialogs start: each kind of file in its own folder, then in the last one chosen
// for it, while the working directory stays app/.
#include <filesystem>
#include <functional>

#include <wx/filefn.h>
#include <wx/filename.h>

#include "framework/CDocument.h"
#include "tests/forms/FormFixture.h"

namespace {

const char* const LEVEL = TRELKAN_SOURCE_DIR "/tests/fixtures/levels/valid/new_level.xml";

class FileDialogFoldersTest : public FormTest {
protected:
    void SetUp() override
    {
        // The folders are kept in the settings, as in the editor.
        TestApp().LoadStdProfileSettings(4);
        TestApp().GetSettings()->DeleteGroup("/Folders");
        FormTest::SetUp();
    }

    // Shows a dialog, answered with `path` or cancelled; the folder it started in.
    static wxString Dialog(const std::function<void()>& show, const std::string& path = {})
    {
        FileDialogAnswerer files;
        files.answers = {path.empty() ? std::nullopt : std::optional<wxString>(path)};
        show();
        return files.requests.empty() ? wxString("(no dialog)") : files.requests.back().startFolder;
    }

    static std::string MakeFolderWithLevel(const std::string& file)
    {
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::filesystem::copy_file(LEVEL, file);
        return std::filesystem::path(file).parent_path().string();
    }

    MessageBoxRecorder boxes; // "Save changes?" before a level is opened over a changed one
    TempFolder chosen;
};

TEST_F(FileDialogFoldersTest, EachKindStartsInItsFolderThenInTheLastOneChosen)
{
    const wxString workingDirectory = wxGetCwd();
    const auto appFolder = [](const char* relative) {
        wxFileName folder = wxFileName::DirName(relative);
        folder.MakeAbsolute();
        return folder.GetPath();
    };
    const struct {
        std::function<void()> show;
        const char* firstFolder; // relative to app/
        std::string file;        // chosen, in a folder of its own
    } kinds[] = {
        {[this] { Command(StandardId::FileOpen); }, "../data/Levels", chosen.File("levels/walls.xml")},
        {[this] { Click(LevelForm(), IDC_FLOOR_TEXTURE_BROWSE); }, "../data/Textures", chosen.File("textures/a.jpg")},
        {[this] {
             if (!Enabled(LevelForm(), IDC_CUBEMAP_BROWSE))
                 Click(LevelForm(), IDC_USE_CUBEMAP);
             Click(LevelForm(), IDC_CUBEMAP_BROWSE);
         },
         "../data/CubeMaps", chosen.File("skies/dusk_posx.png")},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.firstFolder);
        const std::string folder = MakeFolderWithLevel(kind.file);
        // The kinds chosen before leave this one's folder alone.
        EXPECT_EQ(Dialog(kind.show), appFolder(kind.firstFolder));
        Dialog(kind.show, kind.file);
        EXPECT_EQ(Dialog(kind.show), folder);
        EXPECT_EQ(wxGetCwd(), workingDirectory);
    }
    EXPECT_EQ(document->GetPathName(), chosen.File("levels/walls.xml"));
}

TEST_F(FileDialogFoldersTest, LevelDialogsStartBesideTheOpenLevelOtherwiseWhereTheLastLevelWas)
{
    const std::string level = chosen.File("open/level.xml");
    const std::string openFolder = MakeFolderWithLevel(level);
    const std::string savedFolder = MakeFolderWithLevel(chosen.File("saved/other.xml"));
    const auto saveAs = [this] { Command(StandardId::FileSaveAs); };
    ASSERT_NE(manager->OpenDocumentFile(level), nullptr); // as from the recent-file list
    EXPECT_EQ(Dialog(saveAs), openFolder);
    Dialog(saveAs, savedFolder + "/copy.xml");
    ASSERT_NE(manager->OpenDocumentFile(level), nullptr);
    EXPECT_EQ(Dialog(saveAs), openFolder);
    Command(StandardId::FileNew);
    EXPECT_EQ(Dialog([this] { Command(StandardId::FileOpen); }), savedFolder);
}

} // namespace
