#include "level/FlatLevel.h"

#include <GL/gl.h>

#include "level/FlatBatch.h"
#include "level/Item.h"
#include "level/Wall.h"
#include "scenegraph/CSGGroup.h"

namespace {

// Nodes whose flat drawing goes through FlatBegin, FlatVertex and FlatEnd
// alone.
bool DrawsThroughBatch(const CSGNode& node)
{
    return dynamic_cast<const Wall*>(&node) || dynamic_cast<const Item*>(&node);
}

// The matrix and light handling of CSGGroup::Draw; names are no concern outside
// selection mode.
void DrawFlatGroup(const CSGGroup& group, FlatBatch& batch)
{
    glPushMatrix();
    if (group.SaveLightState)
        glPushAttrib(GL_LIGHTING_BIT);
    for (const auto& child : group.Children()) {
        if (const auto* nested = dynamic_cast<const CSGGroup*>(child.get())) {
            DrawFlatGroup(*nested, batch);
            continue;
        }
        if (!DrawsThroughBatch(*child))
            batch.Flush();
        child->Draw(FLAT_DRAW_TIME);
    }
    if (group.SaveLightState)
        glPopAttrib();
    glPopMatrix();
}

} // namespace

void DrawFlatLevel(CSGGroup& group)
{
    FlatBatch batch;
    DrawFlatGroup(group, batch);
}
