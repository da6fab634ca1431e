#pragma once

#include "level/LevelObject.h"
#include "level/SavedColour.h"
#include "level/TextureMapping.h"
#include "scenegraph/CSGNode.h"

// Common base of the floor and the walls: a node with a position and a texture mapping.
class TexturedObject : public CSGNode, public LevelObject, public TextureMapping {
public:
    // The caller has already handed over the OpenGL texture; only the changed flag clears.
    void Prepare() override { SetNeedsTextureUpdate(false); }

protected:
    // The floor and the wall draw the same way around their own geometry.
    // Colour (r, g, b in the edit view, white otherwise), texture and texture matrix, then
    // the selection highlight; EndTexturedDraw undoes it all, the colour it is given included.
    SavedColour BeginTexturedDraw(float t, float r, float g, float b);
    void EndTexturedDraw(float t, const SavedColour& colour);
    // True when the drawing at time t lays the texture on the geometry.
    bool IsTexturedDraw(float t) const;
    // Writes the texture attributes that end the floor's and the wall's attribute line.
    void WriteMappingAttributes(std::FILE* file) const;
    void ReadMappingAttributes(const XmlElement& element);
};
