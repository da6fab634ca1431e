#include "batching/FrontFaces.h"

#include <cmath>

#include <GL/gl.h>

#include "scenegraph/Matrix4.h"

namespace {

// A face turned away from the eye by less than this (the cosine of the angle between its
// normal and the way to the eye) is kept: rounding may still show it edge on.
constexpr double kEdgeOn = 1.0e-3;

} // namespace

FrontFaces::FrontFaces()
{
    GLint mode = 0;
    GLint front = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &mode);
    glGetIntegerv(GL_FRONT_FACE, &front);
    Matrix4 modelview;
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.m);
    // A mirroring modelview turns the windings round; such a view keeps every face.
    if (!glIsEnabled(GL_CULL_FACE) || mode != GL_BACK || front != GL_CCW || !(modelview.Determinant() > 0.0f))
        return;
    // The inverse of a matrix held by columns is held by columns too: its last column is the eye.
    modelview.Invert();
    const float w = modelview.m[15];
    if (!(std::abs(w) > 1.0e-6f))
        return;
    for (int k = 0; k < 3; ++k)
        m_eye[k] = static_cast<double>(modelview.m[12 + k]) / w;
    m_culling = std::isfinite(m_eye[0]) && std::isfinite(m_eye[1]) && std::isfinite(m_eye[2]);
}

void FrontFaces::Append(const MeshVertex* mesh, int count, std::vector<MeshVertex>& out) const
{
    if (!m_culling) {
        out.insert(out.end(), mesh, mesh + count);
        return;
    }
    for (int first = 0; first + 4 <= count; first += 4)
        if (MayFace(mesh + first))
            out.insert(out.end(), mesh + first, mesh + first + 4);
}

bool FrontFaces::MayFace(const MeshVertex* quad) const
{
    // The winding's normal, as OpenGL sees it: from the corners, not from the lighting normals.
    // The diagonals give it even where two corners meet (a ball's facets at the poles).
    double a[3];
    double b[3];
    double toEye[3];
    for (int k = 0; k < 3; ++k) {
        a[k] = static_cast<double>(quad[2].position[k]) - quad[0].position[k];
        b[k] = static_cast<double>(quad[3].position[k]) - quad[1].position[k];
        toEye[k] = m_eye[k] - quad[0].position[k];
    }
    const double normal[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    const double facing = normal[0] * toEye[0] + normal[1] * toEye[1] + normal[2] * toEye[2];
    const double lengths = std::sqrt((normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2])
                                     * (toEye[0] * toEye[0] + toEye[1] * toEye[1] + toEye[2] * toEye[2]));
    // A quad without area says nothing of its side.
    return !(lengths > 0.0) || facing > -kEdgeOn * lengths;
}
