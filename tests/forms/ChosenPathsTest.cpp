#include <gtest/gtest.h>

#include "forms/ChosenPaths.h"

TEST(CubeMapBaseName, DropsTheFaceSuffixInFrontOfTheExtension)
{
    EXPECT_EQ(CubeMapBaseName("/levels/sky/desert_negz.png"), "/levels/sky/desert.png");
    EXPECT_EQ(CubeMapBaseName("sky_posx.jpg"), "sky.jpg");
    EXPECT_EQ(CubeMapBaseName("../data/Cube.Maps/a_posy.jpg"), "../data/Cube.Maps/a.jpg");
}

TEST(CubeMapBaseName, RefusesPathsThatAreNoFaceImage)
{
    EXPECT_EQ(CubeMapBaseName(""), std::nullopt);
    EXPECT_EQ(CubeMapBaseName("_negx.pn"), std::nullopt);        // 8 characters
    EXPECT_EQ(CubeMapBaseName("/sky/desert.png"), std::nullopt); // no face suffix
    EXPECT_EQ(CubeMapBaseName("/sky/desert_top.png"), std::nullopt);
    EXPECT_EQ(CubeMapBaseName("/sky/desert_negz.jpeg"), std::nullopt);
    EXPECT_EQ(CubeMapBaseName("/sky/desert_NEGZ.png"), std::nullopt);
}

TEST(IsStorablePath, RefusesDoubleQuotes)
{
    EXPECT_TRUE(IsStorablePath("/home/me/My Pictures/wall's.jpg"));
    EXPECT_FALSE(IsStorablePath("/home/me/\"quoted\".jpg"));
}

TEST(PortablePath, ImagesOfTheGameFolderBecomeRelativeToTheWorkingDirectory)
{
    const struct {
        const char* chosen;
        const char* stored;
    } cases[] = {
        {"/games/snake/data/Textures/Walls/brick.jpg", "../data/Textures/Walls/brick.jpg"},
        {"/games/snake/app/res/sky.png", "res/sky.png"},
        {"/games/snake/data/../data/Textures/a.tga", "../data/Textures/a.tga"},
        {"/games/snakeskin/a.jpg", "/games/snakeskin/a.jpg"}, // a neighbour of the game folder
        {"/home/me/Pictures/a.jpg", "/home/me/Pictures/a.jpg"},
        {"../data/Textures/a.jpg", "../data/Textures/a.jpg"}, // already relative: kept
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortablePath(c.chosen, "/games/snake/app"), c.stored) << c.chosen;
}
