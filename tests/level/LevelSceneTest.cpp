#include <memory>

#include <gtest/gtest.h>

#include "level/CICubeMapNode.h"
#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/TexturesNode.h"
#include "level/Wall.h"

TEST(LevelScene, FactoryRemembersTheLastNodeOfEachKind)
{
    LevelScene scene;
    const char* remembered[] = {"GameSettingsNode", "TexturesNode", "CICubeMapNode", "LevelGroupNode",
                                "LevelFloor"};
    for (const char* name : remembered) {
        scene.Root().AppendChild(scene.CreateNode(name));
        scene.Root().AppendChild(scene.CreateNode(name));
    }
    // The second node of each pair is the remembered one.
    EXPECT_EQ(scene.m_pGameSettings, scene.Root().GetChild(1));
    EXPECT_EQ(scene.m_pTextures, scene.Root().GetChild(3));
    EXPECT_EQ(scene.m_pCubeMap, scene.Root().GetChild(5));
    EXPECT_EQ(scene.m_pLevelGroup, scene.Root().GetChild(7));
    EXPECT_EQ(scene.m_pFloor, scene.Root().GetChild(9));
    EXPECT_EQ(scene.m_pCubeMap->TextureBaseName, "");
    EXPECT_EQ(scene.m_pFloor->Width, 20);
    EXPECT_EQ(scene.m_pLevelGroup->GetType(), GROUP);

    scene.Reset();
    EXPECT_EQ(scene.Root().ChildCount(), 0u);
    EXPECT_EQ(scene.m_pGameSettings, nullptr);
    EXPECT_EQ(scene.m_pTextures, nullptr);
    EXPECT_EQ(scene.m_pCubeMap, nullptr);
    EXPECT_EQ(scene.m_pLevelGroup, nullptr);
    EXPECT_EQ(scene.m_pFloor, nullptr);
}

TEST(LevelScene, FactoryMakesWallsAndItemsAndComparesNamesExactly)
{
    LevelScene scene;
    std::unique_ptr<CSGNode> wall(scene.CreateNode("Wall"));
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->GetType(), WALL_NODE);
    std::unique_ptr<CSGNode> item(scene.CreateNode("Item"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetType(), ITEM_NORMAL);
    EXPECT_EQ(std::unique_ptr<CSGNode>(scene.CreateNode("levelfloor")), nullptr);
    EXPECT_EQ(std::unique_ptr<CSGNode>(scene.CreateNode("StartPositionNode")), nullptr);
    EXPECT_EQ(scene.m_pFloor, nullptr);
}
