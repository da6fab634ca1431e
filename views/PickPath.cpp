#include "views/PickPath.h"

#include <algorithm>
#include <cstdlib>

#include <GL/gl.h>

#include "geometry/Footprint.h"
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

std::vector<std::vector<int>> PickLevelPaths(LevelScene& scene, int x, int y, float time)
{
    // Filled polygons are what selection counts, as OpenGL specifies it, but Mesa would count
    // only the outlines that the edit view draws.
    glPushAttrib(GL_POLYGON_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    std::vector<std::vector<int>> paths = scene.PickAll(x, y, time);
    glPopAttrib();
    return paths;
}

std::vector<int> PickLevelPath(LevelScene& scene, int x, int y, float time)
{
    std::vector<std::vector<int>> paths = PickLevelPaths(scene, x, y, time);
    return paths.empty() ? std::vector<int>{-1} : paths.front();
}

namespace {

// A pointer within this many pixels of the last click clicks the same spot.
constexpr int kSameSpotPixels = 2;

float FootprintArea(const CSGNode& node)
{
    Footprint footprint;
    return Footprint::Of(node, footprint) ? footprint.Area() : 0.0f;
}

} // namespace

std::vector<CSGNode*> PickCycle::BySize(std::vector<CSGNode*> nearestFirst)
{
    std::stable_sort(nearestFirst.begin(), nearestFirst.end(),
                     [](const CSGNode* a, const CSGNode* b) { return FootprintArea(*a) < FootprintArea(*b); });
    return nearestFirst;
}

std::size_t PickCycle::Take(int x, int y, const std::vector<CSGNode*>& objects, const CSGNode* selected,
                            std::size_t otherwise)
{
    const bool sameSpot = std::abs(x - m_x) <= kSameSpotPixels && std::abs(y - m_y) <= kSameSpotPixels;
    const bool repeats = sameSpot && !objects.empty() && std::equal(objects.begin(), objects.end(), m_objects.begin(), m_objects.end())
                      && selected == m_objects[m_index];
    m_index = repeats ? (m_index + 1) % objects.size() : otherwise;
    m_x = x;
    m_y = y;
    m_objects.assign(objects.begin(), objects.end());
    return m_index;
}
