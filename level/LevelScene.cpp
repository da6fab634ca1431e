#include "level/LevelScene.h"

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
    if (name == "GameSettingsNode")
        return CreateRemembered(m_pGameSettings);
    if (name == "TexturesNode")
        return CreateRemembered(m_pTextures);
    if (name == "CICubeMapNode")
        return CreateRemembered(m_pCubeMap);
    if (name == "LevelGroupNode")
        return CreateRemembered(m_pLevelGroup);
    if (name == "LevelFloor")
        return CreateRemembered(m_pFloor);
    if (name == "Wall")
        return new Wall;
    if (name == "Item")
        return new Item;
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
