#pragma once

#include <string>
#include <vector>

#include "scenegraph/CSGScene.h"

class GameSettingsNode;
class TexturesNode;
class CICubeMapNode;
class LevelGroupNode;
class LevelFloor;

// The document's scene. Its factory knows the level elements and falls back to the scene-graph
// factory; it remembers the last node created of each kind the editor works with.
class LevelScene : public CSGScene {
public:
    CSGNode* CreateNode(const std::string& name) override;
    void Reset() override;
    // Name path of the nearest object drawn by the LevelGroupNode under client pixel (x, y) with
    // the current view's matrices: [0, k, ...] or [-1] for no hit. Needs a current context.
    virtual std::vector<int> Pick(int x, int y, const float& time);
    // The name paths of every object under the pixel, nearest first; none for no hit.
    std::vector<std::vector<int>> PickAll(int x, int y, const float& time);

    // Remembered nodes; none of them owns (the nodes belong to the tree).
    GameSettingsNode* m_pGameSettings = nullptr;
    TexturesNode* m_pTextures = nullptr;
    CICubeMapNode* m_pCubeMap = nullptr;
    LevelGroupNode* m_pLevelGroup = nullptr;
    LevelFloor* m_pFloor = nullptr;
};
