#include "views/PreviewNavigation.h"

#include <algorithm>
#include <cmath>

void PreviewNavigation::Resize(int width, int height)
{
    m_width = std::max(width, 1);
    m_height = std::max(height, 1);
    m_trackball.Resize(width, height);
}

namespace {

double EyeDistance(const PreviewCamera& camera)
{
    return camera.distance * std::sqrt(2.0);
}

} // namespace

void PreviewNavigation::BeginTurn(int x, int y)
{
    m_trackball.Start(x, y);
}

void PreviewNavigation::Turn(int x, int y)
{
    m_trackball.Motion(x, y);
    m_trackball.BuildRotationMatrix(m_rotation);
}

void PreviewNavigation::BeginPan(int x, int y)
{
    m_lastX = x;
    m_lastY = y;
}

void PreviewNavigation::PlanePoint(const PreviewCamera& camera, int x, int y, double out[2]) const
{
    // Pixel centres, as the viewport maps them.
    const double ndcX = 2.0 * (x + 0.5) / m_width - 1.0;
    const double ndcY = 1.0 - 2.0 * (y + 0.5) / m_height;
    ViewPlanePoint(camera, ndcX, ndcY, out);
}

void PreviewNavigation::Pan(const PreviewCamera& camera, int x, int y)
{
    double from[2];
    double to[2];
    PlanePoint(camera, m_lastX, m_lastY, from);
    PlanePoint(camera, x, y, to);
    m_panX += static_cast<float>(to[0] - from[0]);
    m_panY += static_cast<float>(to[1] - from[1]);
    m_lastX = x;
    m_lastY = y;
}

bool PreviewNavigation::FloorPointUnder(const PreviewCamera& camera, const double slope[2], double point[3]) const
{
    // The level point (x, 0, z) shows where its eye coordinates across and up are `slope` times
    // its distance ahead: two equations, linear in x and z.
    const double unitX[3] = {1.0, 0.0, 0.0};
    const double unitZ[3] = {0.0, 0.0, 1.0};
    double ax[3];
    double az[3];
    EyeAxes(camera, unitX, ax);
    EyeAxes(camera, unitZ, az);
    const double eye = EyeDistance(camera);
    const double pan[2] = {camera.panX, camera.panY};
    double m[2][2];
    double rhs[2];
    for (int i = 0; i < 2; ++i) {
        m[i][0] = camera.zoom * (ax[i] + slope[i] * ax[2]);
        m[i][1] = camera.zoom * (az[i] + slope[i] * az[2]);
        rhs[i] = slope[i] * eye - pan[i];
    }
    const double det = m[0][0] * m[1][1] - m[0][1] * m[1][0];
    if (std::abs(det) < 1e-9)
        return false;
    point[0] = (rhs[0] * m[1][1] - m[0][1] * rhs[1]) / det;
    point[1] = 0.0;
    point[2] = (m[0][0] * rhs[1] - rhs[0] * m[1][0]) / det;
    double axes[3];
    EyeAxes(camera, point, axes);
    // Behind the eye the floor's plane is not what the pointer shows.
    return eye - camera.zoom * axes[2] > 0.0;
}

void PreviewNavigation::ZoomToward(const PreviewCamera& camera, float zoom, int x, int y)
{
    const PreviewCamera current = Applied(camera);
    if (!(current.zoom > 0.0f))
        return;
    const double eye = EyeDistance(current);
    double slope[2];
    PlanePoint(current, x, y, slope);
    slope[0] /= eye;
    slope[1] /= eye;
    // The point kept under the pointer: the floor's plane there, or else the plane through the
    // level's centre that faces the eye.
    double axes[3] = {(slope[0] * eye - m_panX) / current.zoom, (slope[1] * eye - m_panY) / current.zoom, 0.0};
    double floorPoint[3];
    if (FloorPointUnder(current, slope, floorPoint))
        EyeAxes(current, floorPoint, axes);
    // Zoomed, the point lies at pan + zoom * axes across and up, D - zoom * ahead away.
    m_panX = static_cast<float>(slope[0] * (eye - zoom * axes[2]) - zoom * axes[0]);
    m_panY = static_cast<float>(slope[1] * (eye - zoom * axes[2]) - zoom * axes[1]);
}

float PreviewNavigation::Frame(const PreviewCamera& camera, const double centre[3], double radius)
{
    PreviewCamera turned = Applied(camera);
    const float zoom = BallFitZoom(turned, centre, radius);
    if (zoom <= 0.0f)
        return camera.zoom;
    double axes[3];
    EyeAxes(turned, centre, axes);
    m_panX = static_cast<float>(-zoom * axes[0]);
    m_panY = static_cast<float>(-zoom * axes[1]);
    return zoom;
}

void PreviewNavigation::Reset(bool keepTurn)
{
    m_panX = m_panY = 0.0f;
    if (keepTurn)
        return;
    m_trackball.Init(m_width, m_height);
    m_trackball.BuildRotationMatrix(m_rotation);
}

PreviewCamera PreviewNavigation::Applied(PreviewCamera camera) const
{
    camera.rotation = m_rotation;
    camera.panX = m_panX;
    camera.panY = m_panY;
    return camera;
}
