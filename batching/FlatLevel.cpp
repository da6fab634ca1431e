#include "batching/FlatLevel.h"

#include "batching/BatchedWalk.h"
#include "batching/FlatBatch.h"
#include "level/Item.h"
#include "level/Wall.h"

namespace {

// Walls and items draw their flat look through FlatBegin, FlatVertex and FlatEnd alone.
struct FlatNodes {
    bool Take(CSGNode& node, float t)
    {
        if (!dynamic_cast<const Wall*>(&node) && !dynamic_cast<const Item*>(&node))
            return false;
        node.Draw(t);
        return true;
    }
    void Flush() { batch.Flush(); }

    // The edit view lays each fill below its outline, so the depth test, not the order,
    // decides between them.
    FlatBatch batch{true};
};

} // namespace

void DrawFlatLevel(CSGGroup& group)
{
    FlatNodes nodes;
    DrawGroupThrough(group, nodes, FLAT_DRAW_TIME);
}
