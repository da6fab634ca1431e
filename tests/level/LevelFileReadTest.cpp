#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "level/LevelFile.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"
#include "level/TexturesNode.h"
#include "level/Wall.h"
#include "LevelFileTestSupport.h"

namespace {

// Reads a fixture and writes the loaded tree again; the bytes written.
std::string ReadAndRewrite(const std::string& fixture)
{
    std::string error;
    auto scene = ReadLevelFile(LevelFixture(fixture), error);
    if (!scene)
        return "read failed: " + error;
    TempFolder folder;
    std::string target = folder.File("out.xml");
    if (!WriteLevelFile(scene->Root(), target, error))
        return "write failed: " + error;
    return ReadBytes(target);
}

std::string LevelText(const std::string& textures, const std::string& levelGroup)
{
    return "<CSGGroup SaveLightState = \"1\" >\n<GameSettingsNode\n/>\n" + textures +
           "<LevelGroupNode SaveLightState = \"1\" >\n" + levelGroup + "</LevelGroupNode>\n</CSGGroup>\n";
}

std::string WallText(int textureId)
{
    return "<Wall\n  TextureID = \"" + std::to_string(textureId) + "\"\n/>\n";
}

} // namespace

TEST(LevelFileRead, EditorWrittenFilesAreRewrittenByteForByte)
{
    for (const char* fixture : {"valid/new_level.xml", "valid/sky_box_wall_item.xml",
                                "valid/identity_transformation.xml", "flawed/two_textures.xml",
                                "flawed/scene_graph_nodes.xml"}) {
        EXPECT_EQ(ReadAndRewrite(fixture), ReadBytes(LevelFixture(fixture))) << fixture;
    }
}

TEST(LevelFileRead, CrLfFileReadsLikeTheLfFile)
{
    EXPECT_EQ(ReadAndRewrite("valid/crlf_line_ends.xml"),
              ReadBytes(LevelFixture("valid/sky_box_wall_item.xml")));
}

TEST(LevelFileRead, RootElementNameIsNotExamined)
{
    std::string error;
    auto scene = ReadLevelFile(LevelFixture("valid/root_named_level_group.xml"), error);
    ASSERT_TRUE(scene) << error;
    EXPECT_EQ(scene->Root().ChildCount(), 3u);
    EXPECT_EQ(ReadAndRewrite("valid/root_named_level_group.xml"),
              ReadBytes(LevelFixture("valid/new_level.xml")));
}

TEST(LevelFileRead, BrokenFilesAreRefusedWithTheirReason)
{
    struct Case {
        const char* file;
        const char* reason; // a part of the message
    };
    const std::vector<Case> cases = {
        {"missing_floor.xml", "missing element <LevelFloor>"},
        {"missing_game_settings.xml", "missing element <GameSettingsNode>"},
        {"missing_textures.xml", "missing element <TexturesNode>"},
        {"missing_level_group.xml", "missing element <LevelGroupNode>"},
        {"unknown_element.xml", "unknown element <Bonus> in <LevelGroupNode>"},
        {"element_inside_wall.xml", "unknown element <Bonus> in <Wall>"},
        {"non_matrix_element_in_transformation.xml", "unknown element <CSGRotation> in <CSGTransformation>"},
        {"too_many_textures.xml", "too many textures: 1000 (at most 999)"},
        {"parse_error_line3.xml", "parse error at line 3"},
        {"quote_in_texture_path.xml", "parse error"},
        {"two_root_elements.xml", "parse error"},
        {"parser_stack_overflow.xml", "parser stack overflow"},
        {"truncated.xml", ""},
        {"empty.xml", ""},
        {"mismatched_end_tag.xml", ""},
        {"overlong_value.xml", ""},
        {"does_not_exist.xml", ""},
    };
    for (const Case& c : cases) {
        std::string error;
        auto scene = ReadLevelFile(LevelFixture(std::string("broken/") + c.file), error);
        EXPECT_FALSE(scene) << c.file;
        EXPECT_FALSE(error.empty()) << c.file;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.file << ": " << error;
    }
}

TEST(LevelFileRead, AFullTextureTableStillLoads)
{
    std::string textures = "<TexturesNode\n  NumTextures = \"999\"\n/>\n";
    std::string text = LevelText(textures, "<LevelFloor\n/>\n" + WallText(999));
    std::string error;
    auto scene = ReadLevelBuffer(text.data(), text.size(), error);
    ASSERT_TRUE(scene) << error;
    EXPECT_EQ(scene->m_pTextures->m_names.size(), 999u);
    EXPECT_EQ(static_cast<Wall*>(scene->m_pLevelGroup->GetChild(1))->TextureID, 999);
}

TEST(LevelFileRead, TextureIdsOutsideTheFileTableBecomeRowZero)
{
    // Two file textures: rows 0..2 exist. The nested wall checks that repair reaches every group.
    std::string textures = "<TexturesNode\n  NumTextures = \"2\"\n  1 = \"a.jpg\"\n  2 = \"b.jpg\"\n/>\n";
    std::string nested = "<CSGGroup>\n" + WallText(3) + WallText(1) + "</CSGGroup>\n";
    std::string floor = "<LevelFloor\n  TextureID = \"-1\"\n/>\n";
    std::string text = LevelText(textures, floor + WallText(2) + WallText(0) + WallText(2147483647) + nested);
    std::string error;
    auto scene = ReadLevelBuffer(text.data(), text.size(), error);
    ASSERT_TRUE(scene) << error;
    LevelGroupNode& group = *scene->m_pLevelGroup;
    EXPECT_EQ(scene->m_pFloor->TextureID, 0);
    EXPECT_EQ(static_cast<Wall*>(group.GetChild(1))->TextureID, 2);
    EXPECT_EQ(static_cast<Wall*>(group.GetChild(2))->TextureID, 0);
    EXPECT_EQ(static_cast<Wall*>(group.GetChild(3))->TextureID, 0);
    auto* inner = static_cast<CSGGroup*>(group.GetChild(4));
    EXPECT_EQ(static_cast<Wall*>(inner->GetChild(0))->TextureID, 0);
    EXPECT_EQ(static_cast<Wall*>(inner->GetChild(1))->TextureID, 1);
}

TEST(LevelFileRead, TexturesAreLeftForTheDocument)
{
    std::string error;
    auto scene = ReadLevelFile(LevelFixture("flawed/two_textures.xml"), error);
    ASSERT_TRUE(scene) << error;
    EXPECT_EQ(scene->m_pTextures->m_names, (std::vector<std::string>{"a.jpg", "b.jpg"}));
    // No start marker yet: the level group holds the floor and the wall only.
    EXPECT_EQ(scene->m_pLevelGroup->ChildCount(), 2u);
}

