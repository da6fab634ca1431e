#include "level/DrawnBox.h"

#include <algorithm>
#include <cmath>

#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"

namespace {

float Widened(float half)
{
    return std::abs(half) * 1.001f + 1.0e-3f;
}

} // namespace

DrawnBox BoxOf(const Wall& wall)
{
    const float r = Widened(0.5f * std::hypot(wall.Width, wall.Depth));
    return {{wall.x, 0.5f * wall.m_height, wall.z}, {r, Widened(0.5f * wall.m_height), r}};
}

DrawnBox BoxOf(const Item& item)
{
    const float h = Widened(std::max(std::abs(item.m_size), 0.5f));
    return {{item.x, item.y + item.m_size, item.z}, {h, h, h}};
}

bool ObjectBox(const CSGNode& node, DrawnBox& box)
{
    // The marker's cone is 2 long about a point 0.8 above its position.
    constexpr float kMarkerReach = 2.0f;
    if (const auto* wall = dynamic_cast<const Wall*>(&node))
        box = BoxOf(*wall);
    else if (const auto* item = dynamic_cast<const Item*>(&node))
        box = BoxOf(*item);
    else if (const auto* floor = dynamic_cast<const LevelFloor*>(&node))
        box = {{0.0f, -0.5f, 0.0f}, {0.5f * floor->Width, 0.5f, 0.5f * floor->Heigth}};
    else if (const auto* marker = dynamic_cast<const StartPositionNode*>(&node))
        box = {{marker->x, marker->y + 0.8f, marker->z}, {kMarkerReach, kMarkerReach, kMarkerReach}};
    else
        return false;
    return true;
}
