#pragma once

#include <cstdint>
#include <vector>

#include "play/PlayField.h"
#include "play/SnakeRules.h"

class LevelScene;

// A point of the head's path and the run time at which the head was there.
struct TracePoint {
    PlayPoint place;
    double time = 0.0;
    bool startsLife = false; // the path jumps here from where the last life ended
};

// One run of the snake through a level in real time: the seconds that pass are cut into the
// rules' fixed steps, the turns asked for between two steps go into the next one, and the
// head's path is kept for the picture of the run.
class PlayRun {
public:
    PlayRun(const LevelScene& scene, const PlayStart& start, std::uint64_t seed);

    // Left (+1) or right (-1), applied at the next step.
    void Turn(int turns) { m_turns += turns; }
    // Runs the steps that `seconds` of real time hold, unless paused; a long stall runs at most
    // a quarter of a second.
    void Advance(double seconds);
    void SetPaused(bool paused) { m_paused = paused; }
    bool Paused() const { return m_paused; }

    const PlayField& Field() const { return m_field; }
    const SnakeState& State() const { return m_state; }
    double Time() const { return SnakeRules::Time(m_state); }
    // The level's items that the snake has taken and that are not back yet.
    std::vector<const CSGNode*> ItemsAway() const;
    const std::vector<TracePoint>& Trace() const { return m_trace; }

private:
    // Keeps the head's place when the path bends, a life starts again, or it has gone far enough.
    void Record(const SnakeState& before);

    PlayField m_field;
    std::uint64_t m_seed;
    SnakeState m_state;
    double m_owed = 0.0; // real seconds not yet run as steps
    int m_turns = 0;
    bool m_paused = false;
    std::vector<TracePoint> m_trace;
};
