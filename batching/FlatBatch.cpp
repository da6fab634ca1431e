#include "batching/FlatBatch.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <iterator>

// Built with -ffp-contract=off: a fused multiply-add would round differently
// from Mesa.

namespace {

bool SameState(const GLfloat lineWidth, const GLint* modes, GLfloat otherWidth, const GLint* otherModes)
{
    return lineWidth == otherWidth && modes[0] == otherModes[0] && modes[1] == otherModes[1];
}

// Gives back what a much larger level than the one drawn last left behind.
template <typename T> void Trim(std::vector<T>& storage, std::size_t used)
{
    if (storage.capacity() > 2 * used) {
        std::vector<T> trimmed;
        trimmed.reserve(used);
        storage.swap(trimmed);
    }
}

// Primitives of these kinds draw each line or quad on its own, so that two of them in one
// glBegin draw the same pixels as in two.
bool IsSeparable(GLenum mode)
{
    return mode == GL_LINES || mode == GL_QUADS || mode == GL_TRIANGLES || mode == GL_POINTS;
}

void ApplyState(GLfloat lineWidth, const GLint* modes)
{
    glLineWidth(lineWidth);
    glPolygonMode(GL_FRONT, static_cast<GLenum>(modes[0]));
    glPolygonMode(GL_BACK, static_cast<GLenum>(modes[1]));
}

} // namespace

FlatBatch* FlatBatch::s_active = nullptr;
std::vector<FlatBatch::Primitive> FlatBatch::s_primitives;
std::vector<GLfloat> FlatBatch::s_vertices;

FlatBatch::FlatBatch(bool fillsFirst) : m_fillsFirst(fillsFirst)
{
    assert(!s_active);
    glGetFloatv(GL_PROJECTION_MATRIX, m_projection.m);
    std::fill(std::begin(m_modelview.m), std::end(m_modelview.m), 0.0f);
    m_clip = Matrix4::ColumnProduct(m_projection, m_modelview);
    s_active = this;
}

FlatBatch::~FlatBatch()
{
    Flush();
    Trim(s_primitives, m_primitivesUsed);
    Trim(s_vertices, m_verticesUsed);
    s_active = nullptr;
}

void FlatBatch::Begin(GLenum mode)
{
    Matrix4 modelview;
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.m);
    if (std::memcmp(modelview.m, m_modelview.m, sizeof modelview.m) != 0) {
        m_modelview = modelview;
        m_clip = Matrix4::ColumnProduct(m_projection, m_modelview);
    }
    Primitive primitive{mode, {}, 0.0f, {}, s_vertices.size() / 4, 0};
    glGetFloatv(GL_CURRENT_COLOR, primitive.colour);
    glGetFloatv(GL_LINE_WIDTH, &primitive.lineWidth);
    glGetIntegerv(GL_POLYGON_MODE, primitive.polygonModes);
    s_primitives.push_back(primitive);
}

void FlatBatch::Vertex(float x, float y, float z)
{
    // As the vertex stage computes it: x times the first column, then y, z and w
    // = 1 times the others, added one at a time.
    GLfloat clip[4];
    for (int r = 0; r < 4; ++r) {
        GLfloat sum = x * m_clip.m[r];
        sum = y * m_clip.m[4 + r] + sum;
        sum = z * m_clip.m[8 + r] + sum;
        clip[r] = m_clip.m[12 + r] + sum;
    }
    s_vertices.insert(s_vertices.end(), clip, clip + 4);
}

void FlatBatch::End()
{
    s_primitives.back().end = s_vertices.size() / 4;
}

void FlatBatch::Flush()
{
    if (s_primitives.empty())
        return;
    GLfloat colour[4];
    GLfloat lineWidth = 1.0f;
    GLint modes[2];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    glGetIntegerv(GL_POLYGON_MODE, modes);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    DrawPrimitives();

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    ApplyState(lineWidth, modes);
    glColor4fv(colour);
    m_primitivesUsed = std::max(m_primitivesUsed, s_primitives.size());
    m_verticesUsed = std::max(m_verticesUsed, s_vertices.size());
    s_primitives.clear();
    s_vertices.clear();
}

bool FlatBatch::IsFill(const Primitive& primitive)
{
    return (primitive.mode == GL_QUADS || primitive.mode == GL_TRIANGLES) && primitive.polygonModes[0] == GL_FILL &&
           primitive.polygonModes[1] == GL_FILL;
}

void FlatBatch::DrawPrimitives() const
{
    if (!m_fillsFirst) {
        DrawPrimitives([](const Primitive&) { return true; });
        return;
    }
    DrawPrimitives([](const Primitive& primitive) { return IsFill(primitive); });
    DrawPrimitives([](const Primitive& primitive) { return !IsFill(primitive); });
}

template <class Filter> void FlatBatch::DrawPrimitives(Filter take) const
{
    const Primitive* applied = nullptr;
    for (const Primitive& primitive : s_primitives) {
        if (!take(primitive))
            continue;
        // Lines and quads are drawn one by one whether they share a glBegin or not: a run of
        // one kind in one state goes out as one, its colours changing inside.
        const bool sameState = applied
            && SameState(primitive.lineWidth, primitive.polygonModes, applied->lineWidth, applied->polygonModes);
        const bool joins = sameState && primitive.mode == applied->mode && IsSeparable(primitive.mode);
        if (applied && !joins)
            glEnd();
        // A state change ends Mesa's draw; runs of one state go out as one.
        if (!sameState)
            ApplyState(primitive.lineWidth, primitive.polygonModes);
        glColor4fv(primitive.colour);
        if (!joins)
            glBegin(primitive.mode);
        applied = &primitive;
        for (std::size_t vertex = primitive.begin; vertex < primitive.end; ++vertex)
            glVertex4fv(&s_vertices[4 * vertex]);
    }
    if (applied)
        glEnd();
}

void FlatBegin(GLenum mode)
{
    if (FlatBatch* batch = FlatBatch::Active())
        batch->Begin(mode);
    else
        glBegin(mode);
}

void FlatVertex(float x, float y, float z)
{
    if (FlatBatch* batch = FlatBatch::Active())
        batch->Vertex(x, y, z);
    else
        glVertex3f(x, y, z);
}

void FlatEnd()
{
    if (FlatBatch* batch = FlatBatch::Active())
        batch->End();
    else
        glEnd();
}
