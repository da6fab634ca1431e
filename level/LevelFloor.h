#pragma once

#include "level/TexturedObject.h"

// The level's floor: a slab from Y = -1 to 0, always centred on the origin.
class LevelFloor : public TexturedObject {
public:
    int GetType() const override { return LEVEL_FLOOR_NODE; }
    void Draw(float t) override;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    int Width = 20;  // along X
    int Heigth = 16; // along Z
};
