#include "level/LevelScene.h"

#include <string_view>

#include "level/CICubeMapNode.h"
#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/TexturesNode.h"
#include "level/Wall.h"

namespace {

// Creates a node and remembers it in `slot`, so that after a load the slot holds the last
// node of its kind in document order.
template <class Node>
Node* CreateRemembered(Node*& slot)
{
    slot = new Node;
    return slot;
}

} // namespace

CSGNode* LevelScene::CreateNode(const std::string& name)
{
    // Compared as views: the lengths mostly differ, and walls and items, the bulk of a level,
    // come first.
    std::string_view kind = name;
    if (kind == "Wall")
        return new Wall;
    if (kind == "Item")
        return new Item;
    if (kind == "GameSettingsNode")
        return CreateRemembered(m_pGameSettings);
    if (kind == "TexturesNode")
        return CreateRemembered(m_pTextures);
    if (kind == "CICubeMapNode")
        return CreateRemembered(m_pCubeMap);
    if (kind == "LevelGroupNode")
        return CreateRemembered(m_pLevelGroup);
    if (kind == "LevelFloor")
        return CreateRemembered(m_pFloor);
    return CSGScene::CreateNode(name);
}

void LevelScene::Reset()
{
    CSGScene::Reset();
    m_pGameSettings = nullptr;
    m_pTextures = nullptr;
    m_pCubeMap = nullptr;
    m_pLevelGroup = nullptr;
    m_pFloor = nullptr;
}
