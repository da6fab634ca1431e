#pragma once

// A rotation as a unit quaternion: axis times sin(angle/2) in x, y, z and cos(angle/2) in w.
struct Quaternion {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;
};

// Virtual trackball of the preview: a cursor drag turns the level as if the cursor rolled a ball
// of radius 0.8 (in the view's [-1, 1] square) lying under the screen. Toolkit-free.
class CTrackball {
public:
    static constexpr float RADIUS = 0.8f;

    // The view's client size; the current rotation becomes the identity.
    void Init(int width, int height);
    void Resize(int width, int height);
    // A rotation starts at client point (x, y).
    void Start(int x, int y);
    // The cursor moved to (x, y): turns the current rotation by the roll from the last position.
    void Motion(int x, int y);
    // Composes `increment` into the current rotation (counted for renormalisation).
    void Compose(const Quaternion& increment);
    // The current rotation as a 4x4 matrix, row by row, acting on column vectors.
    void BuildRotationMatrix(float matrix[16]) const;

    const Quaternion& Current() const { return m_current; }
    void SetCurrent(const Quaternion& q) { m_current = q; }
    bool IsMoving() const { return m_moving != 0; }

    // The roll between two client points, identity when they are equal.
    Quaternion IncrementBetween(int x1, int y1, int x2, int y2) const;

private:
    int m_width = 1;
    int m_height = 1;
    Quaternion m_current;
    Quaternion m_lastIncrement;
    int m_lastX = 0;
    int m_lastY = 0;
    int m_moving = 0;
};

// Compositions since the last renormalisation, shared by every trackball of the program: after
// 98 of them the current rotation of the trackball that made the 98th is renormalised.
int TrackballCompositionCount();
