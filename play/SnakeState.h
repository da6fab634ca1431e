#pragma once

#include <cstdint>
#include <vector>

#include "play/SnakeBody.h"

// What ends a life.
enum class LifeEndCause { Wall, FloorEdge, Body };

// Where and why a life ended, and how long it had lasted.
struct LifeEnd {
    LifeEndCause cause = LifeEndCause::Wall;
    PlayPoint place;
    double lifeSeconds = 0.0;
};

// What the player did during one step: presses of Left count +1, of Right -1.
struct StepInput {
    int turns = 0;
};

// Everything a run is at one moment. The rules make the next moment from it, the step's input
// and the run's seed alone, so a run replays exactly.
struct SnakeState {
    std::uint64_t steps = 0; // fixed steps since the run began
    double lifeStart = 0.0;  // the run time at which the current life began
    float headingDeg = 0.0f;
    float velocity = 0.0f;
    float targetLength = 0.0f; // the body grows towards it as the head moves on
    SnakeBody body;
    int lives = 0;
    int itemsTaken = 0;
    double noGrowthUntil = 0.0;
    std::vector<double> itemBackAt;    // per level item, the run time it is back after being taken
    std::vector<PlayPoint> extraItems; // the extra normal items, where they lie now
    std::vector<LifeEnd> lifeEnds;     // every life lost, in order
    bool over = false;                 // no life is left
};
