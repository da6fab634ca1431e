#include "checks/CheckedLevel.h"

#include <cmath>

#include "checks/FootprintMath.h"
#include "checks/ShownNumber.h"
#include "level/CICubeMapNode.h"
#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"
#include "level/SettingRanges.h"
#include "level/TexturesNode.h"
#include "level/Wall.h"
#include "scenegraph/CSGGroup.h"

namespace {

// Buckets about as large as the walls and items of a level.
constexpr double kBucketSize = 2.0;

bool AllFinite(std::initializer_list<float> values)
{
    for (float value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

} // namespace

CheckedLevel::CheckedLevel(const LevelScene& level, const SourceNotes* sourceNotes, const ImageCheck& images)
    : scene(level), notes(sourceNotes), imageCheck(images), settings(*level.m_pGameSettings), floor(*level.m_pFloor)
{
    Gather();
    hasFloor = floor.Width > 0 && floor.Heigth > 0;
    const double halfWidth = 0.5 * floor.Width;
    const double halfHeight = 0.5 * floor.Heigth;
    floorRect = {-halfWidth, -halfHeight, halfWidth, halfHeight};
    constexpr double kMargin = 1.0;
    nearFloor = {-halfWidth - kMargin, -halfHeight - kMargin, halfWidth + kMargin, halfHeight + kMargin};
    startX = settings.SnakeInitialPosX;
    startZ = settings.SnakeInitialPosZ;
    if (!hasFloor) {
        floodSkipped = N_("the floor has no positive size");
        return;
    }
    FileWalls();
    Flood();
}

ProblemText CheckedLevel::NameOf(const CSGNode& node)
{
    const int type = node.GetType();
    if (type == WALL_NODE || IsItemType(type)) {
        const auto& object = dynamic_cast<const LevelObject&>(node);
        return {type == WALL_NODE ? N_("Wall at {0}") : N_("Item at {0}"), {ProblemText::Plain(ShownPlace(object.x, object.z))}};
    }
    if (type == LEVEL_FLOOR_NODE)
        return N_("The floor");
    if (dynamic_cast<const GameSettingsNode*>(&node))
        return N_("The game settings");
    if (dynamic_cast<const TexturesNode*>(&node))
        return N_("The texture list");
    if (dynamic_cast<const CICubeMapNode*>(&node))
        return N_("The sky box");
    return N_("A scene node");
}

std::vector<const PlacedObject*> CheckedLevel::WallsHolding(double x, double z) const
{
    std::vector<const PlacedObject*> holding;
    if (wallsByPlace)
        for (int index : wallsByPlace->Near(x, z)) {
            const PlacedObject& wall = placedWalls[static_cast<std::size_t>(index)];
            if (wall.Holds(x, z))
                holding.push_back(&wall);
        }
    return holding;
}

void CheckedLevel::Gather()
{
    ForEachNode(scene.Root(), [this](CSGNode& node) {
        const int type = node.GetType();
        if (type == WALL_NODE) {
            const auto& wall = static_cast<const Wall&>(node);
            walls.push_back(&wall);
            if (AllFinite({wall.x, wall.z, wall.OrientationAngle, wall.Width, wall.Depth}) && wall.Width > 0.0f &&
                wall.Depth > 0.0f)
                placedWalls.push_back(
                    {TurnedFootprint({wall.x, wall.z, 0.5 * wall.Width, 0.5 * wall.Depth, wall.OrientationAngle}), &wall});
        } else if (IsItemType(type)) {
            const auto& item = static_cast<const Item&>(node);
            items.push_back(&item);
            if (AllFinite({item.x, item.z}))
                placedItems.push_back({TurnedFootprint({item.x, item.z, item.m_size, item.m_size, 0.0}), &item});
        }
    });
}

void CheckedLevel::FileWalls()
{
    wallsByPlace = std::make_unique<BucketGrid>(nearFloor, kBucketSize);
    for (std::size_t i = 0; i < placedWalls.size(); ++i)
        wallsByPlace->Insert(static_cast<int>(i), placedWalls[i].footprint.Bounds());
}

void CheckedLevel::Flood()
{
    if (!AllFinite({settings.SnakeInitialPosX, settings.SnakeInitialPosZ, settings.SnakeInitialOrientationAngle})) {
        floodSkipped = N_("the start position has no finite place or heading");
        return;
    }
    if (!RectHoldsPoint(floorRect, startX, startZ)) {
        floodSkipped = N_("the start position is not on the floor");
        return;
    }
    if (!WallsHolding(startX, startZ).empty()) {
        floodSkipped = N_("the start position lies inside a wall");
        return;
    }
    startPlaced = true;
    const double largest = FLOOR_SIZE_RANGE.max;
    if (floor.Width > largest || floor.Heigth > largest) {
        floodSkipped = {N_("the floor is larger than {0} x {0}"), {ProblemText::Plain(ShownNumber(largest))}};
        return;
    }
    cells = std::make_unique<CellGrid>(floorRect);
    for (const PlacedObject& wall : placedWalls)
        cells->Cover(wall);
    cells->FloodFrom(startX, startZ);
}
