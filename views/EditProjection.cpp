#include "views/EditProjection.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <GL/gl.h>
#include <GL/glu.h>

#include "batching/FlatLevel.h"
#include "views/MeasureFigures.h"
#include "batching/TexturedTops.h"

namespace {

// Depth range of the edit camera: the level lies well inside it.
constexpr double kDepthRange = 100.0;

constexpr float kGreyPlain = 0.7f;
constexpr float kGreyFifth = 0.55f;
constexpr float kGreyAxis = 0.3f;

// Zoom to Fit leaves this much of the floor's size free around it (a twentieth a side).
constexpr float kFitMargin = 1.1f;

// Grid lines closer than this many pixels are thinned out.
constexpr double kMinGridLineGap = 4.0;

void GridColour(int c)
{
    const float grey = GridLineGrey(c);
    glColor3f(grey, grey, grey);
}

// How far a view from `low` to `high` moves to show the span from `from` to `to`: not at all when
// it shows it already, to its nearer edge when it can hold it, else to its middle.
float ScrollShift(float low, float high, float from, float to)
{
    if (to - from > high - low)
        return 0.5f * ((from + to) - (low + high));
    if (from < low)
        return from - low;
    return to > high ? to - high : 0.0f;
}

// First grid index at or above the lower edge `low` (an edge on a line may start one below).
int FirstGridIndex(float low, int g) { return static_cast<int>(RoundHalfAway((low + g / 2.0) / g)); }

} // namespace

ViewRect VisibleRect(const EditCamera& camera)
{
    const float halfWidth = camera.aspect / camera.zoom;
    const float halfHeight = 1.0f / camera.zoom;
    return {camera.copX - halfWidth, camera.copX + halfWidth, camera.copY - halfHeight, camera.copY + halfHeight};
}

double RoundHalfAway(double t) { return t > 0 ? std::trunc(t + 0.5) : std::trunc(t - 0.5); }

double CornerSnap(double p, int g) { return g * RoundHalfAway(p / g); }

double CellCentreSnap(double p, int g)
{
    const double cell = g * std::trunc(p / g);
    return p >= 0 ? cell + g / 2.0 : cell - g / 2.0;
}

double StepSnap(double start, double displacement, int g) { return start + g * std::trunc(displacement / g); }

void PanCamera(EditCamera& camera, int dx, int dy, int width, int height)
{
    // A collapsed pane gets no mouse moves, but must not divide by zero either.
    width = std::max(width, 1);
    height = std::max(height, 1);
    camera.copX = camera.copX - ((dx * camera.aspect * 2) / width) / camera.zoom;
    camera.copY = ((dy * 2.0f) / height) / camera.zoom + camera.copY;
}

void ZoomAbout(EditCamera& camera, float zoom, int x, int y, int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    // The pixel's place in [-1, 1], counted as the unprojection counts it.
    const double nx = 2.0 * x / width - 1.0;
    const double ny = 2.0 * (height - y - 1) / height - 1.0;
    // The view-plane point under it is cop + n * (aspect, 1) / zoom, before and after.
    const double shift = 1.0 / camera.zoom - 1.0 / zoom;
    camera.copX = static_cast<float>(camera.copX + nx * camera.aspect * shift);
    camera.copY = static_cast<float>(camera.copY + ny * shift);
    camera.zoom = zoom;
}

void FitArea(EditCamera& camera, float centreX, float centreZ, float width, float depth)
{
    // The window shows 2a/z by 2/z units.
    const float across = std::max(width, 1.0f) * kFitMargin;
    const float down = std::max(depth, 1.0f) * kFitMargin;
    CentreOn(camera, centreX, centreZ);
    camera.zoom = std::min(2.0f * camera.aspect / across, 2.0f / down);
}

void ScrollIntoView(EditCamera& camera, float minX, float minZ, float maxX, float maxZ, float margin)
{
    const ViewRect view = VisibleRect(camera);
    // The view plane's v is -Z.
    camera.copX += ScrollShift(view.umin, view.umax, minX - margin, maxX + margin);
    camera.copY += ScrollShift(view.vmin, view.vmax, -maxZ - margin, -minZ + margin);
}

WallSpan SpanWall(double start, double current, int g)
{
    const double span = std::abs(current - start);
    if (span < g)
        return {static_cast<double>(g), start + g / 2.0};
    return {span, (current + start) / 2.0};
}

float GridLineGrey(int c)
{
    if (c % 5 != 0)
        return kGreyPlain;
    return c == 0 ? kGreyAxis : kGreyFifth;
}

int GridDrawStep(int g, double pixelsPerUnit)
{
    if (!(pixelsPerUnit > 0.0))
        return g;
    int step = g;
    // 1, 5, 10, 50, 100, ... times g: every line drawn stays a line of the grid, and the
    // emphasised lines (multiples of 5) are the last to go.
    for (int factor = 5; step * pixelsPerUnit < kMinGridLineGap; factor = factor == 5 ? 2 : 5)
        step *= factor;
    return step;
}

void SetupEditRenderingState()
{
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_FLAT);
    // Outlines only, whatever the image library's start switched on in this context. The
    // batched walls and items are unlit by construction.
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
}

void ApplyEditCamera(const EditCamera& camera)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-camera.aspect, camera.aspect, -1.0, 1.0, -kDepthRange, kDepthRange);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScalef(camera.zoom, camera.zoom, 1.0f);
    glTranslatef(-camera.copX, -camera.copY, 0.0f);
    // Level Y up becomes the depth towards the viewer; level Z becomes -v.
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
}

void DrawGrid(const EditCamera& camera, int gridSize)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    // The window height spans 2/z units.
    const int g = GridDrawStep(gridSize, viewport[3] * camera.zoom / 2.0);
    const ViewRect rect = VisibleRect(camera);
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT);
    glDisable(GL_DEPTH_TEST);
    glColor3f(kGreyPlain, kGreyPlain, kGreyPlain);

    // The grid lies in the view plane itself, without the level's rotation.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-camera.aspect, camera.aspect, -1.0, 1.0, 1.0, -1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glScalef(camera.zoom, camera.zoom, camera.zoom);
    glTranslatef(-camera.copX, -camera.copY, 0.0f);

    glBegin(GL_LINES);
    for (int v = FirstGridIndex(rect.vmin, g) * g; v <= rect.vmax; v += g) {
        GridColour(v);
        glVertex2f(rect.umin, static_cast<float>(v));
        glVertex2f(rect.umax, static_cast<float>(v));
    }
    for (int u = FirstGridIndex(rect.umin, g) * g; u <= rect.umax; u += g) {
        GridColour(u);
        glVertex2f(static_cast<float>(u), rect.vmin);
        glVertex2f(static_cast<float>(u), rect.vmax);
    }
    glEnd();

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glPopAttrib();
}

void DrawEditFrame(const EditCamera& camera, int gridSize, CSGGroup* levelGroup, bool texturedTops)
{
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetupEditRenderingState();
    ApplyEditCamera(camera);
    const bool textured = texturedTops && levelGroup;
    if (textured)
        DrawTexturedTops(*levelGroup, TexturedTops::Floor);
    DrawGrid(camera, gridSize);
    if (textured)
        DrawTexturedTops(*levelGroup, TexturedTops::Walls);
    if (levelGroup)
        DrawFlatLevel(*levelGroup);
    glFlush();
}

EditOverlay::EditOverlay(const EditCamera& camera)
{
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_LINE_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    ApplyEditCamera(camera);
}

EditOverlay::~EditOverlay()
{
    glPopAttrib();
    glFlush();
}

void DrawRubberBand(const EditCamera& camera, float x0, float z0, float x1, float z1, bool dashed)
{
    const EditOverlay overlay(camera);
    if (dashed) {
        glEnable(GL_LINE_STIPPLE);
        glLineStipple(1, 0xF0F0);
    }
    glColor3f(0.0f, 0.0f, 1.0f);
    glLineWidth(1.0f);
    glBegin(GL_LINE_LOOP);
    glVertex3f(x0, 0.0f, z0);
    glVertex3f(x1, 0.0f, z0);
    glVertex3f(x1, 0.0f, z1);
    glVertex3f(x0, 0.0f, z1);
    glEnd();
}

void DrawMeasureLine(const EditCamera& camera, float x0, float z0, float x1, float z1)
{
    const EditOverlay overlay(camera);
    glColor3f(0.85f, 0.35f, 0.0f);
    glLineWidth(2.0f);
    // The end bars are a few pixels long whatever the zoom: the viewport is 2/z units high.
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const float bar = 6.0f * 2.0f / (camera.zoom * static_cast<float>(std::max(viewport[3], 1)));
    const float length = std::hypot(x1 - x0, z1 - z0);
    const float acrossX = length > 0.0f ? -(z1 - z0) / length * bar : 0.0f;
    const float acrossZ = length > 0.0f ? (x1 - x0) / length * bar : bar;
    glBegin(GL_LINES);
    glVertex3f(x0, 0.0f, z0);
    glVertex3f(x1, 0.0f, z1);
    for (const auto& [x, z] : {std::pair{x0, z0}, std::pair{x1, z1}}) {
        glVertex3f(x - acrossX, 0.0f, z - acrossZ);
        glVertex3f(x + acrossX, 0.0f, z + acrossZ);
    }
    glEnd();
}

void DrawHighlight(const EditCamera& camera, const std::vector<MeasurePoint>& corners)
{
    const EditOverlay overlay(camera);
    glColor3f(0.0f, 0.65f, 0.2f);
    glLineWidth(3.0f);
    glBegin(GL_LINE_LOOP);
    for (const MeasurePoint& corner : corners)
        glVertex3d(corner.x, 0.0, corner.z);
    glEnd();
}

LevelPoint UnprojectPoint(int x, int y)
{
    GLint viewport[4];
    GLdouble modelview[16];
    GLdouble projection[16];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    LevelPoint point{0.0, 0.0, 0.0};
    gluUnProject(x, viewport[3] - y - 1, 0.0, modelview, projection, viewport, &point.x, &point.y, &point.z);
    return point;
}
