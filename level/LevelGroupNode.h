#pragma once

#include "scenegraph/CSGGroup.h"

// The group that holds the start position, the floor, the walls and the items; the edit view
// draws and picks in it.
class LevelGroupNode : public CSGGroup {
public:
    void WriteXml(std::FILE* file) override;
};
