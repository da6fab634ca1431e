#include "views/CTrackball.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounding drift of repeated products is removed after this many compositions.
constexpr int kRenormaliseAfter = 97;
// r / sqrt(2): inside this distance the ball is a sphere, outside a hyperbolic sheet.
constexpr float kInvSqrt2 = 0.70710677f;

int g_compositionCount = 0;

struct Vec3 {
    float x, y, z;
};

Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

float Length(const Vec3& a) { return std::sqrt(Dot(a, a)); }

// Height of the trackball surface over the screen point (px, py).
float ProjectToBall(float px, float py)
{
    const float d = std::sqrt(px * px + py * py);
    const float core = CTrackball::RADIUS * kInvSqrt2;
    if (d < core)
        return std::sqrt(CTrackball::RADIUS * CTrackball::RADIUS - d * d);
    return core * core / d;
}

Quaternion FromAxisAngle(Vec3 axis, float angle)
{
    const float length = Length(axis);
    if (length > 0.0f)
        axis = {axis.x / length, axis.y / length, axis.z / length};
    const float s = std::sin(angle / 2.0f);
    return {axis.x * s, axis.y * s, axis.z * s, std::cos(angle / 2.0f)};
}

} // namespace

int TrackballCompositionCount() { return g_compositionCount; }

void CTrackball::Init(int width, int height)
{
    Resize(width, height);
    m_current = Quaternion{};
}

void CTrackball::Resize(int width, int height)
{
    // A collapsed pane still maps cursor points to finite values.
    m_width = std::max(width, 1);
    m_height = std::max(height, 1);
}

void CTrackball::Start(int x, int y)
{
    m_lastX = x;
    m_lastY = y;
}

Quaternion CTrackball::IncrementBetween(int x1, int y1, int x2, int y2) const
{
    if (x1 == x2 && y1 == y2)
        return Quaternion{};
    auto toBall = [this](int x, int y) {
        const float px = 2.0f * x / m_width - 1.0f;
        const float py = 1.0f - 2.0f * y / m_height;
        return Vec3{px, py, ProjectToBall(px, py)};
    };
    const Vec3 p1 = toBall(x1, y1);
    const Vec3 p2 = toBall(x2, y2);
    const Vec3 axis = Cross(p2, p1);
    const Vec3 diff{p1.x - p2.x, p1.y - p2.y, p1.z - p2.z};
    const float t = std::clamp(Length(diff) / (2.0f * RADIUS), -1.0f, 1.0f);
    return FromAxisAngle(axis, 2.0f * std::asin(t));
}

void CTrackball::Motion(int x, int y)
{
    if (x == m_lastX && y == m_lastY) {
        m_moving = 0;
    } else {
        m_lastIncrement = IncrementBetween(m_lastX, m_lastY, x, y);
        m_moving = 1;
        Compose(m_lastIncrement);
    }
    m_lastX = x;
    m_lastY = y;
}

void CTrackball::Compose(const Quaternion& q1)
{
    const Quaternion& q2 = m_current;
    const Vec3 v1{q1.x, q1.y, q1.z};
    const Vec3 v2{q2.x, q2.y, q2.z};
    const Vec3 c = Cross(v2, v1);
    Quaternion result;
    result.x = v1.x * q2.w + v2.x * q1.w + c.x;
    result.y = v1.y * q2.w + v2.y * q1.w + c.y;
    result.z = v1.z * q2.w + v2.z * q1.w + c.z;
    result.w = q1.w * q2.w - Dot(v1, v2);
    if (++g_compositionCount > kRenormaliseAfter) {
        g_compositionCount = 0;
        // Divides by the sum of squares (not its root): close enough for a length near 1.
        const float sum = result.x * result.x + result.y * result.y + result.z * result.z + result.w * result.w;
        result = {result.x / sum, result.y / sum, result.z / sum, result.w / sum};
    }
    m_current = result;
}

void CTrackball::BuildRotationMatrix(float m[16]) const
{
    const float x = m_current.x;
    const float y = m_current.y;
    const float z = m_current.z;
    const float w = m_current.w;
    const float rows[16] = {
        1 - 2 * (y * y + z * z), 2 * (x * y + w * z),     2 * (x * z - w * y),     0,
        2 * (x * y - w * z),     1 - 2 * (x * x + z * z), 2 * (y * z + w * x),     0,
        2 * (x * z + w * y),     2 * (y * z - w * x),     1 - 2 * (x * x + y * y), 0,
        0,                       0,                       0,                       1,
    };
    std::copy(rows, rows + 16, m);
}
