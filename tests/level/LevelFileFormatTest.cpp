#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "level/CICubeMapNode.h"
#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/StartPositionNode.h"
#include "level/TexturesNode.h"
#include "level/Wall.h"
#include "scenegraph/CSGTransformation.h"
#include "tests/level/LevelFileTestSupport.h"
#include "tests/level/LevelTestSupport.h"
#include "xml/XmlElement.h"

namespace {

// The parts that both example files share.
#define TEXTURES_AND_LEVEL_GROUP_START                                                             \
    "<TexturesNode\n"                                                                             \
    "  NumTextures = \"0\"\n"                                                                     \
    "/>\n"                                                                                        \
    "<LevelGroupNode SaveLightState = \"1\" >\n"                                                  \
    "<LevelFloor\n"                                                                               \
    "  Width = \"20\" Heigth = \"16\" TextureID = \"0\" TexTX = \"0.000000\" TexTY = \"0.000000\" " \
    "TexScaleX = \"1.000000\" TexScaleY = \"1.000000\" TexRotationAngleDeg = \"0.000000\"\n"       \
    "/>\n"
#define SNAKE_MOTION_SETTINGS                                                                      \
    "SnakeTurningAngle = \"90.000000\" SnakeInitialLength = \"8.000000\" SnakeInitialVelocity = "    \
    "\"2.000000\"\n"                                                                               \
    "/>\n"

const char kNewLevel[] =
    "<CSGGroup SaveLightState = \"1\" >\n"
    "<GameSettingsNode\n"
    "  NormalItemsNumber = \"1\" SnakeInitialPosX = \"0.000000\" SnakeInitialPosY = \"0.000000\" "
    "SnakeInitialPosZ = \"0.000000\" SnakeInitialOrientationAngle = \"0.000000\" " SNAKE_MOTION_SETTINGS
    TEXTURES_AND_LEVEL_GROUP_START
    "</LevelGroupNode>\n"
    "</CSGGroup>\n";

const char kEditedLevel[] =
    "<CSGGroup SaveLightState = \"1\" >\n"
    "<CICubeMapNode\n"
    "  TextureBaseName = \"../data/CubeMaps/Special/default.png\"\n"
    "/>\n"
    "<GameSettingsNode\n"
    "  NormalItemsNumber = \"1\" SnakeInitialPosX = \"1.000000\" SnakeInitialPosY = \"0.000000\" "
    "SnakeInitialPosZ = \"-2.000000\" SnakeInitialOrientationAngle = \"45.000000\" " SNAKE_MOTION_SETTINGS
    TEXTURES_AND_LEVEL_GROUP_START
    "<Wall\n"
    "  CenterX = \"2.000000\" CenterZ = \"-3.000000\" Width = \"4.000000\" Depth = \"1.000000\" "
    "OrientationAngle = \"0.000000\" TextureID = \"0\" TexTX = \"0.000000\" TexTY = \"0.000000\" "
    "TexScaleX = \"1.000000\" TexScaleY = \"1.000000\" TexRotationAngleDeg = \"0.000000\"\n"
    "/>\n"
    "<Item\n"
    "  ItemTypeID = \"17\" PosX = \"5.000000\" PosY = \"0.000000\" PosZ = \"3.000000\" RespawnTime = "
    "\"20.000000\" TTLBeforePicked = \"1.000000\" Amount = \"0.200000\"\n"
    "/>\n"
    "</LevelGroupNode>\n"
    "</CSGGroup>\n";

const char kIdentityTransformation[] =
    "<CSGTransformation>\n"
    "<Matrix Label=\"M\"\n"
    "a00=\"1.000000\" a01=\"0.000000\" a02=\"0.000000 \" a03=\"0.000000\" \n"
    "a10=\"0.000000\" a11=\"1.000000\" a12=\"0.000000 \" a13=\"0.000000\" \n"
    "a20=\"0.000000\" a21=\"0.000000\" a22=\"1.000000 \" a23=\"0.000000\" \n"
    "a30=\"0.000000\" a31=\"0.000000\" a32=\"0.000000 \" a33=\"1.000000\" \n"
    "/>\n"
    "</CSGTransformation>\n";

// The tree of a new level: settings, textures, level group with marker and floor.
struct NewLevel {
    CSGGroup root;
    GameSettingsNode* settings = new GameSettingsNode;
    LevelGroupNode* group = new LevelGroupNode;

    NewLevel()
    {
        root.AppendChild(settings);
        root.AppendChild(new TexturesNode);
        root.AppendChild(group);
        group->AppendChild(new StartPositionNode(0, 0, 0, 0));
        group->AppendChild(new LevelFloor);
    }
};

// The new level after the sky box, one wall, one item and a moved start position.
struct EditedLevel : NewLevel {
    EditedLevel()
    {
        auto* cubeMap = new CICubeMapNode;
        cubeMap->TextureBaseName = "../data/CubeMaps/Special/default.png";
        root.PrependChild(cubeMap);
        group->AppendChild(new Wall(2.0f, -3.0f, 4.0f, 1.0f));
        group->AppendChild(new Item(5.0f, 0.0f, 3.0f, ITEM_LIFE_EXTRA));
        settings->SnakeInitialPosX = 1.0f;
        settings->SnakeInitialPosZ = -2.0f;
        settings->SnakeInitialOrientationAngle = 45.0f;
    }
};

XmlElement Element(const std::string& name, std::initializer_list<std::pair<const char*, const char*>> attributes)
{
    XmlElement element;
    element.SetName(name);
    for (const auto& [key, value] : attributes)
        element.SetAttribute(key, value);
    return element;
}

} // namespace

TEST(LevelFileFormat, ExampleFilesAreReproducedByteForByte)
{
    NewLevel newLevel;
    EXPECT_EQ(WrittenText(newLevel.root), kNewLevel);
    EditedLevel edited;
    EXPECT_EQ(WrittenText(edited.root), kEditedLevel);
    CSGTransformation identity;
    EXPECT_EQ(WrittenText(identity), kIdentityTransformation);
}

TEST(LevelFileFormat, DecimalCommaLocaleStillWritesPoints)
{
    TempFolder folder;
    DecimalCommaLocale locale(folder);
    if (!locale.Active())
        GTEST_SKIP() << "no German locale could be installed or built";
    EditedLevel edited;
    EXPECT_EQ(WrittenText(edited.root), kEditedLevel);
}

TEST(LevelFileFormat, FloatsAreWrittenWithSixDecimalsFromTheirFloatValue)
{
    Item item;
    item.x = 0.1234567f;
    item.y = 1.0e-7f;
    item.z = -0.0f;
    item.Amount = 16777217.0f; // not representable: the float value is written
    EXPECT_EQ(WrittenText(item), "<Item\n"
                                 "  ItemTypeID = \"16\" PosX = \"0.123457\" PosY = \"0.000000\" "
                                 "PosZ = \"-0.000000\" RespawnTime = \"0.000000\" TTLBeforePicked = "
                                 "\"1.000000\" Amount = \"16777216.000000\"\n"
                                 "/>\n");
}

TEST(LevelFileFormat, TexturesAndCubeMapElements)
{
    TexturesNode textures;
    textures.m_names = {"../data/Textures/a.jpg", "b c.tga"};
    EXPECT_EQ(WrittenText(textures), "<TexturesNode\n"
                                     "  NumTextures = \"2\"\n"
                                     "  1 = \"../data/Textures/a.jpg\"\n"
                                     "  2 = \"b c.tga\"\n"
                                     "/>\n");
    CICubeMapNode cubeMap;
    EXPECT_EQ(WrittenText(cubeMap), "<CICubeMapNode\n  TextureBaseName = \"\"\n/>\n");
}

TEST(LevelFileFormat, ReadAndWrittenAgainGivesTheSameText)
{
    LevelScene scene;
    Wall wall;
    wall.ReadXml(Element("Wall", {{"CenterX", "1.5"}, {"CenterZ", "-2"}, {"Width", "3"}, {"Depth", "0.25"},
                                  {"OrientationAngle", "30"}, {"TextureID", "4"}, {"TexTX", "0.1234567"},
                                  {"TexTY", "-1"}, {"TexScaleX", "2"}, {"TexScaleY", "3"},
                                  {"TexRotationAngleDeg", "725"}}),
                 scene);
    EXPECT_EQ(WrittenText(wall),
              "<Wall\n"
              "  CenterX = \"1.500000\" CenterZ = \"-2.000000\" Width = \"3.000000\" Depth = \"0.250000\" "
              "OrientationAngle = \"30.000000\" TextureID = \"4\" TexTX = \"0.123457\" TexTY = "
              "\"-1.000000\" TexScaleX = \"2.000000\" TexScaleY = \"3.000000\" TexRotationAngleDeg = "
              "\"725.000000\"\n"
              "/>\n");
    EXPECT_EQ(wall.y, 0.0f);
}

TEST(LevelFileFormat, ReadingTakesAttributesByNameWithAtofRules)
{
    LevelScene scene;
    LevelFloor floor;
    floor.ReadXml(Element("LevelFloor", {{"Width", " 30abc"}, {"Height", "12"}, {"TexScaleX", "x"},
                                         {"TexRotationAngleDeg", "-725.5"}}),
                  scene);
    EXPECT_EQ(floor.Width, 30);
    EXPECT_EQ(floor.Heigth, 0) << "only the attribute spelt Heigth counts";
    EXPECT_EQ(floor.TexScaleX, 0.0f);
    EXPECT_EQ(floor.TexRotationAngleDeg, -725.5f) << "the loader does not reduce the angle";

    Item item;
    item.ReadXml(Element("Item", {{"ItemTypeID", "19"}, {"PosX", "1.5"}, {"PosZ", "2"}, {"Amount", "0.3"}}),
                 scene);
    EXPECT_EQ(item.GetType(), ITEM_DECREASE_LENGTH);
    EXPECT_EQ(item.x, 1.5f);
    EXPECT_EQ(item.y, 0.0f) << "a missing PosY reads as 0";
    EXPECT_EQ(item.TTLBeforePicked, 0.0f);

    GameSettingsNode settings;
    settings.ReadXml(Element("GameSettingsNode", {{"NormalItemsNumber", "7"}, {"SnakeTurningAngle", "45"},
                                                  {"SnakeInitialVelocity", "2.5e1"}}),
                     scene);
    EXPECT_EQ(settings.NormalItemsNumber, 7);
    EXPECT_EQ(settings.SnakeTurningAngle, 45.0f);
    EXPECT_EQ(settings.SnakeInitialVelocity, 25.0f);
    EXPECT_EQ(settings.SnakeInitialLength, 0.0f);
}

TEST(LevelFileFormat, LevelGroupSaveLightStateIsOffOnlyForZero)
{
    LevelScene scene;
    LevelGroupNode group;
    for (const char* text : {"false", "1", "00", ""}) {
        group.ReadXml(Element("LevelGroupNode", {{"SaveLightState", text}}), scene);
        EXPECT_TRUE(group.SaveLightState) << text;
    }
    group.ReadXml(Element("LevelGroupNode", {{"SaveLightState", "0"}}), scene);
    EXPECT_FALSE(group.SaveLightState);
    EXPECT_EQ(WrittenText(group), "<LevelGroupNode SaveLightState = \"0\" >\n</LevelGroupNode>\n");
}

TEST(LevelFileFormat, TextureNamesFollowNumTextures)
{
    LevelScene scene;
    TexturesNode textures;
    textures.ReadXml(Element("TexturesNode", {{"NumTextures", "2"}, {"1", "a.jpg"}, {"3", "c.jpg"}}), scene);
    ASSERT_EQ(textures.m_names.size(), 2u);
    EXPECT_EQ(textures.m_names[0], "a.jpg");
    EXPECT_EQ(textures.m_names[1], "");

    textures.ReadXml(Element("TexturesNode", {{"NumTextures", "-3"}, {"1", "a.jpg"}}), scene);
    EXPECT_TRUE(textures.m_names.empty());
}

TEST(LevelFileFormat, HostileTextureCountDoesNotAllocateWithoutBound)
{
    LevelScene scene;
    TexturesNode textures;
    textures.ReadXml(Element("TexturesNode", {{"NumTextures", "2147483647"}, {"1", "a.jpg"}}), scene);
    EXPECT_LE(textures.m_names.size(), 100002u);
    ASSERT_FALSE(textures.m_names.empty());
    EXPECT_EQ(textures.m_names[0], "a.jpg");
}

TEST(LevelFileFormat, CubeMapBaseNameKeptWhenEmptyOrMissing)
{
    LevelScene scene;
    CICubeMapNode cubeMap;
    cubeMap.TextureBaseName = "sky.png";
    cubeMap.ReadXml(Element("CICubeMapNode", {}), scene);
    EXPECT_EQ(cubeMap.TextureBaseName, "sky.png");
    cubeMap.ReadXml(Element("CICubeMapNode", {{"TextureBaseName", ""}}), scene);
    EXPECT_EQ(cubeMap.TextureBaseName, "sky.png");
    cubeMap.ReadXml(Element("CICubeMapNode", {{"TextureBaseName", "../x/night.jpg"}}), scene);
    EXPECT_EQ(cubeMap.TextureBaseName, "../x/night.jpg");
}

TEST(LevelFileFormat, ItemTypeOutsideTheTableIsKeptButNeverAnotherKind)
{
    LevelScene scene;
    for (const char* type : {"1", "2", "3", "256", "0", "-5", "22"}) {
        Item item;
        item.ReadXml(Element("Item", {{"ItemTypeID", type}}), scene);
        EXPECT_EQ(item.GetType(), ITEM_OUT_OF_RANGE) << type;
        EXPECT_TRUE(IsItemType(item.GetType()));
        EXPECT_NE(WrittenText(item).find(std::string("ItemTypeID = \"") + type + "\""), std::string::npos);
    }
}

TEST(TextureMapping, RotationSetterReducesByWholeTurns)
{
    LevelFloor floor;
    const std::pair<float, float> cases[] = {{370.5f, 10.5f}, {-370.5f, -10.5f}, {359.0f, 359.0f},
                                             {-359.0f, -359.0f}, {720.0f, 0.0f}, {725.0f, 5.0f},
                                             {-725.0f, -5.0f}, {360.9f, 0.9f}};
    for (const auto& [in, out] : cases) {
        floor.SetTexRotationAngleDeg(in);
        EXPECT_NEAR(floor.GetTexRotationAngleDeg(), out, 1e-4f) << in;
    }
}

TEST(TextureMapping, AnglesBeyondIntegerRangeAreReducedExactly)
{
    const float huge = 1.0e20f;
    EXPECT_EQ(ReduceByWholeTurns(huge), std::fmod(huge, 360.0f));
    EXPECT_EQ(ReduceByWholeTurns(-3.0e9f), std::fmod(-3.0e9f, 360.0f));
    EXPECT_EQ(ReduceByWholeTurns(std::numeric_limits<float>::infinity()),
              std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(ReduceByWholeTurns(std::nanf(""))));
    EXPECT_EQ(ReduceByWholeTurns(2.0e9f), 2.0e9f - 360.0f * (2000000000 / 360));
}

TEST(LevelNodes, ConstructorsGiveTheInitialValues)
{
    Item inserted(1, 0, 2, ITEM_LIFE_EXTRA);
    EXPECT_EQ(inserted.RespawnTime, 20.0f);
    EXPECT_EQ(inserted.TTLBeforePicked, 1.0f);
    EXPECT_EQ(inserted.Amount, 0.2f);
    EXPECT_EQ(Item(1, 0, 2, ITEM_NORMAL).RespawnTime, 0.0f);
    EXPECT_EQ(Item().GetType(), ITEM_NORMAL);

    Wall wall;
    EXPECT_EQ(wall.Width, 1.0f);
    EXPECT_EQ(wall.Depth, 1.0f);
    EXPECT_EQ(wall.m_height, 1.0f);
    EXPECT_EQ(wall.GetType(), WALL_NODE);
    wall.y = 3.0f;
    wall.Set(4.0f, 5.0f, 0.0f, 0.0f);
    EXPECT_EQ(wall.y, 0.0f);
    EXPECT_EQ(wall.x, 4.0f);
    EXPECT_EQ(wall.z, 5.0f);

    LevelFloor floor;
    floor.Prepare();
    EXPECT_FALSE(floor.NeedsTextureUpdate());
}
