#pragma once

#include <vector>

#include <GL/gl.h>

#include "level/BoxGeometry.h"
#include "scenegraph/Matrix4.h"

// A ball as quads, cut finely or coarsely by the size it shows at. The glass around an item is
// a ball of 15 slices and 8 stacks; a crowded level shows hundreds of them a few pixels wide,
// where the renderer spends most of a frame on corners no pixel can tell apart. A small ball
// takes the fewest slices and stacks whose facets stay within half a pixel of the true ball.
struct BallFacets {
    int slices;
    int stacks;

    bool operator==(const BallFacets& other) const { return slices == other.slices && stacks == other.stacks; }
};

// The ball's full look.
constexpr BallFacets FINEST_BALL = {15, 8};

// The fewest facets that draw a ball of `pixelRadius` pixels within half a pixel of its true
// outline; the full look for a ball that shows larger than that needs.
BallFacets BallFacetsFor(double pixelRadius);

// The radius in pixels, at most, of a ball of `radius` about `centre` under `clip` (projection
// times modelview, column by column) in `viewport`; a ball at or behind the eye counts as huge.
double BallPixelRadius(const Matrix4& clip, const GLint viewport[4], const float centre[3], float radius);

// The ball's quads, wound outwards, with the ball's normals; laid out as the GLU sphere is
// (poles on the Z axis, slices from +Y towards +X), so that the full look keeps its picture.
// Replaces what `out` held.
void BallMesh(const float centre[3], float radius, const BallFacets& facets, std::vector<MeshVertex>& out);
