#pragma once

#include "level/BoxGeometry.h"
#include "level/TexturedObject.h"

// The level's floor: a slab from Y = -1 to 0, always centred on the origin.
class LevelFloor : public TexturedObject {
public:
    int GetType() const override { return LEVEL_FLOOR_NODE; }
    void Draw(float t) override;
    // The slab's faces, the top first, with the texture coordinates of the floor's mapping when
    // textured.
    int PreviewMesh(bool textured, MeshVertex out[BOX_MESH_VERTICES]) const;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    int Width = 20;  // along X
    int Heigth = 16; // along Z
};
