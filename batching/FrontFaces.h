#pragma once

#include <vector>

#include "level/BoxGeometry.h"

// Which quads of a mesh the current modelview may show. With back faces culled, OpenGL lights
// and transforms every corner of a box only to drop half its faces at the end; for the preview's
// many small boxes those corners are most of a frame. Leaving out before the draw the faces
// OpenGL would drop, and only those, keeps the picture as it was.
class FrontFaces {
public:
    // Reads the culling state and the eye's place in the current modelview's coordinates.
    FrontFaces();
    // Appends to `out` the quads of `mesh` (`count` corners) that may face the eye; all of them
    // when back faces are not culled the usual way.
    void Append(const MeshVertex* mesh, int count, std::vector<MeshVertex>& out) const;

private:
    bool MayFace(const MeshVertex* quad) const;

    bool m_culling = false;
    double m_eye[3] = {};
};
