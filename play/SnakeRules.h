#pragma once

#include <cstddef>

#include "play/SnakeState.h"

// The snake's rules: how a run starts and how one fixed step of time changes it.
class SnakeRules {
public:
    // Seconds of game time in one step.
    static constexpr double kStep = 1.0 / 120.0;
    static constexpr int kLives = 3;
    // The body's width: the head running within it of its own body ends the life.
    static constexpr float kBodyWidth = 0.5f;
    // The part of the body behind the head that a turn of up to 90 degrees cannot bring within
    // the body's width of the head.
    static constexpr float kNeck = 1.0f;
    static constexpr float kShortestBody = 1.0f;
    static constexpr float kSlowest = 0.5f;

    static SnakeState Start(const PlayField& field, std::uint64_t seed);
    static SnakeState Step(const PlayField& field, const SnakeState& state, const StepInput& input, std::uint64_t seed);

    static double Time(const SnakeState& state) { return static_cast<double>(state.steps) * kStep; }
    // Whether level item `item` lies in the level now: never taken, or back after its respawn time.
    static bool ItemPresent(const SnakeState& state, std::size_t item) { return Time(state) >= state.itemBackAt[item]; }

private:
    // The snake at the start with a fresh body, its velocity and length as the level sets them.
    static void PlaceAtStart(const PlayField& field, SnakeState& state);
    // Whether the head's move from `from` to `to` ends the life, and after what distance.
    static bool LifeEnds(const PlayField& field, const SnakeState& state, const PlayPoint& from, const PlayPoint& to,
                         float& distance, LifeEndCause& cause);
    static void EndLife(const PlayField& field, SnakeState& state, const PlayPoint& from, float distance,
                        LifeEndCause cause);
    // Takes the items whose reach the head entered on its move from `from`.
    static void TakeItems(const PlayField& field, SnakeState& state, const PlayPoint& from, std::uint64_t seed);
    static void Apply(const PlayItem& item, SnakeState& state);
};
