#pragma once

#include <memory>
#include <string>
#include <vector>

#include "checks/BucketGrid.h"
#include "checks/CellGrid.h"
#include "checks/FootprintMath.h"
#include "checks/LevelChecks.h"

class GameSettingsNode;
class LevelFloor;
class Wall;
class Item;

// A wall or an item with a finite place, a finite turn and a positive finite size: the objects
// the checks of places look at, their turns worked out once.
struct PlacedObject : TurnedFootprint {
    const CSGNode* node;
};

// What the checks read of one level, gathered once: the objects by kind, the floor as a
// rectangle, the walls filed by place, and the floor's cells reached from the start.
class CheckedLevel {
public:
    CheckedLevel(const LevelScene& scene, const SourceNotes* notes, const ImageCheck& imageCheck);

    // Names as "Wall at (1, -2.5)", for the messages.
    static ProblemText NameOf(const CSGNode& node);
    // The walls whose inside holds (x, z).
    std::vector<const PlacedObject*> WallsHolding(double x, double z) const;

    const LevelScene& scene;
    const SourceNotes* notes;
    const ImageCheck& imageCheck;
    const GameSettingsNode& settings;
    const LevelFloor& floor;
    std::vector<const Wall*> walls;
    std::vector<const Item*> items;
    std::vector<PlacedObject> placedWalls;
    std::vector<PlacedObject> placedItems;

    // Whether the floor has a positive size, and its rectangle (centred on the origin).
    bool hasFloor = false;
    LevelRect floorRect{};
    // The floor and an item's size around it: what lies further out is wholly off the floor.
    LevelRect nearFloor{};
    // Whether the start has a finite place and heading, lies on the floor and in no wall.
    bool startPlaced = false;
    double startX = 0.0, startZ = 0.0;
    // The placed walls by place, over nearFloor; null without floor.
    std::unique_ptr<BucketGrid> wallsByPlace;
    // The floor's cells, flooded from the start; null when they could not be, and then
    // `floodSkipped` says why.
    std::unique_ptr<CellGrid> cells;
    ProblemText floodSkipped;

private:
    void Gather();
    void FileWalls();
    void Flood();
};
