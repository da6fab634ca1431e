#pragma once

#include <cstddef>
#include <vector>

#include <GL/gl.h>

#include "batching/BallMesh.h"
#include "batching/MeshCache.h"
#include "level/DrawnBox.h"
#include "scenegraph/Matrix4.h"

class CSGNode;
class PreviewBatch;

// What a part of a wall or an item needs in the preview besides its colour and matrices.
struct PreviewLook {
    // 0: untextured.
    GLuint texture = 0;
    // The glass: texture coordinates from the sphere map, blended.
    bool sphereMap = false;

    bool operator==(const PreviewLook& other) const { return texture == other.texture && sphereMap == other.sphereMap; }
};

// Switches the texture, sphere-map generation and blending of `look` on or off.
void ApplyPreviewLook(const PreviewLook& look);

// A node whose preview drawing is a series of parts, each drawable on its own.
class PreviewParts {
public:
    // Hands the node's parts to the batch in the order in which the node draws them; false
    // when the node draws itself this time.
    virtual bool AddPreviewParts(PreviewBatch& batch, float t) = 0;

protected:
    ~PreviewParts() = default;
};

// The preview's walls and items, drawn with as few changes of look as the picture allows.
// Each change of texture, sphere map or blending costs Mesa's software renderer a copy of its
// whole fragment state, and node by node every wall and item changes the look two or three
// times. A part
// may be drawn before an earlier one of another look only when the two cannot touch a common
// pixel (their boxes lie apart on the screen): then the order between them shows nowhere, and
// the picture stays the one of the nodes drawing themselves one by one. Parts of one look keep
// their order; so does everything drawn outside the batch (see DrawGroupThrough).
//
// Every node puts the colour back as it found it, so with colour material on the material
// follows each part's colour; lights, groups and other nodes end a batch.
//
// Every part is a mesh, corners already in the coordinates of its group: the meshes that follow
// one another in the drawing order with one look and colour go out in one draw, whatever their
// number, without the faces that turn away from the eye (see FrontFaces).
class PreviewBatch {
public:
    explicit PreviewBatch(MeshCache& meshes) : m_meshes(meshes) {}
    ~PreviewBatch() { Flush(); }
    PreviewBatch(const PreviewBatch&) = delete;
    PreviewBatch& operator=(const PreviewBatch&) = delete;

    // Takes a wall's or an item's parts; false for any other node and for one that draws
    // itself.
    bool Take(CSGNode& node, float t);
    // A mesh in `colour` within `box` (in the current modelview): `count` corners of quads that
    // its node keeps unchanged until the batch is flushed.
    void AddOwnMesh(const PreviewLook& look, const GLfloat colour[4], const DrawnBox& box, const MeshVertex* corners,
                    int count);
    // A mesh in `colour` within `box`, the quads that `build` writes for `key` (see MeshCache).
    template <typename Build>
    void AddMesh(const PreviewLook& look, const GLfloat colour[4], const DrawnBox& box, const MeshKey& key, Build build)
    {
        int count = 0;
        const std::size_t first = m_meshes.Next(key, build, count);
        AddPart(nullptr, look, colour, box, first, count);
    }
    // Draws what has been taken, under the modelview current when it was taken.
    void Flush();
    // The facets (see BallFacetsFor) of a ball of `radius` about `centre` in the current
    // modelview.
    BallFacets BallFacetsOf(const float centre[3], float radius);

private:
    struct Part {
        const MeshVertex* own; // null for a mesh in the cache
        int look; // index in m_looks
        GLfloat colour[4];
        DrawnBox box;
        std::size_t meshFirst;
        int meshCount;
    };

    void AddPart(const MeshVertex* own, const PreviewLook& look, const GLfloat colour[4], const DrawnBox& box,
                 std::size_t meshFirst, int meshCount);
    // The parts that may show, in the order to draw them; `alone` marks those that may need
    // clipping.
    std::vector<std::size_t> DrawingOrder(std::vector<char>& alone) const;
    void Draw(const std::vector<std::size_t>& order, const std::vector<char>& alone);
    // Draws the meshes gathered since the last call.
    void DrawMeshRun();

    MeshCache& m_meshes;
    // The projection times modelview and the viewport the batch draws under, read once a batch.
    Matrix4 m_clip{};
    GLint m_viewport[4] = {};
    bool m_clipKnown = false;
    std::vector<Part> m_parts;
    std::vector<PreviewLook> m_looks;
    // The corners of the meshes of one run, copied from the cache's arrays.
    std::vector<MeshVertex> m_run;
};
