#pragma once

#include <string>
#include <tuple>

class CLevelMapDoc;
class Item;
class LevelScene;
class StartPositionNode;
class TextureMapping;
class Wall;
struct LevelObject;

// The values one kind of edit changes, taken from a node (Capture) and put back (Restore).
// An undo step keeps two of them: before and after.

struct ObjectPosition {
    float x, z;
    auto Tie() const { return std::tie(x, z); }
};
ObjectPosition Capture(const LevelObject& object);
void Restore(CLevelMapDoc& document, LevelObject& object, const ObjectPosition& state);

struct WallShape {
    float width, depth, angle;
    auto Tie() const { return std::tie(width, depth, angle); }
};
WallShape Capture(const Wall& wall);
void Restore(CLevelMapDoc& document, Wall& wall, const WallShape& state);

struct ItemValues {
    int type;
    float respawnTime, ttl, amount;
    auto Tie() const { return std::tie(type, respawnTime, ttl, amount); }
};
ItemValues Capture(const Item& item);
void Restore(CLevelMapDoc& document, Item& item, const ItemValues& state);

struct MarkerHeading {
    float angle;
    auto Tie() const { return std::tie(angle); }
};
MarkerHeading Capture(const StartPositionNode& marker);
void Restore(CLevelMapDoc& document, StartPositionNode& marker, const MarkerHeading& state);

// The level properties form: floor size and game settings.
struct LevelProperties {
    int width, height, normalItems;
    float turningAngle, initialLength, initialVelocity;
    auto Tie() const { return std::tie(width, height, normalItems, turningAngle, initialLength, initialVelocity); }
};
LevelProperties Capture(const LevelScene& scene);
void Restore(CLevelMapDoc& document, LevelScene& scene, const LevelProperties& state);

// How a texture lies on a floor or wall (the texture dialog).
struct MappingValues {
    float tx, ty, scaleX, scaleY, rotation;
    auto Tie() const { return std::tie(tx, ty, scaleX, scaleY, rotation); }
};
MappingValues Capture(const TextureMapping& mapping);
void Restore(CLevelMapDoc& document, TextureMapping& mapping, const MappingValues& state);

// Which texture row a floor or wall shows.
struct TextureRow {
    int id;
    auto Tie() const { return std::tie(id); }
};
TextureRow CaptureRow(const TextureMapping& mapping);
void Restore(CLevelMapDoc& document, TextureMapping& mapping, const TextureRow& state);

// The sky box's base name.
struct SkyBoxImage {
    std::string baseName;
    auto Tie() const { return std::tie(baseName); }
};
void Restore(CLevelMapDoc& document, LevelScene& scene, const SkyBoxImage& state);

// Two kinds of values of one node changed together as one step (the selection form's Apply:
// position and shape of a wall, say).
template <class First, class Second>
struct StatePair {
    First first;
    Second second;
    auto Tie() const { return std::tuple_cat(first.Tie(), second.Tie()); }
};
template <class Target, class First, class Second>
void Restore(CLevelMapDoc& document, Target& target, const StatePair<First, Second>& state)
{
    Restore(document, target, state.first);
    Restore(document, target, state.second);
}

// A wall's, item's or start position's place with its other values.
template <class Target>
auto CaptureWithPosition(const Target& target)
{
    using Values = decltype(Capture(target));
    return StatePair<ObjectPosition, Values>{Capture(static_cast<const LevelObject&>(target)), Capture(target)};
}

template <class State>
bool SameState(const State& a, const State& b)
{
    return a.Tie() == b.Tie();
}
