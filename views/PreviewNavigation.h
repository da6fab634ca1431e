#pragma once

#include "views/CTrackball.h"
#include "views/PreviewScene.h"

// How the preview's camera follows the mouse and the keys, free of the window toolkit: a
// trackball turn about the level's centre, a pan that keeps the level under the pointer, a
// zoom toward the pointer, framing a ball and going back to the first view. Window points are
// physical pixels from the top left.
class PreviewNavigation {
public:
    // The view's client size.
    void Resize(int width, int height);

    void BeginTurn(int x, int y);
    void Turn(int x, int y);
    void BeginPan(int x, int y);
    // Moves the picture with the pointer; `camera` is the one the last frame drew.
    void Pan(const PreviewCamera& camera, int x, int y);
    // The camera's zoom becomes `zoom` with the point of the floor's plane under (x, y) kept
    // there.
    void ZoomToward(const PreviewCamera& camera, float zoom, int x, int y);
    // Centres the level point `centre` and returns the zoom at which a ball of `radius` about it
    // shows whole (the camera's own zoom when none does).
    float Frame(const PreviewCamera& camera, const double centre[3], double radius);
    // The pan goes; the turn too unless `keepTurn`.
    void Reset(bool keepTurn);

    // The camera's turn and pan on top of `camera`.
    PreviewCamera Applied(PreviewCamera camera) const;
    // Rotation applied to the level, row by row, acting on column vectors.
    const float* Rotation() const { return m_rotation; }
    float* Rotation() { return m_rotation; }

private:
    // The window point on the plane through the level's centre.
    void PlanePoint(const PreviewCamera& camera, int x, int y, double out[2]) const;
    // The point of the floor's top plane (Y = 0) seen in the direction `slope` (across and up
    // over ahead, in eye space); false when that plane is not in front of the eye there.
    bool FloorPointUnder(const PreviewCamera& camera, const double slope[2], double point[3]) const;

    CTrackball m_trackball;
    float m_rotation[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float m_panX = 0.0f;
    float m_panY = 0.0f;
    int m_width = 1;
    int m_height = 1;
    int m_lastX = 0;
    int m_lastY = 0;
};
