#include "views/RunDrawing.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <GL/gl.h>
#include <GL/glu.h>

#include "batching/BatchedWalk.h"
#include "batching/PreviewBatch.h"
#include "views/EditProjection.h"
#include "views/PreviewScene.h"

namespace {

constexpr double kFieldOfViewDeg = 45.0;
// Nearer than the preview's: the head's own eye sees the floor just ahead of it.
constexpr double kNear = 0.1;
constexpr double kFar = 300.0;
constexpr float kBodyHeight = 0.4f;
constexpr float kExtraItemSize = 0.25f;

// A box on the floor from a to b, `width` wide and `height` high, its sides lit.
void DrawBox(const PlayPoint& a, const PlayPoint& b, float width, float height)
{
    const float dx = b.x - a.x, dz = b.z - a.z;
    const float length = std::hypot(dx, dz);
    if (length <= 0.0f)
        return;
    // Half the width across the segment, and a little along it so that corners close.
    const float ax = dx / length * 0.5f * width, az = dz / length * 0.5f * width;
    const float nx = -az, nz = ax;
    const PlayPoint corners[4] = {{a.x - ax + nx, a.z - az + nz}, {b.x + ax + nx, b.z + az + nz},
                                  {b.x + ax - nx, b.z + az - nz}, {a.x - ax - nx, a.z - az - nz}};
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 1.0f, 0.0f);
    for (int i = 3; i >= 0; --i)
        glVertex3f(corners[i].x, height, corners[i].z);
    for (int i = 0; i < 4; ++i) {
        const PlayPoint& p = corners[i];
        const PlayPoint& q = corners[(i + 1) % 4];
        glNormal3f(q.z - p.z, 0.0f, p.x - q.x);
        glVertex3f(p.x, 0.0f, p.z);
        glVertex3f(p.x, height, p.z);
        glVertex3f(q.x, height, q.z);
        glVertex3f(q.x, 0.0f, q.z);
    }
    glEnd();
}

void DrawSnake(const SnakeState& snake)
{
    glDisable(GL_TEXTURE_2D);
    // The boxes' faces are not wound for culling.
    glDisable(GL_CULL_FACE);
    const std::vector<PlayPoint>& points = snake.body.Points();
    glColor3f(0.2f, 0.8f, 0.2f);
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawBox(points[i - 1], points[i], SnakeRules::kBodyWidth, kBodyHeight);
    // The head: a darker block at the front.
    const PlayPoint d = PlayField::Direction(snake.headingDeg);
    const PlayPoint head = snake.body.Head();
    glColor3f(0.05f, 0.45f, 0.05f);
    DrawBox({head.x - d.x * 0.3f, head.z - d.z * 0.3f}, head, SnakeRules::kBodyWidth * 1.1f, kBodyHeight * 1.2f);
    glColor3f(0.4f, 1.0f, 1.0f);
    for (const PlayPoint& item : snake.extraItems)
        DrawBox({item.x, item.z - kExtraItemSize}, {item.x, item.z + kExtraItemSize}, 2.0f * kExtraItemSize,
                2.0f * kExtraItemSize);
}

// The preview's batch, which passes over the nodes it is told are away.
class DriveBatch {
public:
    DriveBatch(MeshCache& meshes, std::vector<const CSGNode*> away) : m_batch(meshes), m_away(std::move(away))
    {
        std::sort(m_away.begin(), m_away.end());
    }
    bool Take(CSGNode& node, float t)
    {
        return std::binary_search(m_away.begin(), m_away.end(), &node) || m_batch.Take(node, t);
    }
    void Flush() { m_batch.Flush(); }

private:
    PreviewBatch m_batch;
    std::vector<const CSGNode*> m_away;
};

} // namespace

void DrawDriveFrame(const LookAt& look, float aspect, CSGGroup* root, float t, const SnakeState& snake,
                    const std::vector<const CSGNode*>& away, MeshCache& meshes)
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetupPreviewRenderingState();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfViewDeg, aspect, kNear, kFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(look.eye[0], look.eye[1], look.eye[2], look.centre[0], look.centre[1], look.centre[2], look.up[0],
              look.up[1], look.up[2]);
    if (root) {
        meshes.Rewind();
        {
            DriveBatch batch(meshes, away);
            DrawGroupThrough(*root, batch, t);
        }
        meshes.Finish();
    }
    DrawSnake(snake);
    glFlush();
}

void DrawRunTrace(const EditCamera& camera, const std::vector<TracePoint>& trace)
{
    if (trace.empty())
        return;
    const EditOverlay overlay(camera);
    glLineWidth(3.0f);
    const double end = trace.back().time > 0.0 ? trace.back().time : 1.0;
    glBegin(GL_LINE_STRIP);
    for (const TracePoint& point : trace) {
        if (point.startsLife) {
            glEnd();
            glBegin(GL_LINE_STRIP);
        }
        const auto late = static_cast<float>(point.time / end);
        glColor3f(late, 0.2f, 1.0f - late);
        glVertex3f(point.place.x, 0.0f, point.place.z);
    }
    glEnd();
}
