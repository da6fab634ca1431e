#include "checks/CheckedLevel.h"

#include <charconv>
#include <cmath>

#include "checks/FootprintMath.h"
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
constexpr float kBucketSize = 2.0f;

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
    const float halfWidth = 0.5f * static_cast<float>(floor.Width);
    const float halfHeight = 0.5f * static_cast<float>(floor.Heigth);
    floorRect = {-halfWidth, -halfHeight, halfWidth, halfHeight};
    constexpr float kMargin = 1.0f;
    nearFloor = {-halfWidth - kMargin, -halfHeight - kMargin, halfWidth + kMargin, halfHeight + kMargin};
    startX = settings.SnakeInitialPosX;
    startZ = settings.SnakeInitialPosZ;
    if (!hasFloor)
        return;
    FileWalls();
    Flood();
}

std::string CheckedLevel::Number(double value)
{
    // As "%g" writes it, without the locale's cost per call: messages can run to thousands.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6).ptr;
    return std::string(text, end);
}

std::string CheckedLevel::Place(float x, float z)
{
    return "(" + Number(x) + ", " + Number(z) + ")";
}

std::string CheckedLevel::NameOf(const CSGNode& node)
{
    const int type = node.GetType();
    if (type == WALL_NODE || IsItemType(type)) {
        const auto& object = dynamic_cast<const LevelObject&>(node);
        return (type == WALL_NODE ? "Wall at " : "Item at ") + Place(object.x, object.z);
    }
    if (type == LEVEL_FLOOR_NODE)
        return "The floor";
    if (dynamic_cast<const GameSettingsNode*>(&node))
        return "The game settings";
    if (dynamic_cast<const TexturesNode*>(&node))
        return "The texture list";
    if (dynamic_cast<const CICubeMapNode*>(&node))
        return "The sky box";
    return "A scene node";
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
                placedWalls.push_back({&wall, {wall.x, wall.z, 0.5f * wall.Width, 0.5f * wall.Depth, wall.OrientationAngle}});
        } else if (IsItemType(type)) {
            const auto& item = static_cast<const Item&>(node);
            items.push_back(&item);
            if (AllFinite({item.x, item.z}))
                placedItems.push_back({&item, {item.x, item.z, item.m_size, item.m_size, 0.0f}});
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
    const bool onFloor = AllFinite({startX, startZ, settings.SnakeInitialOrientationAngle}) &&
                         startX >= floorRect.minX && startX <= floorRect.maxX && startZ >= floorRect.minZ &&
                         startZ <= floorRect.maxZ;
    if (!onFloor)
        return;
    startPlaced = true;
    for (int index : wallsByPlace->Near(startX, startZ))
        if (FootprintHolds(placedWalls[static_cast<std::size_t>(index)].footprint, startX, startZ, false))
            startPlaced = false;
    const float largest = FLOOR_SIZE_RANGE.max;
    if (!startPlaced || floor.Width > largest || floor.Heigth > largest)
        return;
    cells = std::make_unique<CellGrid>(floorRect);
    for (const PlacedObject& wall : placedWalls)
        cells->Cover(wall.footprint);
    if (!cells->FloodFrom(startX, startZ))
        cells.reset();
}
