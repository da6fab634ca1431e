// Open, Save and Save As of the level document: complete levels or none, safe saves.
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/event.h>

#include "document/PlacementCommand.h"
#include "framework/CCommandProcessor.h"
#include "framework/StandardIds.h"
#include "tests/document/LevelDocumentFixture.h"
#include "tests/support/UnreadableFolder.h"

namespace {

TEST_F(LevelDocumentTest, OpenRebuildsTheTextureTableCountsAndStartMarker)
{
    Wall* first = AddWall("a.jpg");
    Wall* wall = AddWall("b.jpg");
    document.SetSelection(first);
    document.OnDelete();                   // nobody uses a.jpg any more...
    document.m_textures[1].path = "a.jpg"; // ...but the file still lists it
    document.m_pStartMarker->x = 4.0f;
    document.m_pStartMarker->z = -2.0f;
    document.m_pStartMarker->angle = 90.0f;
    ASSERT_EQ(wall->GetTextureID(), 2);
    std::string path = File("textures.xml");
    ASSERT_TRUE(document.OnSaveDocument(path));
    Group().RemoveChild(Group().FindChild(document.m_pScene->m_pFloor)->position);

    ASSERT_TRUE(document.OnOpenDocument(path));

    ASSERT_EQ(document.m_textures.size(), 3u);
    EXPECT_EQ(document.m_textures[0].refCount, 1);
    EXPECT_EQ(document.m_textures[1].path, "a.jpg");
    EXPECT_EQ(document.m_textures[1].refCount, 0);
    EXPECT_EQ(document.m_textures[2].path, "b.jpg");
    EXPECT_EQ(document.m_textures[2].refCount, 1);
    EXPECT_EQ(document.m_texturesToLoad, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(document.m_bTexturesDirty);
    EXPECT_TRUE(document.m_pScene->m_pTextures->m_names.empty());
    ASSERT_EQ(Group().GetChild(0), document.m_pStartMarker);
    EXPECT_FLOAT_EQ(document.m_pStartMarker->x, 4.0f);
    EXPECT_FLOAT_EQ(document.m_pStartMarker->z, -2.0f);
    EXPECT_FLOAT_EQ(document.m_pStartMarker->angle, 90.0f);
    EXPECT_EQ(Types(Group()), (std::vector<int>{START_POSITION_NODE, LEVEL_FLOOR_NODE, WALL_NODE}));
}

TEST_F(LevelDocumentTest, SaveCopiesTheMarkerIntoTheSettingsAndKeepsTheTextureListEmpty)
{
    AddWall("a.jpg");
    document.m_pStartMarker->x = 3.0f;
    document.m_pStartMarker->angle = 45.0f;
    document.SetModifiedFlag();
    std::string path = File("level.xml");

    ASSERT_TRUE(document.OnSaveDocument(path));

    EXPECT_FALSE(document.IsModified());
    EXPECT_FLOAT_EQ(document.m_pScene->m_pGameSettings->SnakeInitialPosX, 3.0f);
    EXPECT_FLOAT_EQ(document.m_pScene->m_pGameSettings->SnakeInitialOrientationAngle, 45.0f);
    EXPECT_TRUE(document.m_pScene->m_pTextures->m_names.empty());
    std::string text = ReadFile(path);
    EXPECT_NE(text.find("a.jpg"), std::string::npos);
    EXPECT_EQ(text.find("notex.tga"), std::string::npos);
    EXPECT_TRUE(messages.empty());
}

TEST_F(LevelDocumentTest, FailedOpenKeepsTheCurrentLevelAndSaysWhy)
{
    Wall* wall = AddWall("a.jpg");
    const LevelScene* scene = document.m_pScene.get();
    std::vector<TextureEntry> rows = document.m_textures;
    std::string broken = File("broken.xml");
    std::ofstream(broken) << "<CSGGroup>\n<GameSettingsNode\n  NormalItemsNumber = = \"1\"\n/>\n</CSGGroup>\n";
    std::string incomplete = File("incomplete.xml");
    std::ofstream(incomplete) << "<CSGGroup>\n</CSGGroup>\n";

    EXPECT_FALSE(document.OnOpenDocument(broken));
    EXPECT_FALSE(document.OnOpenDocument(incomplete));

    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[0].StartsWith("\"" + broken + "\" could not be opened: "));
    EXPECT_TRUE(messages[0].Contains("line 3"));
    EXPECT_TRUE(messages[1].StartsWith("\"" + incomplete + "\" could not be opened: "));
    EXPECT_EQ(document.m_pScene.get(), scene);
    EXPECT_TRUE(Group().FindChild(wall).has_value());
    ASSERT_EQ(document.m_textures.size(), rows.size());
    EXPECT_EQ(document.m_textures[1].path, rows[1].path);
}

TEST_F(LevelDocumentTest, FailedSaveKeepsTheOldFileAndTheDocument)
{
    std::string path = File("level.xml");
    ASSERT_TRUE(document.OnSaveDocument(path));
    const std::string saved = ReadFile(path);
    Wall* wall = AddWall("bad\"name.jpg");
    document.m_pStartMarker->x = 7.0f;
    document.SetModifiedFlag();

    EXPECT_FALSE(document.OnSaveDocument(path));

    EXPECT_EQ(ReadFile(path), saved);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].StartsWith("\"" + path + "\" could not be saved: "));
    EXPECT_TRUE(document.IsModified());
    EXPECT_FLOAT_EQ(document.m_pScene->m_pGameSettings->SnakeInitialPosX, 0.0f);
    EXPECT_TRUE(document.m_pScene->m_pTextures->m_names.empty());
    EXPECT_TRUE(Group().FindChild(wall).has_value());

    // A folder in place of the file, and a folder nobody may write to, fail the same way.
    EXPECT_FALSE(document.OnSaveDocument(folder));
    if (geteuid() != 0) {
        std::string locked = File("locked");
        ASSERT_EQ(mkdir(locked.c_str(), 0555), 0);
        EXPECT_FALSE(document.OnSaveDocument(locked + "/level.xml"));
    }
    EXPECT_TRUE(document.IsModified());
}

TEST_F(LevelDocumentTest, SaveWhoseFolderCannotBeFlushedSucceedsWithAWarning)
{
    const std::string unreadable = File("unreadable");
    const wxString path = unreadable + "/level.xml";
    document.SetModifiedFlag();
    EXPECT_TRUE(RunInUnreadableFolder(folder, unreadable, [&] {
        return document.OnSaveDocument(path) && !document.IsModified() && messages.size() == 1 &&
               messages[0].StartsWith("\"" + path + "\" was saved, but ") && messages[0].Contains("Permission denied");
    }));
}

TEST_F(LevelDocumentTest, SaveAsAdoptsTheNewFileAndAFailedOneChangesNothing)
{
    std::string own = File("own.xml");
    ASSERT_TRUE(document.OnSaveDocument(own));
    document.SetFilename(own, false);
    document.SetTitle("own.xml");
    AddWall("a.jpg");
    document.SetModifiedFlag();
    std::string copy = File("copy.xml");
    ScopedFileAnswer answer(copy);

    wxCommandEvent saveAs(wxEVT_MENU, StandardId::FileSaveAs);
    EXPECT_TRUE(document.ProcessEvent(saveAs));

    EXPECT_NE(ReadFile(copy).find("a.jpg"), std::string::npos);
    EXPECT_EQ(ReadFile(own).find("a.jpg"), std::string::npos);
    EXPECT_EQ(document.GetPathName(), copy);
    EXPECT_EQ(document.GetTitle(), "copy.xml");
    EXPECT_FALSE(document.IsModified());

    document.SetModifiedFlag();
    ScopedFileAnswer unwritable(File("missing-folder/new.xml"));
    document.ProcessEvent(saveAs);
    EXPECT_EQ(document.GetPathName(), copy);
    EXPECT_EQ(document.GetTitle(), "copy.xml");
    EXPECT_TRUE(document.IsModified());
}

} // namespace

// The checks while editing know what the opened file held that was no number, as long as that
// object stays as it was read: a move takes the note away, its undo brings it back.
TEST_F(LevelDocumentTest, ProblemsKeepTheOpenedFilesNonNumbersWhileTheirObjectIsUnchanged)
{
    const std::string path = File("nan.xml");
    std::ofstream(path) << "<CSGGroup SaveLightState=\"1\">\n<GameSettingsNode/>\n<TexturesNode NumTextures=\"0\"/>\n"
                           "<LevelGroupNode>\n<LevelFloor Width=\"20\" Heigth=\"20\"/>\n"
                           "<Wall CenterX=\"2\" CenterZ=\"3\" Width=\"4x\" Depth=\"1\" OrientationAngle=\"0\"/>\n"
                           "</LevelGroupNode>\n</CSGGroup>\n";
    ASSERT_TRUE(document.OnOpenDocument(path));
    const auto notNumbers = [&] {
        int count = 0;
        for (const Problem& problem : document.CheckProblems())
            count += std::string(problem.id) == "not-a-number";
        return count;
    };
    EXPECT_EQ(notNumbers(), 1);
    CSGNode* wall = Group().Children().back().get();
    const Placement before = PlacementCommand::Capture(*wall);
    ASSERT_TRUE(document.Submit(new PlacementCommand(document, "Move Wall", {{wall, before, {5.0f, 3.0f, 0.0f}}})));
    EXPECT_EQ(notNumbers(), 0);
    ASSERT_TRUE(document.GetHistory()->Undo());
    EXPECT_EQ(notNumbers(), 1);
    document.SetSelection(wall);
    document.OnDelete();
    EXPECT_EQ(notNumbers(), 0);
}
