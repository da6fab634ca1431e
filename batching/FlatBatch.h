#pragma once

#include <cstddef>
#include <vector>

#include <GL/gl.h>

#include "scenegraph/Matrix4.h"

// The edit view's walls and items in a few draws instead of one each. Mesa's
// software renderer spends far more on a modelview change than on an object's
// few vertices, so each vertex is taken to clip coordinates here, with the
// arithmetic of Mesa's fixed-function vertex stage (the same products in the
// same order, none fused), and everything is drawn under identity matrices: the
// same pixels at a fraction of the cost.
//
// While a batch lives, FlatBegin, FlatVertex and FlatEnd record into it, with
// the modelview, colour, line width and polygon modes current at FlatBegin;
// without one they go straight to OpenGL, as the selection-mode pick needs.
// Lighting must be off, as in the edit view.
class FlatBatch {
public:
    // Reads the projection, which must stay as it is while the batch lives. One
    // batch at a time. With `fillsFirst`, each flush draws its filled quads and
    // triangles before its lines, so that thousands of them go out in two draws
    // instead of one per object: the same pixels only where the depth test
    // already decides between a fill and a line (the edit view lays each fill
    // below its outline), since it changes their order.
    explicit FlatBatch(bool fillsFirst = false);
    // Draws what is left.
    ~FlatBatch();
    FlatBatch(const FlatBatch&) = delete;
    FlatBatch& operator=(const FlatBatch&) = delete;

    static FlatBatch* Active() { return s_active; }

    void Begin(GLenum mode);
    void Vertex(float x, float y, float z);
    void End();
    // Draws what has been recorded, so that whatever is drawn directly next comes
    // after it.
    void Flush();

private:
    struct Primitive {
        GLenum mode;
        GLfloat colour[4];
        GLfloat lineWidth;
        GLint polygonModes[2];
        std::size_t begin; // its first vertex
        std::size_t end;   // one past its last vertex
    };

    static bool IsFill(const Primitive& primitive);
    void DrawPrimitives() const;
    template <class Filter> void DrawPrimitives(Filter take) const;

    static FlatBatch* s_active;
    // Kept from frame to frame: growing them anew each frame costs more than the
    // drawing.
    static std::vector<Primitive> s_primitives;
    // Four clip coordinates per vertex.
    static std::vector<GLfloat> s_vertices;
    // The most that one flush of this batch drew.
    std::size_t m_primitivesUsed = 0;
    std::size_t m_verticesUsed = 0;
    // Column by column, as OpenGL holds them.
    Matrix4 m_projection;
    Matrix4 m_modelview;
    // Projection times modelview, as Mesa multiplies them.
    Matrix4 m_clip;
    bool m_fillsFirst;
};

// Records into the active batch, or draws at once when there is none.
void FlatBegin(GLenum mode);
void FlatVertex(float x, float y, float z);
void FlatEnd();
