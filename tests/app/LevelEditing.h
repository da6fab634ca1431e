#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "document/CLevelMapDoc.h"
#include "document/NodeListCommand.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/Wall.h"
#include "scenegraph/NodeType.h"

// One step of the history that changes the level: a new wall at the end of the level group,
// centred at (x, z).
inline void AddWall(CLevelMapDoc& document, float x = 3.0f, float z = 4.0f)
{
    LevelGroupNode& group = *document.m_pScene->m_pLevelGroup;
    std::vector<NodeListCommand::Addition> additions;
    additions.push_back({&group, group.ChildCount(), std::make_unique<Wall>(x, z, 5.0f, 1.0f), {}});
    ASSERT_TRUE(document.Submit(NodeListCommand::Adding(document, "Create Wall", std::move(additions))));
}

inline std::size_t Walls(const CLevelMapDoc& document)
{
    std::size_t count = 0;
    for (const auto& child : document.m_pScene->m_pLevelGroup->Children())
        count += child->GetType() == WALL_NODE;
    return count;
}
