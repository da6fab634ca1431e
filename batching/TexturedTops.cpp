#include "batching/TexturedTops.h"

#include <GL/gl.h>

#include "batching/BatchedWalk.h"
#include "level/LevelFloor.h"
#include "level/LevelObject.h"
#include "level/Wall.h"

namespace {

// Between a wall's flat fill and its outline.
constexpr float kTopDepth = 0.005f;

struct TopFaces {
    bool Take(CSGNode& node, float)
    {
        // Every level object is the batch's, so that the flat ones draw nothing here.
        if (!dynamic_cast<const LevelObject*>(&node))
            return false;
        MeshVertex mesh[BOX_MESH_VERTICES];
        const auto* wall = dynamic_cast<const Wall*>(&node);
        const auto* floor = dynamic_cast<const LevelFloor*>(&node);
        const TextureMapping* mapping = wall ? static_cast<const TextureMapping*>(wall) : floor;
        if (!mapping || !mapping->m_glTexture || (wall != nullptr) != (which == TexturedTops::Walls))
            return true;
        // The top face comes first.
        if (wall)
            wall->PreviewMesh(true, mesh);
        else
            floor->PreviewMesh(true, mesh);
        glBindTexture(GL_TEXTURE_2D, mapping->m_glTexture);
        glBegin(GL_QUADS);
        for (int corner = 0; corner < 4; ++corner) {
            glTexCoord2fv(mesh[corner].texCoord);
            glVertex3f(mesh[corner].position[0], mesh[corner].position[1] - (wall ? kTopDepth : 0.0f),
                       mesh[corner].position[2]);
        }
        glEnd();
        return true;
    }
    void Flush() {}

    TexturedTops which;
};

} // namespace

void DrawTexturedTops(CSGGroup& levelGroup, TexturedTops which)
{
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_POLYGON_BIT | GL_DEPTH_BUFFER_BIT | GL_TEXTURE_BIT);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glColor3f(1.0f, 1.0f, 1.0f);
    if (which == TexturedTops::Floor) {
        glDisable(GL_DEPTH_TEST);
        glDepthMask(GL_FALSE);
    }
    TopFaces faces{which};
    DrawGroupThrough(levelGroup, faces, FLAT_DRAW_TIME);
    glPopAttrib();
}
