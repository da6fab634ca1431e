#include "level/BoxGeometry.h"

#include <algorithm>

#include <GL/gl.h>

#include "batching/FlatBatch.h"

namespace {

// What a texture coordinate is made of.
enum class Tex { Zero, HalfX, HalfZ, PlusHalf, MinusHalf };

struct Corner {
    float sx;  // -1 or 1: side along X
    bool top;  // top or bottom of the box
    float sz;  // -1 or 1: side along Z
    Tex s;
    Tex t;
};

struct Face {
    float normal[3];
    Corner corners[4];
};

constexpr int kTopFace = 0;
constexpr int kBottomFace = 1;

const Face kFaces[6] = {
    {{0, 1, 0}, {{-1, true, 1, Tex::Zero, Tex::Zero}, {1, true, 1, Tex::HalfX, Tex::Zero},
                 {1, true, -1, Tex::HalfX, Tex::HalfZ}, {-1, true, -1, Tex::Zero, Tex::HalfZ}}},
    {{0, -1, 0}, {{-1, false, 1, Tex::Zero, Tex::HalfZ}, {-1, false, -1, Tex::Zero, Tex::Zero},
                  {1, false, -1, Tex::HalfX, Tex::Zero}, {1, false, 1, Tex::HalfX, Tex::HalfZ}}},
    {{0, 0, 1}, {{-1, true, 1, Tex::Zero, Tex::Zero}, {-1, false, 1, Tex::Zero, Tex::MinusHalf},
                 {1, false, 1, Tex::HalfX, Tex::MinusHalf}, {1, true, 1, Tex::HalfX, Tex::Zero}}},
    {{0, 0, -1}, {{-1, false, -1, Tex::HalfX, Tex::PlusHalf}, {-1, true, -1, Tex::HalfX, Tex::Zero},
                  {1, true, -1, Tex::Zero, Tex::Zero}, {1, false, -1, Tex::Zero, Tex::PlusHalf}}},
    {{-1, 0, 0}, {{-1, true, -1, Tex::Zero, Tex::PlusHalf}, {-1, false, -1, Tex::Zero, Tex::Zero},
                  {-1, false, 1, Tex::HalfZ, Tex::Zero}, {-1, true, 1, Tex::HalfZ, Tex::PlusHalf}}},
    {{1, 0, 0}, {{1, true, 1, Tex::Zero, Tex::PlusHalf}, {1, false, 1, Tex::Zero, Tex::Zero},
                 {1, false, -1, Tex::HalfZ, Tex::Zero}, {1, true, -1, Tex::HalfZ, Tex::PlusHalf}}},
};

float TexValue(Tex code, const BoxExtent& box)
{
    switch (code) {
    case Tex::HalfX:
        return box.halfX;
    case Tex::HalfZ:
        return box.halfZ;
    case Tex::PlusHalf:
        return 0.5f;
    case Tex::MinusHalf:
        return -0.5f;
    case Tex::Zero:
        break;
    }
    return 0.0f;
}

// A quad's corners as Mesa's outline visits them: corner pairs (from, to) of each edge.
const int kEdges[4][2] = {{3, 0}, {0, 1}, {1, 2}, {2, 3}};

using VertexFunction = void (*)(GLfloat, GLfloat, GLfloat);

void CornerVertex(const Corner& c, const BoxExtent& box, VertexFunction vertex = glVertex3f)
{
    vertex(c.sx * box.halfX, c.top ? box.topY : box.bottomY, c.sz * box.halfZ);
}

} // namespace

int BoxMesh(const BoxExtent& box, bool withBottom, MeshVertex out[BOX_MESH_VERTICES])
{
    int count = 0;
    for (int f = 0; f < 6; ++f) {
        if (f == kBottomFace && !withBottom)
            continue;
        const Face& face = kFaces[f];
        for (const Corner& c : face.corners) {
            MeshVertex& v = out[count++];
            v.position[0] = c.sx * box.halfX;
            v.position[1] = c.top ? box.topY : box.bottomY;
            v.position[2] = c.sz * box.halfZ;
            std::copy(face.normal, face.normal + 3, v.normal);
            v.texCoord[0] = TexValue(c.s, box);
            v.texCoord[1] = TexValue(c.t, box);
        }
    }
    return count;
}

void DrawQuadMesh(const MeshVertex* vertices, int count, bool textured)
{
    glBegin(GL_QUADS);
    for (int i = 0; i < count; ++i) {
        glNormal3fv(vertices[i].normal);
        if (textured)
            glTexCoord2fv(vertices[i].texCoord);
        glVertex3fv(vertices[i].position);
    }
    glEnd();
}

void DrawQuadArray(const MeshVertex* vertices, int count)
{
    glVertexPointer(3, GL_FLOAT, sizeof(MeshVertex), vertices->position);
    glNormalPointer(GL_FLOAT, sizeof(MeshVertex), vertices->normal);
    glTexCoordPointer(2, GL_FLOAT, sizeof(MeshVertex), vertices->texCoord);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(count));
}

void DrawBox(const BoxExtent& box, bool withBottom, bool textured)
{
    MeshVertex corners[BOX_MESH_VERTICES];
    DrawQuadMesh(corners, BoxMesh(box, withBottom, corners), textured);
}

void OutlineTopFace(const BoxExtent& box)
{
    FlatBegin(GL_LINES);
    for (const auto& edge : kEdges) {
        CornerVertex(kFaces[kTopFace].corners[edge[0]], box, FlatVertex);
        CornerVertex(kFaces[kTopFace].corners[edge[1]], box, FlatVertex);
    }
    FlatEnd();
}

void DrawUnitCube()
{
    DrawBox(UNIT_CUBE, true, false);
}
