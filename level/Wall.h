#pragma once

#include "batching/PreviewBatch.h"
#include "level/BoxGeometry.h"
#include "level/TexturedObject.h"

// A box-shaped wall standing on the floor; x and z are its centre.
class Wall : public TexturedObject, public PreviewParts {
public:
    Wall();
    Wall(float centerX, float centerZ, float width, float depth);

    int GetType() const override { return WALL_NODE; }
    void Draw(float t) override;
    // One part: the box in white, textured when it has a texture, its corners kept by the
    // batch from frame to frame. A selected wall draws itself.
    bool AddPreviewParts(PreviewBatch& batch, float t) override;
    // The preview's box in the coordinates of its group: turned and moved onto the wall's
    // centre, with the texture coordinates of the wall's mapping when textured.
    int PreviewMesh(bool textured, MeshVertex out[BOX_MESH_VERTICES]) const;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    // Used while the wall is dragged out: centre and size at once, y back to 0.
    void Set(float centerX, float centerZ, float width, float depth);

    float Width = 1.0f;
    float Depth = 1.0f;
    float m_height = 1.0f;
    float OrientationAngle = 0.0f;

private:
    BoxExtent Extent() const;
};
