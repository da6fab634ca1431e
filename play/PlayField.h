#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "checks/BucketGrid.h"
#include "checks/FootprintMath.h"

class CSGNode;
class LevelScene;

// A point on the floor, in level units.
struct PlayPoint {
    float x = 0.0f, z = 0.0f;
};

// Where and how the snake starts, as the start marker holds it.
struct PlayStart {
    float x = 0.0f, z = 0.0f, headingDeg = 0.0f;
};

// The item kinds that change the run, by their type numbers in the level file.
enum class ItemKind : int { Normal = 16, ExtraLife, NoGrowth, Shorter, Faster, Slower };

// An item the snake can take: placed in the level, or one of the extra normal items.
struct PlayItem {
    // The items' drawing size, within which of its centre the head takes an item.
    static constexpr float kSize = 0.5f;

    ItemKind kind = ItemKind::Normal;
    PlayPoint place;
    float reach = kSize;
    float respawnTime = 0.0f; // seconds until it comes back once taken
    float amount = 0.0f;      // the size of its effect
    const CSGNode* node = nullptr; // the level's item it stands for
};

// What a run reads of a level, gathered once when the run starts: the floor, the walls filed by
// place, the items, the settings, and the floor cells a snake can reach from the start, where
// the extra normal items appear. The level itself is never touched by a run.
class PlayField {
public:
    PlayField(const LevelScene& scene, const PlayStart& start);

    // The direction of travel for a heading: 0 degrees runs towards -Z, 90 towards -X.
    static PlayPoint Direction(float headingDeg);

    // The first wall whose footprint holds `to`, and how far from `from` along `direction` the
    // step enters it; false when `to` lies in no wall.
    bool WallHit(const PlayPoint& from, const PlayPoint& to, const PlayPoint& direction, float& distance) const;
    bool OnFloor(const PlayPoint& point) const;
    // The level items whose reach may hold `point`.
    const std::vector<int>& ItemsNear(const PlayPoint& point) const;
    // The centre of a free reachable floor cell picked by `random`; the start when there is none.
    PlayPoint FreeCell(std::uint64_t random) const;

    LevelRect floor{};
    PlayStart start;
    float turningAngle = 90.0f;
    float initialLength = 8.0f;
    float initialVelocity = 2.0f;
    int extraNormalItems = 0;
    std::vector<PlayItem> items;

private:
    void GatherFreeCells();

    std::vector<TurnedFootprint> m_walls;
    std::unique_ptr<BucketGrid> m_wallsByPlace;
    std::unique_ptr<BucketGrid> m_itemsByPlace;
    std::vector<PlayPoint> m_freeCells;
};
