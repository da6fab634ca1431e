#pragma once

#include "level/LevelObject.h"
#include "level/TextureMapping.h"
#include "scenegraph/CSGNode.h"

// Common base of the floor and the walls: a node with a position and a texture mapping.
class TexturedObject : public CSGNode, public LevelObject, public TextureMapping {
public:
    // The caller has already handed over the OpenGL texture; only the changed flag clears.
    void Prepare() override { SetNeedsTextureUpdate(false); }

protected:
    // The floor and the wall draw the same way around their own geometry.
    void BeginTexturedDraw(float t, float r, float g, float b);
    void EndTexturedDraw(float t);
    void WriteMappingAttributes(std::FILE* file) const;
    void ReadMappingAttributes(const XmlElement& element);
};
