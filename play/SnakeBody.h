#pragma once

#include <vector>

#include "play/PlayField.h"

// The snake's body as the path its head took: a polyline from the tail to the head whose inner
// points are the places where it turned. Its length is kept by cutting the tail.
class SnakeBody {
public:
    SnakeBody() = default;
    // A straight body of `length` ending at `head`, lying behind it against `direction`.
    SnakeBody(const PlayPoint& head, const PlayPoint& direction, float length);

    const PlayPoint& Head() const { return m_points.back(); }
    const std::vector<PlayPoint>& Points() const { return m_points; }
    float Length() const;

    // The head moves on to `head` in a straight line from where it is.
    void MoveHead(const PlayPoint& head);
    // The head turns where it is: the body keeps a corner there.
    void Turn();
    // Cuts the tail so that the body is at most `length` long.
    void CutTo(float length);
    // Whether `point` lies within `width` of the body, leaving out the `neck` nearest the head.
    bool Touches(const PlayPoint& point, float width, float neck) const;

private:
    std::vector<PlayPoint> m_points; // tail first
};
