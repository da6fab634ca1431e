#pragma once

#include <optional>

#include "checks/Problem.h"

class LevelScene;

// The plain fix for a problem, where there is one: move an object to the nearest free place
// inside the floor, remove a wall of no size, make an unknown item a normal one.
struct QuickFix {
    enum class Kind { MoveInsideFloor, RemoveWall, MakeItemNormal };

    Kind kind;
    // The wall or item it changes; for the start, the game settings.
    const CSGNode* node;
    // MoveInsideFloor: the new centre, always finite.
    float x = 0.0f, z = 0.0f;
};

std::optional<QuickFix> QuickFixFor(const Problem& problem, const LevelScene& scene);
