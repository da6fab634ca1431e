#include <algorithm>
#include <chrono>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "tests/document/TextureTableFixture.h"

namespace {

using TextureWork = TextureTableFixture;

GLint TextureParameter(unsigned name, GLenum parameter)
{
    glBindTexture(GL_TEXTURE_2D, name);
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
    return value;
}

GLint LevelWidth(unsigned name, int level)
{
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
}

TEST_F(TextureWork, OpenedLevelLoadsEveryRowRowZeroFirstAndHandsNamesToFloorAndWalls)
{
    Open({Image("a.png", IL_PNG, kRed), Image("b.jpg", IL_JPG, kGreen), Image("c.tga", IL_TGA, kYellow)});
    LevelFloor& floor = Add(new LevelFloor);
    Wall& wall = AddWall(3);
    Work();

    const unsigned* names = table.m_glTextures;
    EXPECT_TRUE(ShowsColour(names[0], kMagenta));
    EXPECT_TRUE(ShowsColour(names[1], kRed));
    EXPECT_TRUE(ShowsColour(names[2], kGreen));
    EXPECT_TRUE(ShowsColour(names[3], kYellow));
    // A fresh context hands out increasing names, so they tell the order of the loads.
    EXPECT_LT(names[0], names[1]);
    EXPECT_LT(names[1], names[2]);
    EXPECT_LT(names[2], names[3]);
    EXPECT_EQ(floor.GetGLTexture(), names[0]);
    EXPECT_EQ(wall.GetGLTexture(), names[3]);
    EXPECT_FALSE(floor.NeedsTextureUpdate());
    EXPECT_FALSE(wall.NeedsTextureUpdate());
    EXPECT_TRUE(table.m_texturesToLoad.empty());
    EXPECT_FALSE(table.m_bTexturesDirty);
}

TEST_F(TextureWork, LoadedAndFallbackTexturesHaveMipmapFilters)
{
    Open({Image("a.png", IL_PNG, kRed), Missing("gone.png")});
    Work();
    for (int row : {0, 1}) {
        const unsigned name = table.m_glTextures[row];
        EXPECT_EQ(TextureParameter(name, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR) << row;
        EXPECT_EQ(TextureParameter(name, GL_TEXTURE_MAG_FILTER), GL_LINEAR) << row;
        // The mipmap chain down to 1 x 1 exists.
        EXPECT_EQ(LevelWidth(name, 2), 1) << row;
    }
}

TEST_F(TextureWork, MissingOrRefusedImagesShareTheNoTextureName)
{
    std::string gif("GIF89a\x04\x00\x04\x00\x80\x00\x00", 13);
    Open({Missing("gone.jpg"), TextFile("notes.jpg", "just some text\n"), TextFile("anim.gif", gif),
          TextFile("image.jpg", gif), ""});
    Wall& wall = AddWall(1);
    Work();

    const unsigned noTexture = table.m_glTextures[0];
    ASSERT_TRUE(glIsTexture(noTexture));
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(table.m_glTextures[row], noTexture) << row;
    EXPECT_EQ(wall.GetGLTexture(), noTexture);
}

TEST_F(TextureWork, HostileImagesFallBackAtOnceWithinLittleMemoryAndLeaveOneNoticeEach)
{
    // Headers declaring images far beyond any texture: nothing of them may be decoded.
    const std::string tga = m_dir.File("huge.tga");
    const std::string png = m_dir.File("huge.png");
    WriteImageBytes(tga, Concat(TgaHeader(65535, 65535), Bytes(1 << 16, 0x55)));
    WriteImageBytes(png, Concat(PngHeader(30000, 30000), Bytes(1 << 16, 0x55)));
    Open({tga, Image("a.png", IL_PNG, kRed), png});
    TakeImageNotices();
    // Measured in a child process, whose peak memory is this load's alone.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const auto start = std::chrono::steady_clock::now();
        Work();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const std::vector<std::string> notices = TakeImageNotices();
        const unsigned* names = table.m_glTextures;
        const bool fellBack = names[1] == names[0] && names[3] == names[0] && ShowsColour(names[2], kRed);
        const bool noticed = notices.size() == 2 && notices[0].rfind(tga + ": ", 0) == 0 &&
                             notices[1].rfind(png + ": ", 0) == 0;
        _exit(!fellBack ? 1 : !noticed ? 2 : usage.ru_maxrss >= 300 * 1024 ? 3 : seconds >= 2.0 ? 4 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: rows did not fall back, 2: notices, 3: peak memory, 4: time";
}

TEST_F(TextureWork, FormatComesFromTheContentsNotTheName)
{
    const std::string png = Image("really-png.jpg", IL_PNG, kGreen);
    Open({png, Image("bitmap.tga", IL_BMP, kRed)});
    Work();
    EXPECT_TRUE(ShowsColour(table.m_glTextures[1], kGreen));
    EXPECT_EQ(table.m_glTextures[2], table.m_glTextures[0]);
}

TEST_F(TextureWork, WithoutTheNoTextureImageFailedRowsGetZeroUntilItAppears)
{
    const std::string noTexturePath = table.m_noTexturePath;
    table.m_noTexturePath = Missing("absent.tga");
    Open({Missing("gone.jpg"), Image("a.png", IL_PNG, kRed)});
    Wall& wall = AddWall(1);
    Work();
    EXPECT_EQ(table.m_glTextures[0], 0u);
    EXPECT_EQ(table.m_glTextures[1], 0u);
    EXPECT_EQ(wall.GetGLTexture(), 0u);
    EXPECT_TRUE(ShowsColour(table.m_glTextures[2], kRed));

    // The next failing image tries the no-texture image again.
    table.m_noTexturePath = noTexturePath;
    table.m_textures.push_back({Missing("other.jpg"), 0});
    table.m_texturesToLoad.push_back(3);
    table.m_bTexturesDirty = true;
    Work();
    EXPECT_TRUE(ShowsColour(table.m_glTextures[0], kMagenta));
    EXPECT_EQ(table.m_glTextures[3], table.m_glTextures[0]);
}

TEST_F(TextureWork, ReleasingAFellBackRowKeepsTheNoTextureImage)
{
    Open({Missing("gone.jpg"), Missing("lost.jpg")});
    Add(new LevelFloor);
    Wall& wall = AddWall(1);
    AddWall(2);
    table.CountTextureReferences(root);
    Work();
    const unsigned noTexture = table.m_glTextures[0];

    table.ReleaseTexture(wall.GetTextureID());
    table.m_bTexturesDirty = true;
    Work();
    EXPECT_TRUE(glIsTexture(noTexture));
    EXPECT_TRUE(ShowsColour(noTexture, kMagenta));
    EXPECT_EQ(table.m_glTextures[2], noTexture);
    EXPECT_EQ(table.m_glTextures[1], 0u);
}

TEST_F(TextureWork, ClearedTableDeletesEverySharedNameOnce)
{
    Open({Image("a.png", IL_PNG, kRed), Missing("gone.jpg")});
    Work();
    const unsigned own = table.m_glTextures[1];
    const unsigned noTexture = table.m_glTextures[0];

    table.ClearTable();
    EXPECT_TRUE(table.m_textures.empty());
    EXPECT_EQ(table.m_texturesToDelete, (std::vector<int>{0, 1, 2}));
    table.m_bTexturesDirty = true;
    Work();
    EXPECT_FALSE(glIsTexture(own));
    EXPECT_FALSE(glIsTexture(noTexture));
    EXPECT_TRUE(table.m_texturesToDelete.empty());
}

TEST_F(TextureWork, RowReleasedAndReusedEndsWithTheNewImage)
{
    Open({Image("a.png", IL_PNG, kRed)});
    LevelFloor& floor = Add(new LevelFloor);
    floor.SetTextureID(1);
    table.CountTextureReferences(root);
    Work();

    ASSERT_TRUE(table.AssignTextureFile(floor, Image("b.png", IL_PNG, kGreen)));
    EXPECT_EQ(floor.GetTextureID(), 1);
    EXPECT_EQ(table.m_texturesToDelete, std::vector<int>{1});
    EXPECT_EQ(table.m_texturesToLoad, std::vector<int>{1});
    Work();
    EXPECT_TRUE(ShowsColour(table.m_glTextures[1], kGreen));
    EXPECT_EQ(floor.GetGLTexture(), table.m_glTextures[1]);
}

// An undo frees a row that the level's file named and nobody used: the row keeps its path but
// not its texture, so the next wall given that image loads it again.
TEST_F(TextureWork, RowFreedByAnUndoLoadsItsImageAgainWhenUsedAgain)
{
    const std::string red = Image("a.png", IL_PNG, kRed);
    Open({red});
    Wall& wall = AddWall(0);
    table.CountTextureReferences(root);
    Work();
    const std::vector<TextureEntry> before = table.m_textures;
    ASSERT_TRUE(table.AssignTextureFile(wall, red));
    const RowChanges choice = RowChanges::Between(before, table.m_textures);
    wall.SetTextureID(0);
    table.RestoreRows(choice, false, root);
    Work();
    ASSERT_EQ(table.m_textures[1].path, red);

    ASSERT_TRUE(table.AssignTextureFile(wall, red));
    Work();
    EXPECT_TRUE(ShowsColour(wall.GetGLTexture(), kRed));
    EXPECT_EQ(wall.GetGLTexture(), table.m_glTextures[1]);
}

TEST_F(TextureWork, RowQueuedTwiceOrReusedWithItsImageFreesTheEarlierTexture)
{
    Open({Image("a.png", IL_PNG, kRed)});
    Work();
    const unsigned unused = table.m_glTextures[1];
    LevelFloor& floor = Add(new LevelFloor);
    table.CountTextureReferences(root);

    // Row 1 is counted by nobody, so it is the free row the new image takes.
    ASSERT_TRUE(table.AssignTextureFile(floor, Image("b.png", IL_PNG, kGreen)));
    EXPECT_EQ(floor.GetTextureID(), 1);
    ASSERT_TRUE(table.AssignTextureFile(floor, Image("c.png", IL_PNG, kYellow)));
    EXPECT_EQ(table.m_texturesToLoad, (std::vector<int>{1, 1}));
    Work();

    EXPECT_FALSE(glIsTexture(unused) && TexelOf(unused) == kRed);
    EXPECT_TRUE(ShowsColour(floor.GetGLTexture(), kYellow));
    GLint textures = 0;
    for (unsigned name = 1; name < 64; ++name)
        textures += glIsTexture(name) ? 1 : 0;
    EXPECT_EQ(textures, 2); // the no-texture image and c.png
}

TEST_F(TextureWork, FirstItemBuildsTheListsLaterItemsShareThemAndTheSphereMap)
{
    Open({});
    Item& first = Add(new Item(1.0f, 0.0f, 1.0f, ITEM_NORMAL));
    Item& second = Add(new Item(2.0f, 0.0f, 2.0f, ITEM_DECREASE_SPEED));
    Work();

    EXPECT_TRUE(glIsList(table.m_itemSphereList));
    EXPECT_TRUE(glIsList(table.m_itemCubeList));
    EXPECT_NE(table.m_itemSphereList, table.m_itemCubeList);
    EXPECT_TRUE(ShowsColour(table.m_envMapTexture, kBlue));
    for (Item* item : {&first, &second}) {
        EXPECT_EQ(item->m_sphereList, table.m_itemSphereList);
        EXPECT_EQ(item->m_cubeList, table.m_itemCubeList);
        EXPECT_EQ(item->m_sphereMapTexture, table.m_envMapTexture);
        EXPECT_FALSE(item->m_listsNeeded);
    }

    // An item placed later gets the same names without new lists or a new load.
    const unsigned envMap = table.m_envMapTexture;
    Item& third = Add(new Item(3.0f, 0.0f, 3.0f, ITEM_LIFE_EXTRA));
    table.m_bTexturesDirty = true;
    Work();
    EXPECT_EQ(third.m_sphereList, table.m_itemSphereList);
    EXPECT_EQ(third.m_cubeList, table.m_itemCubeList);
    EXPECT_EQ(third.m_sphereMapTexture, envMap);
    EXPECT_EQ(table.m_envMapTexture, envMap);
}

TEST_F(TextureWork, MissingSphereMapSharesTheNoTextureImageWhichOutlivesItsRow)
{
    table.m_sphereMapPath = Missing("nosphere.jpg");
    Open({});
    Item& item = Add(new Item(1.0f, 0.0f, 1.0f, ITEM_NORMAL));
    Work();
    const unsigned noTexture = table.m_glTextures[0];
    EXPECT_EQ(item.m_sphereMapTexture, noTexture);

    // The items still show it after the table let go of row 0.
    table.ClearTable();
    table.m_bTexturesDirty = true;
    Work();
    EXPECT_TRUE(glIsTexture(noTexture));
    table.ReleaseSphereMap();
    EXPECT_FALSE(glIsTexture(noTexture));
    EXPECT_EQ(table.m_envMapTexture, 0u);
}

TEST_F(TextureWork, OutOfRangeIndicesAndIdentifiersAreIgnored)
{
    Open({Image("a.png", IL_PNG, kRed)});
    Wall& wall = AddWall(77);
    table.m_texturesToLoad.insert(table.m_texturesToLoad.end(), {-1, 2, TextureTable::MAX_ROWS, 1 << 30});
    table.m_texturesToDelete = {-5, TextureTable::MAX_ROWS, 5000};
    Work();
    EXPECT_EQ(wall.GetGLTexture(), table.m_glTextures[0]);
    EXPECT_TRUE(ShowsColour(table.m_glTextures[1], kRed));
    EXPECT_TRUE(table.m_texturesToDelete.empty());
}

TEST_F(TextureWork, WorkRunsOnlyWhileDirty)
{
    Open({Image("a.png", IL_PNG, kRed)});
    table.m_bTexturesDirty = false;
    Work();
    EXPECT_EQ(table.m_glTextures[0], 0u);
    EXPECT_EQ(table.m_texturesToLoad.size(), 2u);
}

TEST_F(TextureWork, ReleasingTheGLResourcesDeletesEverythingOnce)
{
    Open({Image("a.png", IL_PNG, kRed), Missing("gone.jpg")});
    Add(new Item(1.0f, 0.0f, 1.0f, ITEM_NORMAL));
    Work();
    std::vector<unsigned> names(table.m_glTextures, table.m_glTextures + 3);
    names.push_back(table.m_envMapTexture);
    const unsigned lists[] = {table.m_itemSphereList, table.m_itemCubeList};
    // Rows of a cleared table that the work has not deleted yet go as well.
    table.ClearTable();
    table.m_textures.push_back({table.m_noTexturePath, 0});

    table.ReleaseGLResources();
    for (unsigned name : names)
        EXPECT_FALSE(glIsTexture(name)) << name;
    for (unsigned list : lists)
        EXPECT_FALSE(glIsList(list)) << list;
    EXPECT_TRUE(table.m_textures.empty());
    EXPECT_TRUE(table.m_texturesToDelete.empty());
    EXPECT_EQ(table.m_envMapTexture, 0u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
