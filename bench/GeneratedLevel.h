#pragma once

// A generated level for the drawing benchmarks: n walls and n items spread in a grid over a
// square floor, the walls textured with the shipped example images, under the default sky;
// its textures loaded as the preview does. Needs a current context with the extension record
// filled.
#include <cmath>
#include <string>

#include "document/TextureTable.h"
#include "level/CICubeMapNode.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"

class GeneratedLevel {
public:
    static constexpr int FLOOR_SIZE = 60;

    explicit GeneratedLevel(int n)
    {
        auto* sky = new CICubeMapNode;
        sky->TextureBaseName = Data() + "CubeMaps/Special/default.png";
        m_scene.Root().AppendChild(sky);
        m_scene.m_pLevelGroup = new LevelGroupNode;
        m_scene.Root().AppendChild(m_scene.m_pLevelGroup);
        LevelGroup().AppendChild(new StartPositionNode(0.0f, 0.0f, 0.0f, 0.0f));
        auto* floor = new LevelFloor;
        floor->Width = floor->Heigth = FLOOR_SIZE;
        floor->SetTextureID(1);
        LevelGroup().AppendChild(floor);
        AddWallsAndItems(n);

        m_table.m_noTexturePath = Data() + "Textures/Special/notex.tga";
        m_table.m_sphereMapPath = Data() + "Spheremaps/envmapblue.jpg";
        m_table.m_textures.push_back({m_table.m_noTexturePath, 0});
        m_table.m_textures.push_back({Data() + "Textures/Floors/grass.jpg", 0});
        for (const char* path : {"Textures/Walls/brick.jpg", "Textures/Walls/wood.tga", "Textures/Floors/stone.jpg"})
            m_table.m_textures.push_back({Data() + path, 0});
        for (int row = 0; row < static_cast<int>(m_table.m_textures.size()); ++row)
            m_table.m_texturesToLoad.push_back(row);
        m_table.CountTextureReferences(Root());
        m_table.m_bTexturesDirty = true;
        m_table.RunTextureWork(Root());
    }
    ~GeneratedLevel() { m_table.ReleaseGLResources(); }
    GeneratedLevel(const GeneratedLevel&) = delete;
    GeneratedLevel& operator=(const GeneratedLevel&) = delete;

    CSGGroup& Root() { return m_scene.Root(); }
    LevelGroupNode& LevelGroup() { return *m_scene.m_pLevelGroup; }
    LevelScene& Scene() { return m_scene; }

private:
    static std::string Data() { return std::string(TRELKAN_SOURCE_DIR) + "/data/"; }

    void AddWallsAndItems(int n)
    {
        const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
        const float cell = static_cast<float>(FLOOR_SIZE) / columns;
        const float origin = -FLOOR_SIZE / 2.0f;
        for (int i = 0; i < n; ++i) {
            const float cx = origin + (i % columns + 0.5f) * cell;
            const float cz = origin + (i / columns + 0.5f) * cell;
            auto* wall = new Wall(cx - cell * 0.2f, cz, cell * 0.5f, cell * 0.15f);
            wall->OrientationAngle = static_cast<float>(i * 37 % 180);
            wall->SetTextureID(2 + i % 3);
            LevelGroup().AppendChild(wall);
            auto* item = new Item(cx + cell * 0.3f, 0.0f, cz + cell * 0.3f, ITEM_NORMAL + i % 6);
            item->m_size = cell * 0.15f;
            LevelGroup().AppendChild(item);
        }
    }

    LevelScene m_scene;
    TextureTable m_table;
};
