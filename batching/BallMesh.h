#pragma once

#include <vector>

#include <GL/gl.h>

#include "level/BoxGeometry.h"
#include "scenegraph/Matrix4.h"

// A ball as quads, cut finely or coarsely by the size it shows at. The glass around an item is
// a ball of 15 slices and 8 stacks; a crowded level shows hundreds of them a few pixels wide,
// where the renderer spends most of a frame on corners no pixel can tell apart. A small ball
// takes the coarsest cut whose facets stay within half a pixel of the true ball.
struct SphereFacets {
    int slices;
    int stacks;
};

// Cuts from the coarsest to the finest; the finest is the ball's full look.
constexpr int SPHERE_DETAILS = 4;

SphereFacets SphereDetailFacets(int detail);

// The coarsest cut that draws a ball of `pixelRadius` pixels within half a pixel of its true
// outline; the finest for a ball that shows larger than that cut is meant for.
int SphereDetailFor(double pixelRadius);

// The radius in pixels, at most, of a ball of `radius` about `centre` under `clip` (projection
// times modelview, column by column) in `viewport`; a ball at or behind the eye counts as huge.
double BallPixelRadius(const Matrix4& clip, const GLint viewport[4], const float centre[3], float radius);

// The ball's quads at cut `detail`, wound outwards, with the ball's normals; laid out as the
// GLU sphere is (poles on the Z axis, slices from +Y towards +X), so that the finest cut keeps
// its look. Replaces what `out` held.
void BallMesh(const float centre[3], float radius, int detail, std::vector<MeshVertex>& out);
