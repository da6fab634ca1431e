#pragma once

#include "play/PlayField.h"

// Where the drive mode's camera stands.
enum class ChaseView { Behind, Eye, Top };

// An eye, the point it looks at and its up direction, as gluLookAt takes them.
struct LookAt {
    float eye[3];
    float centre[3];
    float up[3];
};

// The drive mode's camera. It follows the head at once but turns with it over a fraction of a
// second, so a sharp turn of the snake does not jerk the picture.
class ChaseCamera {
public:
    // Seconds in which the camera makes up about two thirds of a turn.
    static constexpr float kTurnEasing = 0.12f;

    explicit ChaseCamera(float headingDeg) : m_headingDeg(headingDeg) {}

    // Turns towards the snake's heading for `seconds` of real time, the shorter way round.
    void Follow(float headingDeg, float seconds);
    float HeadingDeg() const { return m_headingDeg; }
    // The camera for a head at `head` seen as `view` shows it; `span` (the floor's larger side)
    // sets the top view's height.
    LookAt Look(const PlayPoint& head, ChaseView view, float span) const;

private:
    float m_headingDeg;
};
