#include "batching/FlatHandles.h"

#include <GL/gl.h>

#include "geometry/WallHandles.h"
#include "level/Wall.h"

namespace {

void Square(GLenum mode, const FlatPoint& place, float half)
{
    const auto x = static_cast<float>(place.x);
    const auto z = static_cast<float>(place.z);
    glBegin(mode);
    glVertex3f(x - half, 0.0f, z - half);
    glVertex3f(x + half, 0.0f, z - half);
    glVertex3f(x + half, 0.0f, z + half);
    glVertex3f(x - half, 0.0f, z + half);
    glEnd();
}

} // namespace

void DrawWallHandles(const std::vector<CSGNode*>& nodes, float half, float leastSide)
{
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_POLYGON_BIT | GL_LINE_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_LINE_STIPPLE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLineWidth(1.0f);
    for (const CSGNode* node : nodes) {
        Footprint footprint;
        if (!dynamic_cast<const Wall*>(node) || !Footprint::Of(*node, footprint) || !HasHandles(footprint, leastSide))
            continue;
        // White squares with a dark rim, seen on the walls' blue and on the grid alike.
        for (const Handle& handle : kWallHandles) {
            const FlatPoint place = HandlePlace(footprint, handle);
            glColor3f(1.0f, 1.0f, 1.0f);
            Square(GL_QUADS, place, half);
            glColor3f(0.1f, 0.1f, 0.3f);
            Square(GL_LINE_LOOP, place, half);
        }
    }
    glPopAttrib();
}
