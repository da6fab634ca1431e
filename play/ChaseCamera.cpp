#include "play/ChaseCamera.h"

#include <cmath>

namespace {

constexpr float kBehind = 4.0f; // how far behind the head the camera stands
constexpr float kAbove = 2.5f;  // and how high
constexpr float kAhead = 4.0f;  // how far ahead of the head it looks
// Just above and ahead of the head, which is 0.5 high.
constexpr float kEyeHeight = 0.6f;
constexpr float kEyeAhead = 0.3f;

} // namespace

void ChaseCamera::Follow(float headingDeg, float seconds)
{
    const float turn = std::remainder(headingDeg - m_headingDeg, 360.0f);
    m_headingDeg = std::remainder(m_headingDeg + turn * (1.0f - std::exp(-seconds / kTurnEasing)), 360.0f);
}

LookAt ChaseCamera::Look(const PlayPoint& head, ChaseView view, float span) const
{
    const PlayPoint d = PlayField::Direction(m_headingDeg);
    switch (view) {
    case ChaseView::Eye:
        return {{head.x + d.x * kEyeAhead, kEyeHeight, head.z + d.z * kEyeAhead},
                {head.x + d.x * kAhead, kEyeHeight, head.z + d.z * kAhead},
                {0.0f, 1.0f, 0.0f}};
    case ChaseView::Top:
        // Looking straight down with the heading up the screen.
        return {{head.x, 0.6f * span + 2.0f, head.z}, {head.x, 0.0f, head.z}, {d.x, 0.0f, d.z}};
    case ChaseView::Behind:
        break;
    }
    return {{head.x - d.x * kBehind, kAbove, head.z - d.z * kBehind},
            {head.x + d.x * kAhead, 0.0f, head.z + d.z * kAhead},
            {0.0f, 1.0f, 0.0f}};
}
