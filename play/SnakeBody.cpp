#include "play/SnakeBody.h"

#include <algorithm>
#include <cmath>

namespace {

float Distance(const PlayPoint& a, const PlayPoint& b)
{
    return std::hypot(b.x - a.x, b.z - a.z);
}

PlayPoint Along(const PlayPoint& from, const PlayPoint& to, float fraction)
{
    return {from.x + (to.x - from.x) * fraction, from.z + (to.z - from.z) * fraction};
}

// The distance from `point` to the segment from a to b.
float DistanceToSegment(const PlayPoint& point, const PlayPoint& a, const PlayPoint& b)
{
    const float dx = b.x - a.x, dz = b.z - a.z;
    const float squared = dx * dx + dz * dz;
    const float t = squared > 0.0f ? std::clamp(((point.x - a.x) * dx + (point.z - a.z) * dz) / squared, 0.0f, 1.0f)
                                   : 0.0f;
    return Distance(point, {a.x + t * dx, a.z + t * dz});
}

} // namespace

SnakeBody::SnakeBody(const PlayPoint& head, const PlayPoint& direction, float length)
    : m_points{{head.x - direction.x * length, head.z - direction.z * length}, head}
{
}

float SnakeBody::Length() const
{
    float length = 0.0f;
    for (std::size_t i = 1; i < m_points.size(); ++i)
        length += Distance(m_points[i - 1], m_points[i]);
    return length;
}

void SnakeBody::MoveHead(const PlayPoint& head)
{
    m_points.back() = head;
}

void SnakeBody::Turn()
{
    m_points.push_back(m_points.back());
}

void SnakeBody::CutTo(float length)
{
    float kept = 0.0f;
    for (std::size_t i = m_points.size() - 1; i > 0; --i) {
        const float segment = Distance(m_points[i - 1], m_points[i]);
        if (kept + segment > length) {
            m_points[i - 1] = Along(m_points[i], m_points[i - 1], (length - kept) / segment);
            m_points.erase(m_points.begin(), m_points.begin() + static_cast<std::ptrdiff_t>(i - 1));
            return;
        }
        kept += segment;
    }
}

bool SnakeBody::Touches(const PlayPoint& point, float width, float neck) const
{
    float behind = 0.0f;
    for (std::size_t i = m_points.size() - 1; i > 0; --i) {
        PlayPoint near = m_points[i];
        const PlayPoint& far = m_points[i - 1];
        const float segment = Distance(near, far);
        if (behind + segment > neck) {
            if (behind < neck)
                near = Along(near, far, (neck - behind) / segment);
            if (DistanceToSegment(point, near, far) < width)
                return true;
        }
        behind += segment;
    }
    return false;
}
