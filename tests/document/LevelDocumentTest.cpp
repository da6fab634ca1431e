// The default level, clearing, the Delete command and the selection of the level document.
#include "tests/document/LevelDocumentFixture.h"

namespace {

TEST_F(LevelDocumentTest, NewLevelHasTheDefaultTreeAndOneTextureRow)
{
    LevelScene& scene = *document.m_pScene;
    ASSERT_EQ(scene.Root().ChildCount(), 3u);
    EXPECT_EQ(scene.Root().GetChild(0), scene.m_pGameSettings);
    EXPECT_EQ(scene.Root().GetChild(1), scene.m_pTextures);
    EXPECT_EQ(scene.Root().GetChild(2), scene.m_pLevelGroup);
    EXPECT_EQ(scene.m_pCubeMap, nullptr);
    EXPECT_EQ(Types(Group()), (std::vector<int>{START_POSITION_NODE, LEVEL_FLOOR_NODE}));
    EXPECT_EQ(Group().GetChild(0), document.m_pStartMarker);
    EXPECT_EQ(Group().GetChild(1), scene.m_pFloor);
    EXPECT_TRUE(scene.Root().SaveLightState);
    EXPECT_TRUE(Group().SaveLightState);

    const LevelFloor& floor = *scene.m_pFloor;
    EXPECT_EQ(floor.Width, 20);
    EXPECT_EQ(floor.Heigth, 16);
    EXPECT_EQ(floor.GetTextureID(), 0);
    EXPECT_TRUE(floor.NeedsTextureUpdate());
    const GameSettingsNode& settings = *scene.m_pGameSettings;
    EXPECT_EQ(settings.NormalItemsNumber, 1);
    EXPECT_FLOAT_EQ(settings.SnakeTurningAngle, 90.0f);
    EXPECT_FLOAT_EQ(settings.SnakeInitialLength, 8.0f);
    EXPECT_FLOAT_EQ(settings.SnakeInitialVelocity, 2.0f);
    EXPECT_FLOAT_EQ(document.m_pStartMarker->x + document.m_pStartMarker->z + document.m_pStartMarker->angle, 0.0f);
    EXPECT_TRUE(scene.m_pTextures->m_names.empty());

    ASSERT_EQ(document.m_textures.size(), 1u);
    EXPECT_EQ(document.m_textures[0].path, "../data/Textures/Special/notex.tga");
    EXPECT_EQ(document.m_textures[0].refCount, 1);
    EXPECT_EQ(document.m_texturesToLoad, std::vector<int>{0});
    EXPECT_TRUE(document.m_bTexturesDirty);
    EXPECT_EQ(document.SelectedNode(), nullptr);
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(document.m_bAnimate);
}

TEST_F(LevelDocumentTest, ClearingQueuesEveryRowForDeletionAndForgetsTheLevel)
{
    AddWall("a.jpg");
    document.SetSelection(Group().GetChild(2));
    ASSERT_TRUE(document.DeleteContents());
    EXPECT_EQ(document.m_pScene, nullptr);
    EXPECT_EQ(document.SelectedNode(), nullptr);
    EXPECT_EQ(document.m_pStartMarker, nullptr);
    EXPECT_TRUE(document.m_textures.empty());
    EXPECT_TRUE(document.m_texturesToLoad.empty());
    EXPECT_EQ(document.m_texturesToDelete, (std::vector<int>{0, 1}));

    // The next new level queues its rows again, after the old ones' deletion.
    ASSERT_TRUE(document.OnNewDocument());
    EXPECT_EQ(document.m_texturesToDelete, (std::vector<int>{0, 1}));
    EXPECT_EQ(document.m_texturesToLoad, std::vector<int>{0});
}

TEST_F(LevelDocumentTest, DeletingAWallReleasesItsTextureRow)
{
    AddWall("one.jpg");
    AddWall("two.jpg");
    Wall* third = AddWall("three.jpg");
    AddWall("four.jpg");
    ASSERT_EQ(third->GetTextureID(), 3);
    document.m_texturesToDelete.clear();
    document.SetSelection(third);
    EXPECT_TRUE(third->selected);

    document.OnDelete();

    EXPECT_EQ(document.SelectedNode(), nullptr);
    EXPECT_FALSE(Group().FindChild(third).has_value());
    EXPECT_EQ(document.m_textures[3].path, "");
    EXPECT_EQ(document.m_textures[3].refCount, 0);
    EXPECT_EQ(document.m_textures[4].path, "four.jpg");
    EXPECT_EQ(document.m_texturesToDelete, std::vector<int>{3});
    EXPECT_TRUE(document.IsModified());
}

TEST_F(LevelDocumentTest, FloorAndStartMarkerCannotBeDeletedAndItemsCan)
{
    size_t before = Group().ChildCount();
    document.OnDelete(); // nothing selected
    document.SetSelection(document.m_pScene->m_pFloor);
    document.OnDelete();
    EXPECT_EQ(document.SelectedNode(), document.m_pScene->m_pFloor);
    document.SetSelection(document.m_pStartMarker);
    document.OnDelete();
    EXPECT_EQ(document.SelectedNode(), document.m_pStartMarker);
    EXPECT_EQ(Group().ChildCount(), before);

    auto* item = new Item(1.0f, 0.0f, 1.0f, ITEM_LIFE_EXTRA);
    Group().AppendChild(item);
    document.SetSelection(item);
    EXPECT_FALSE(document.m_pStartMarker->selected);
    document.OnDelete();
    EXPECT_EQ(document.SelectedNode(), nullptr);
    EXPECT_EQ(Group().ChildCount(), before);
    EXPECT_EQ(document.m_textures[0].refCount, 1);
}

TEST_F(LevelDocumentTest, DeleteOfASelectionNoLongerInTheLevelChangesNothing)
{
    Wall outside(0.0f, 0.0f, 1.0f, 1.0f);
    outside.SetTextureID(0);
    document.SetSelection(&outside);
    document.OnDelete();
    EXPECT_EQ(document.SelectedNode(), &outside);
    EXPECT_EQ(document.m_textures[0].refCount, 1);
}

TEST_F(LevelDocumentTest, SelectionMovesTheSelectedFlag)
{
    LevelFloor* floor = document.m_pScene->m_pFloor;
    document.SetSelection(floor);
    EXPECT_TRUE(floor->selected);
    document.SetSelection(document.m_pStartMarker);
    EXPECT_FALSE(floor->selected);
    EXPECT_TRUE(document.m_pStartMarker->selected);
    document.SetSelection(nullptr);
    EXPECT_FALSE(document.m_pStartMarker->selected);
    EXPECT_EQ(document.SelectedNode(), nullptr);
}

} // namespace
