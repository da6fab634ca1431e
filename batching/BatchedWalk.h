#pragma once

#include <GL/gl.h>

#include "scenegraph/CSGGroup.h"

// Draws a group as CSGGroup::Draw does at time t, except that the nodes batch.Take accepts go
// to the batch. Before any other node draws, and at each group's start and end (a group may
// save and restore the lights), the batch draws what it holds: the order of drawing stays the
// file's wherever a batch cannot show that it does not matter. Names are no concern outside
// selection mode.
template <typename Batch> void DrawGroupThrough(const CSGGroup& group, Batch& batch, float t)
{
    batch.Flush();
    glPushMatrix();
    if (group.SaveLightState)
        glPushAttrib(GL_LIGHTING_BIT);
    for (const auto& child : group.Children()) {
        if (const auto* nested = dynamic_cast<const CSGGroup*>(child.get())) {
            DrawGroupThrough(*nested, batch, t);
        } else if (!batch.Take(*child, t)) {
            batch.Flush();
            child->Draw(t);
        }
    }
    batch.Flush();
    if (group.SaveLightState)
        glPopAttrib();
    glPopMatrix();
}
