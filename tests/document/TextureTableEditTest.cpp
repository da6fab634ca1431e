#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/TextureTable.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "scenegraph/CSGGroup.h"

// Edits of the table: no OpenGL is involved.
namespace {

// A table of rows 0 ("notex") to n with the given counts, nothing queued.
TextureTable TableWithCounts(const std::vector<std::pair<std::string, int>>& rows)
{
    TextureTable table;
    for (const auto& [path, count] : rows)
        table.m_textures.push_back({path, count});
    return table;
}

TEST(TextureTableRelease, FreesAndQueuesARowWhenItsLastUserGoes)
{
    TextureTable table = TableWithCounts({{"notex", 2}, {"a.jpg", 2}, {"b.jpg", 1}});
    table.ReleaseTexture(1);
    EXPECT_EQ(table.m_textures[1].refCount, 1);
    EXPECT_EQ(table.m_textures[1].path, "a.jpg");
    table.ReleaseTexture(2);
    EXPECT_EQ(table.m_textures[2].refCount, 0);
    EXPECT_EQ(table.m_textures[2].path, "");
    EXPECT_EQ(table.m_texturesToDelete, std::vector<int>{2});
    EXPECT_FALSE(table.m_bTexturesDirty);

    // A row nobody uses any more is not released again.
    table.ReleaseTexture(2);
    EXPECT_EQ(table.m_textures[2].refCount, 0);
    EXPECT_EQ(table.m_texturesToDelete, std::vector<int>{2});
}

TEST(TextureTableRelease, RowZeroIsNeverFreedAndOutOfRangeIndicesAreIgnored)
{
    TextureTable table = TableWithCounts({{"notex", 1}, {"a.jpg", 1}});
    table.ReleaseTexture(0);
    table.ReleaseTexture(0);
    EXPECT_EQ(table.m_textures[0].path, "notex");
    EXPECT_EQ(table.m_textures[0].refCount, 0);
    for (int index : {-1, 2, TextureTable::MAX_ROWS, 1 << 30})
        table.ReleaseTexture(index);
    EXPECT_TRUE(table.m_texturesToDelete.empty());
    EXPECT_EQ(table.m_textures.size(), 2u);
    EXPECT_EQ(table.m_textures[1].refCount, 1);
}

TEST(TextureTableAssign, SamePathReusesTheRowAndLoadsNothing)
{
    TextureTable table = TableWithCounts({{"notex", 1}, {"a.jpg", 1}});
    table.m_glTextures[1] = 42;
    LevelFloor floor;
    floor.SetNeedsTextureUpdate(false);

    ASSERT_TRUE(table.AssignTextureFile(floor, "a.jpg"));
    EXPECT_EQ(floor.GetTextureID(), 1);
    EXPECT_EQ(floor.GetGLTexture(), 42u);
    EXPECT_FALSE(floor.NeedsTextureUpdate());
    EXPECT_EQ(table.m_textures[0].refCount, 0);
    EXPECT_EQ(table.m_textures[1].refCount, 2);
    EXPECT_TRUE(table.m_texturesToLoad.empty());
    EXPECT_FALSE(table.m_bTexturesDirty);
}

TEST(TextureTableAssign, MatchOnARowStillWaitingForItsImageAsksForTheName)
{
    TextureTable table = TableWithCounts({{"notex", 2}});
    LevelFloor floor;
    Wall wall;
    ASSERT_TRUE(table.AssignTextureFile(floor, "a.jpg"));
    wall.SetNeedsTextureUpdate(false);
    ASSERT_TRUE(table.AssignTextureFile(wall, "a.jpg"));
    EXPECT_EQ(wall.GetTextureID(), 1);
    EXPECT_TRUE(wall.NeedsTextureUpdate());
    EXPECT_EQ(table.m_texturesToLoad, std::vector<int>{1});
}

TEST(TextureTableAssign, NewPathAppendsARowOrTakesTheFirstFreeOne)
{
    TextureTable table = TableWithCounts({{"notex", 2}, {"a.jpg", 1}, {"", 0}, {"c.jpg", 1}, {"", 0}});
    Wall wall;
    wall.SetNeedsTextureUpdate(false);

    ASSERT_TRUE(table.AssignTextureFile(wall, "d.jpg"));
    EXPECT_EQ(wall.GetTextureID(), 2);
    EXPECT_EQ(table.m_textures[2].path, "d.jpg");
    EXPECT_EQ(table.m_textures[2].refCount, 1);
    EXPECT_TRUE(wall.NeedsTextureUpdate());
    EXPECT_TRUE(table.m_bTexturesDirty);

    LevelFloor floor;
    table.m_textures[4].refCount = 1;
    table.m_textures[4].path = "e.jpg";
    ASSERT_TRUE(table.AssignTextureFile(floor, "f.jpg"));
    EXPECT_EQ(floor.GetTextureID(), 5);
    EXPECT_EQ(table.m_textures.size(), 6u);
    EXPECT_EQ(table.m_texturesToLoad, (std::vector<int>{2, 5}));
    EXPECT_TRUE(table.m_texturesToDelete.empty());
}

TEST(TextureTableAssign, TheNoTexturePathIsNeverMatchedWithRowZero)
{
    TextureTable table = TableWithCounts({{"notex", 1}});
    Wall wall;
    ASSERT_TRUE(table.AssignTextureFile(wall, "notex"));
    EXPECT_EQ(wall.GetTextureID(), 1);
    EXPECT_EQ(table.m_textures.size(), 2u);
}

TEST(TextureTableAssign, TheFloorsOnlyImageChosenAgainFreesAndReusesTheSameRow)
{
    TextureTable table = TableWithCounts({{"notex", 0}, {"a.jpg", 1}, {"b.jpg", 1}});
    LevelFloor floor;
    floor.SetTextureID(1);
    floor.SetNeedsTextureUpdate(false);

    ASSERT_TRUE(table.AssignTextureFile(floor, "a.jpg"));
    EXPECT_EQ(floor.GetTextureID(), 1);
    EXPECT_EQ(table.m_textures[1].path, "a.jpg");
    EXPECT_EQ(table.m_textures[1].refCount, 1);
    EXPECT_EQ(table.m_texturesToDelete, std::vector<int>{1});
    EXPECT_EQ(table.m_texturesToLoad, std::vector<int>{1});
    EXPECT_TRUE(floor.NeedsTextureUpdate());
    EXPECT_EQ(table.m_textures.size(), 3u);
}

TEST(TextureTableAssign, AFullTableRefusesAndChangesNothing)
{
    TextureTable table;
    for (int i = 0; i < TextureTable::MAX_ROWS; ++i)
        table.m_textures.push_back({"t" + std::to_string(i), 2});
    Wall wall;
    wall.SetTextureID(7);
    wall.SetNeedsTextureUpdate(false);

    EXPECT_FALSE(table.AssignTextureFile(wall, "new.jpg"));
    EXPECT_EQ(wall.GetTextureID(), 7);
    EXPECT_FALSE(wall.NeedsTextureUpdate());
    EXPECT_EQ(table.m_textures[7].refCount, 2);
    EXPECT_EQ(table.m_textures.size(), static_cast<std::size_t>(TextureTable::MAX_ROWS));
    EXPECT_TRUE(table.m_texturesToLoad.empty());
    EXPECT_TRUE(table.m_texturesToDelete.empty());

    // The wall's own row freed by the change makes room.
    table.m_textures[7].refCount = 1;
    EXPECT_TRUE(table.AssignTextureFile(wall, "new.jpg"));
    EXPECT_EQ(wall.GetTextureID(), 7);
}

TEST(TextureTableCount, CountsFloorsAndWallsInNestedGroupsAndOutOfRangeAsRowZero)
{
    TextureTable table = TableWithCounts({{"notex", 0}, {"a.jpg", 0}, {"b.jpg", 0}});
    CSGGroup root;
    auto* level = new LevelGroupNode;
    root.AppendChild(level);
    level->AppendChild(new LevelFloor);
    auto* inner = new CSGGroup;
    level->AppendChild(inner);
    for (int id : {2, 2, 1, 9, -3}) {
        auto* wall = new Wall;
        wall->SetTextureID(id);
        inner->AppendChild(wall);
    }
    table.CountTextureReferences(root);
    EXPECT_EQ(table.m_textures[0].refCount, 3);
    EXPECT_EQ(table.m_textures[1].refCount, 1);
    EXPECT_EQ(table.m_textures[2].refCount, 2);

    TextureTable empty;
    empty.CountTextureReferences(root);
    EXPECT_TRUE(empty.m_textures.empty());
}

TEST(TextureTableClear, QueuesEveryRowForDeletionAndEmptiesTheTable)
{
    TextureTable table = TableWithCounts({{"notex", 1}, {"a.jpg", 1}, {"", 0}});
    table.m_texturesToDelete = {2};
    table.m_texturesToLoad = {1};
    table.ClearTable();
    EXPECT_TRUE(table.m_textures.empty());
    EXPECT_TRUE(table.m_texturesToLoad.empty());
    EXPECT_EQ(table.m_texturesToDelete, (std::vector<int>{2, 0, 1, 2}));
}

} // namespace
