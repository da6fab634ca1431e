#pragma once

#include "level/FlatStyle.h"
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
    // In the edit view the outline in the colour `flat` or the selection's; otherwise white
    // and the texture, or the selection's tint. EndTexturedDraw undoes it all, the colour it is
    // given included.
    SavedColour BeginTexturedDraw(float t, const FlatColour& flat);
    void EndTexturedDraw(float t, const SavedColour& colour);
    // True when the drawing at time t lays the texture on the geometry.
    bool IsTexturedDraw(float t) const;
    // Lays the mapping's texture coordinates on the corners.
    void MapTexCoords(MeshVertex* mesh, int count) const;
    // The preview's quads; a selected object's outlined in the selection colour over them.
    void DrawPreviewMesh(const MeshVertex* mesh, int count, bool textured) const;
    // Writes the texture attributes that end the floor's and the wall's attribute line.
    void WriteMappingAttributes(std::FILE* file) const;
    void ReadMappingAttributes(const XmlElement& element);
};

// The texture mapping of a floor or a wall; null for any other node.
inline TextureMapping* MappingOf(CSGNode& node)
{
    return dynamic_cast<TexturedObject*>(&node);
}
