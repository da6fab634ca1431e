#pragma once

// An axis-aligned box around the Y axis, as the floor, the walls and the items draw it.
struct BoxExtent {
    float halfX;
    float halfZ;
    float bottomY;
    float topY;
};

// One corner of a face as the preview draws it.
struct MeshVertex {
    float position[3];
    float normal[3];
    float texCoord[2];
};

// The most corners a box has: six faces of four.
constexpr int BOX_MESH_VERTICES = 24;

// The corners of DrawBox's quads in its order, with their normals and texture coordinates;
// returns how many (20 without the bottom, 24 with it).
int BoxMesh(const BoxExtent& box, bool withBottom, MeshVertex out[BOX_MESH_VERTICES]);
// Draws quads from corners already laid out, with their texture coordinates when textured.
void DrawQuadMesh(const MeshVertex* vertices, int count, bool textured);
// The same quads from one plain array, with whichever of the vertex, normal and texture
// coordinate arrays the caller has enabled. Mesa draws an indexed array apart from immediate
// quads, a plain one as it draws them; except where a draw needs clipping, so a node that the
// preview batches draws a clipped mesh this way too.
void DrawQuadArray(const MeshVertex* vertices, int count);

// One GL_QUADS batch: top, bottom (when withBottom), front, back, left, right, each with its
// normal. With textured, every corner gets the texture coordinates of the level geometry:
// the half extents along the faces and the constants 0 and +-0.5 up the sides.
void DrawBox(const BoxExtent& box, bool withBottom, bool textured);

// The top face's edges as GL_LINES, in the order and direction in which Mesa outlines that quad
// in polygon mode GL_LINE, drawable in one batch with filled polygons: seen from straight
// above, all of the box's outline but the side edges' ends.
void OutlineTopFace(const BoxExtent& box);

// Side 1, centred on the origin.
constexpr BoxExtent UNIT_CUBE = {0.5f, 0.5f, -0.5f, 0.5f};
// The unit cube, untextured.
void DrawUnitCube();
