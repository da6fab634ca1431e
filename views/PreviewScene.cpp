#include "views/PreviewScene.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <GL/gl.h>
#include <GL/glu.h>

#include "batching/BatchedWalk.h"
#include "batching/PreviewBatch.h"

namespace {

constexpr double kFieldOfViewDeg = 45.0;
constexpr double kNear = 0.5;
constexpr double kFar = 300.0;

// Zoom to Fit leaves this much of the floor's size free around it.
constexpr double kFitMargin = 1.1;
// Framing a small or far object zooms in no further than this.
constexpr double kMostFitZoom = 20.0;

// OpenGL reads matrices column by column; the rotation is kept row by row.
void MultRowMajor(const float* rows)
{
    float columns[16];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            columns[c * 4 + r] = rows[r * 4 + c];
    glMultMatrixf(columns);
}

void SetupLitRenderingState()
{
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_NORMALIZE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

} // namespace

void ViewPlanePoint(const PreviewCamera& camera, double ndcX, double ndcY, double out[2])
{
    const double tanY = std::tan(kFieldOfViewDeg * M_PI / 360.0);
    const double eye = camera.distance * std::sqrt(2.0);
    out[0] = ndcX * eye * tanY * camera.aspect;
    out[1] = ndcY * eye * tanY;
}

void EyeAxes(const PreviewCamera& camera, const double level[3], double out[3])
{
    double p[3] = {level[0], level[1], level[2]};
    if (const float* r = camera.rotation)
        for (int row = 0; row < 3; ++row)
            p[row] = r[4 * row] * level[0] + r[4 * row + 1] * level[1] + r[4 * row + 2] * level[2];
    // The eye looks from (0, d, d) at the origin with Y up.
    out[0] = p[0];
    out[1] = (p[1] - p[2]) / std::sqrt(2.0);
    out[2] = (p[1] + p[2]) / std::sqrt(2.0);
}

float BallFitZoom(const PreviewCamera& camera, const double centre[3], double radius)
{
    const double tanY = std::tan(kFieldOfViewDeg * M_PI / 360.0);
    const double halfAngle = std::atan(tanY * std::min(1.0, static_cast<double>(camera.aspect)));
    const double sine = std::sin(halfAngle);
    double axes[3];
    EyeAxes(camera, centre, axes);
    // Scaled by s the ball's centre lies D - s * ahead from the eye; it shows whole while
    // s * radius <= (D - s * ahead) * sin(half angle), in front of the near plane.
    const double eye = camera.distance * std::sqrt(2.0);
    const double denominator = radius * kFitMargin + axes[2] * sine;
    // Far behind the level's centre a ball may show whole at any zoom.
    double zoom = denominator > 0.0 ? std::min(kMostFitZoom, eye * sine / denominator) : kMostFitZoom;
    if (radius + axes[2] > 0.0)
        zoom = std::min(zoom, (eye - kNear) / (radius + axes[2]));
    return static_cast<float>(zoom);
}

float FloorFitZoom(const PreviewCamera& camera, float width, float depth)
{
    const double tanY = std::tan(kFieldOfViewDeg * M_PI / 360.0);
    const double tanX = tanY * camera.aspect;
    // The eye of ApplyPreviewCamera looks from (0, d, d) at the origin: its distance is D.
    const double eye = camera.distance * std::sqrt(2.0);
    double zoom = std::numeric_limits<double>::max();
    // A point q scaled by s lies inside the view while s * |q across| <= (D - s * q ahead) * tan,
    // on both axes, and in front of the near plane.
    const auto limit = [&zoom, eye](double across, double ahead, double tangent) {
        const double denominator = std::abs(across) + ahead * tangent;
        if (denominator > 0.0)
            zoom = std::min(zoom, eye * tangent / denominator);
        if (ahead > 0.0)
            zoom = std::min(zoom, (eye - kNear) / ahead);
    };
    for (const double x : {-0.5 * width, 0.5 * width})
        for (const double y : {-1.0, 0.0})
            for (const double z : {-0.5 * depth, 0.5 * depth}) {
                double p[3] = {x, y, z};
                if (camera.rotation) {
                    const float* r = camera.rotation;
                    p[0] = r[0] * x + r[1] * y + r[2] * z;
                    p[1] = r[4] * x + r[5] * y + r[6] * z;
                    p[2] = r[8] * x + r[9] * y + r[10] * z;
                }
                // The eye's axes: X across, (Y - Z) / sqrt 2 up, (Y + Z) / sqrt 2 towards it.
                const double up = (p[1] - p[2]) / std::sqrt(2.0);
                const double ahead = (p[1] + p[2]) / std::sqrt(2.0);
                limit(p[0], ahead, tanX);
                limit(up, ahead, tanY);
            }
    return static_cast<float>(zoom / kFitMargin);
}

void SetupPreviewRenderingState()
{
    SetupLitRenderingState();
    // Textured nodes switch texturing on for themselves. The image library's start switches
    // it on in the context that is current then, which would texture the first frame's
    // untextured nodes with whatever texture was bound last.
    glDisable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void ApplyPreviewCamera(const PreviewCamera& camera)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfViewDeg, camera.aspect, kNear, kFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Only a real shift: a translation changes how the matrix is kept, and so the rounding.
    if (camera.panX != 0.0f || camera.panY != 0.0f)
        glTranslatef(camera.panX, camera.panY, 0.0f);
    const double d = camera.distance;
    gluLookAt(0.0, d, d, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glScalef(camera.zoom, camera.zoom, camera.zoom);
    if (camera.rotation)
        MultRowMajor(camera.rotation);
}

void DrawPreviewFrame(const PreviewCamera& camera, CSGGroup* root, float t, MeshCache* meshes)
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetupPreviewRenderingState();
    ApplyPreviewCamera(camera);
    if (root) {
        MeshCache frameOnly;
        MeshCache& kept = meshes ? *meshes : frameOnly;
        kept.Rewind();
        {
            PreviewBatch batch(kept);
            DrawGroupThrough(*root, batch, t);
        }
        kept.Finish();
    }
    glFlush();
}
