#include "level/DrawnBox.h"

#include <algorithm>
#include <cmath>

#include "level/Item.h"
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
