#include "play/PlayField.h"

#include <cmath>

#include "checks/CellGrid.h"
#include "checks/CheckedLevel.h"
#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "scenegraph/NodeType.h"

namespace {

constexpr float kDegrees = 3.14159265358979f / 180.0f;
// Larger than any step the snake takes, so a step's walls are those filed where it ends.
constexpr float kBucketSize = 2.0f;

} // namespace

PlayField::PlayField(const LevelScene& scene, const PlayStart& playStart) : start(playStart)
{
    const CheckedLevel level(scene, nullptr, [](const std::string&) { return std::string(); });
    floor = level.floorRect;
    turningAngle = level.settings.SnakeTurningAngle;
    initialLength = level.settings.SnakeInitialLength;
    initialVelocity = level.settings.SnakeInitialVelocity;
    extraNormalItems = level.settings.NormalItemsNumber;
    m_wallsByPlace = std::make_unique<BucketGrid>(level.nearFloor, kBucketSize);
    m_itemsByPlace = std::make_unique<BucketGrid>(level.nearFloor, kBucketSize);
    for (const PlacedObject& wall : level.placedWalls) {
        m_wallsByPlace->Insert(static_cast<int>(m_walls.size()), wall.footprint.Bounds());
        m_walls.emplace_back(wall.footprint);
    }
    for (const PlacedObject& placed : level.placedItems) {
        const auto& item = static_cast<const Item&>(*placed.node);
        if (item.GetType() < ITEM_NORMAL || item.GetType() > ITEM_DECREASE_SPEED)
            continue;
        const PlayItem playItem{static_cast<ItemKind>(item.ItemTypeID), {item.x, item.z}, item.m_size,
                                item.RespawnTime, item.Amount, &item};
        const float r = playItem.reach;
        m_itemsByPlace->Insert(static_cast<int>(items.size()), {item.x - r, item.z - r, item.x + r, item.z + r});
        items.push_back(playItem);
    }
    if (level.hasFloor)
        GatherFreeCells();
}

void PlayField::GatherFreeCells()
{
    CellGrid cells(floor);
    for (const TurnedFootprint& wall : m_walls) {
        // A start inside a wall reaches nothing.
        if (wall.Holds(start.x, start.z))
            return;
        cells.Cover(wall);
    }
    cells.FloodFrom(start.x, start.z);
    const float step = CellGrid::kCellSize;
    for (float z = floor.minZ + 0.5f * step; z < floor.maxZ; z += step)
        for (float x = floor.minX + 0.5f * step; x < floor.maxX; x += step)
            // The cell itself, not a neighbour of it: its centre is free floor.
            if (cells.Reached(x, z, true))
                m_freeCells.push_back({x, z});
}

PlayPoint PlayField::Direction(float headingDeg)
{
    return {-std::sin(headingDeg * kDegrees), -std::cos(headingDeg * kDegrees)};
}

bool PlayField::WallHit(const PlayPoint& from, const PlayPoint& to, const PlayPoint& direction, float& distance) const
{
    bool hit = false;
    for (int index : m_wallsByPlace->Near(to.x, to.z)) {
        const TurnedFootprint& wall = m_walls[static_cast<std::size_t>(index)];
        if (!wall.Holds(to.x, to.z))
            continue;
        const auto entry = static_cast<float>(std::max(0.0, RayDistanceTo(wall.footprint, from.x, from.z, direction.x, direction.z)));
        if (!hit || entry < distance)
            distance = entry;
        hit = true;
    }
    return hit;
}

bool PlayField::OnFloor(const PlayPoint& point) const
{
    return point.x >= floor.minX && point.x <= floor.maxX && point.z >= floor.minZ && point.z <= floor.maxZ;
}

const std::vector<int>& PlayField::ItemsNear(const PlayPoint& point) const
{
    return m_itemsByPlace->Near(point.x, point.z);
}

PlayPoint PlayField::FreeCell(std::uint64_t random) const
{
    if (m_freeCells.empty())
        return {start.x, start.z};
    return m_freeCells[static_cast<std::size_t>(random % m_freeCells.size())];
}
