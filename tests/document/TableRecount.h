#pragma once

#include <string>

#include "document/CLevelMapDoc.h"
#include "level/LevelScene.h"

// What is wrong with the document's texture table against a recount of its level: every row must
// count exactly the floors and walls that show it, and every used row must have its image path.
// Empty when the table agrees.
inline std::string TableMismatch(const CLevelMapDoc& document)
{
    TextureTable counted;
    for (const TextureEntry& row : document.m_textures)
        counted.m_textures.push_back({row.path, 0});
    counted.CountTextureReferences(document.m_pScene->Root());
    for (std::size_t i = 0; i < counted.m_textures.size(); ++i) {
        const TextureEntry& row = document.m_textures[i];
        if (row.refCount != counted.m_textures[i].refCount)
            return "row " + std::to_string(i) + " counts " + std::to_string(row.refCount) + " users of "
                   + std::to_string(counted.m_textures[i].refCount);
        if (i > 0 && row.refCount > 0 && row.path.empty())
            return "row " + std::to_string(i) + " is used but has no path";
    }
    return {};
}
