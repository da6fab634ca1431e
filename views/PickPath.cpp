#include "views/PickPath.h"

#include <GL/gl.h>

#include "level/LevelScene.h"
#include "scenegraph/CSGGroup.h"

namespace {

// The child at a name-stack index, or null when the index names none.
CSGNode* ChildAt(const CSGGroup& group, int index)
{
    return index < 0 ? nullptr : group.GetChild(static_cast<unsigned>(index));
}

} // namespace

CSGNode* NodeAtPath(const CSGGroup& levelGroup, const std::vector<int>& path)
{
    if (path.size() < 2 || path.front() == -1)
        return nullptr;
    const CSGGroup* group = &levelGroup;
    CSGNode* node = nullptr;
    for (std::size_t i = 1; i < path.size(); ++i) {
        // Only a group's children carry names; stepping below anything else is no path.
        if (!group)
            return nullptr;
        node = ChildAt(*group, path[i]);
        if (!node)
            return nullptr;
        group = dynamic_cast<const CSGGroup*>(node);
    }
    return node;
}

std::vector<int> PickLevelPath(LevelScene& scene, int x, int y, float time)
{
    // Filled polygons are what selection counts, as OpenGL specifies it, but Mesa would count
    // only the outlines that the edit view draws.
    glPushAttrib(GL_POLYGON_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    std::vector<int> path = scene.Pick(x, y, time);
    glPopAttrib();
    return path;
}
