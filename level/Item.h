#pragma once

#include <array>
#include <vector>

#include <GL/gl.h>

#include "batching/PreviewBatch.h"
#include "level/BoxGeometry.h"
#include "level/LevelObject.h"
#include "scenegraph/CSGNode.h"

// A collectable item: a spinning plus or minus sign in a glass sphere.
class Item : public CSGNode, public LevelObject, public PreviewParts {
public:
    Item();
    // Inserting constructor: RespawnTime 0 for ITEM_NORMAL, 20 otherwise.
    Item(float posX, float posY, float posZ, int itemType);

    // The ItemTypeID, or ITEM_OUT_OF_RANGE for a value outside 16..21 (kept as read).
    int GetType() const override;
    // Builds the item's own sphere and cube display lists.
    void Prepare() override;
    void Draw(float t) override;
    // The sign's one or two bars as meshes, then the glass, all in the item's colour.
    bool AddPreviewParts(PreviewBatch& batch, float t) override;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    // PosX, PosY, PosZ are the LevelObject x, y, z.
    float RespawnTime = 0.0f;
    float TTLBeforePicked = 1.0f;
    float Amount = 0.2f;
    int ItemTypeID = ITEM_NORMAL;
    float m_size = 0.5f;
    unsigned m_sphereList = 0;
    unsigned m_cubeList = 0;
    unsigned m_sphereMapTexture = 0;
    bool m_listsNeeded = true;

private:
    enum Bar { kBarAcross, kBarUpright };

    // The glass's quads, kept while the item keeps its place, size and facets.
    std::vector<MeshVertex> m_glass;
    float m_glassKey[6] = {};

    // The selection's red, the type's colour, or for a type the game does not know the current one.
    void PreviewColour(GLfloat colour[4]) const;
    // Moves the modelview onto the item's centre, m_size above its position.
    void Place() const;
    // The edit view's item: a square filled in the type's colour, with the type's sign.
    void DrawFlat() const;
    // The bars of the sign: the bar's box, scaled, turned with t and moved onto the item, in
    // the coordinates of its group.
    int SignBarMesh(int bar, float t, MeshVertex out[BOX_MESH_VERTICES]) const;
    // The bars the sign is made of: one for a minus, two for a plus.
    int SignBars() const;
    // The translucent sphere-mapped ball around the sign, cut as finely as the current view
    // shows it (see BallFacetsFor), from the vertex and normal arrays the caller has enabled.
    void DrawGlassSphere();
    // The ball's centre, m_size above the item's position.
    std::array<float, 3> GlassCentre() const;
    // Brings the glass's quads up to date for `facets`.
    void UpdateGlassMesh(const BallFacets& facets);
};
