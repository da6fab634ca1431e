#include "document/EditStates.h"

#include "document/CLevelMapDoc.h"
#include "level/CICubeMapNode.h"
#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"

ObjectPosition Capture(const LevelObject& object)
{
    return {object.x, object.z};
}

void Restore(CLevelMapDoc&, LevelObject& object, const ObjectPosition& state)
{
    object.x = state.x;
    object.z = state.z;
}

WallShape Capture(const Wall& wall)
{
    return {wall.Width, wall.Depth, wall.OrientationAngle};
}

void Restore(CLevelMapDoc&, Wall& wall, const WallShape& state)
{
    wall.Width = state.width;
    wall.Depth = state.depth;
    wall.OrientationAngle = state.angle;
}

ItemValues Capture(const Item& item)
{
    return {item.ItemTypeID, item.RespawnTime, item.TTLBeforePicked, item.Amount};
}

void Restore(CLevelMapDoc&, Item& item, const ItemValues& state)
{
    item.ItemTypeID = state.type;
    item.RespawnTime = state.respawnTime;
    item.TTLBeforePicked = state.ttl;
    item.Amount = state.amount;
}

MarkerHeading Capture(const StartPositionNode& marker)
{
    return {marker.angle};
}

void Restore(CLevelMapDoc&, StartPositionNode& marker, const MarkerHeading& state)
{
    marker.angle = state.angle;
}

LevelProperties Capture(const LevelScene& scene)
{
    const LevelFloor& floor = *scene.m_pFloor;
    const GameSettingsNode& settings = *scene.m_pGameSettings;
    return {floor.Width,
            floor.Heigth,
            settings.NormalItemsNumber,
            settings.SnakeTurningAngle,
            settings.SnakeInitialLength,
            settings.SnakeInitialVelocity};
}

void Restore(CLevelMapDoc&, LevelScene& scene, const LevelProperties& state)
{
    LevelFloor& floor = *scene.m_pFloor;
    GameSettingsNode& settings = *scene.m_pGameSettings;
    floor.Width = state.width;
    floor.Heigth = state.height;
    settings.NormalItemsNumber = state.normalItems;
    settings.SnakeTurningAngle = state.turningAngle;
    settings.SnakeInitialLength = state.initialLength;
    settings.SnakeInitialVelocity = state.initialVelocity;
}

MappingValues Capture(const TextureMapping& mapping)
{
    return {mapping.GetTexTX(), mapping.GetTexTY(), mapping.GetTexScaleX(), mapping.GetTexScaleY(),
            mapping.GetTexRotationAngleDeg()};
}

void Restore(CLevelMapDoc&, TextureMapping& mapping, const MappingValues& state)
{
    mapping.SetTexTX(state.tx);
    mapping.SetTexTY(state.ty);
    mapping.SetTexScaleX(state.scaleX);
    mapping.SetTexScaleY(state.scaleY);
    mapping.SetTexRotationAngleDeg(state.rotation);
}

TextureRow CaptureRow(const TextureMapping& mapping)
{
    return {mapping.GetTextureID()};
}

void Restore(CLevelMapDoc& document, TextureMapping& mapping, const TextureRow& state)
{
    mapping.SetTextureID(state.id);
    mapping.SetNeedsTextureUpdate(true);
    document.m_bTexturesDirty = true;
}

void Restore(CLevelMapDoc& document, LevelScene& scene, const SkyBoxImage& state)
{
    if (!scene.m_pCubeMap)
        return;
    scene.m_pCubeMap->TextureBaseName = state.baseName;
    scene.m_pCubeMap->m_reloadNeeded = true;
    document.m_bTexturesDirty = true;
}
