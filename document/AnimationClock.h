#pragma once

class CLevelMapDoc;

// Seconds since the process started, read from a monotonic clock at millisecond resolution.
float ProcessSeconds();

// One idle pass of the preview's animation clock at time `now` (seconds): m_lastTick always
// moves to `now`, and m_animTime advances by the time since the last pass only while the
// animation is on, so switching it on never makes it jump.
void AdvanceAnimationClock(CLevelMapDoc& document, float now);

// Spaces the repaints of the animated preview: at most one per interval, however often asked.
class RepaintPacer {
public:
    explicit RepaintPacer(float intervalSeconds) : m_interval(intervalSeconds) {}
    // True when a repaint is due at `now`; it then counts as done.
    bool Due(float now);

private:
    float m_interval;
    float m_last = -1.0e9f;
};

// One idle pass of the editor at time `now`: the animation clock advances and, while the
// animation runs, the document's previews repaint at the pacer's rate. Nothing else repaints
// here: a pane repaints when what it shows changes. True while further passes are wanted.
bool AnimateIdle(CLevelMapDoc& document, RepaintPacer& pacer, float now);
