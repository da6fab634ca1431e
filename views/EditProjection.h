#pragma once

#include <vector>

class CSGGroup;
struct MeasurePoint;

// The edit view's top-down camera and grid, free of the window toolkit. The view plane has
// u = level X to the right and v = -(level Z) upward; Z grows towards the bottom of the window.

struct EditCamera {
    float zoom = 0.05f;
    float copX = 0.0f; // centre of projection, u
    float copY = 0.0f; // centre of projection, v
    float aspect = 1.0f;
};

struct ViewRect {
    float umin, umax, vmin, vmax;
};

// The part of the view plane that the window shows: 2a/z wide and 2/z high around the centre.
ViewRect VisibleRect(const EditCamera& camera);

// Rounds to the nearest integer, halves away from zero.
double RoundHalfAway(double t);

// The grid rounding rules; g is the grid spacing.
// Corner snap (both corners of a new wall): the nearest grid corner, g * R(p / g); a point
// on a corner stays there.
double CornerSnap(double p, int g);
// Cell-centre snap (an inserted item): the centre of the grid cell that holds p.
double CellCentreSnap(double p, int g);
// Step snap (dragging): whole grid steps of the displacement since the drag began.
double StepSnap(double start, double displacement, int g);

// Moves the centre of projection so that the level follows a cursor move of (dx, dy) client
// pixels one to one in a client area of width x height pixels.
void PanCamera(EditCamera& camera, int dx, int dy, int width, int height);

// Sets the zoom, moving the centre of projection so that the level point under client pixel
// (x, y) of a width x height client area stays under it.
void ZoomAbout(EditCamera& camera, float zoom, int x, int y, int width, int height);
// Puts the level point (x, z) at the centre of the view.
inline void CentreOn(EditCamera& camera, float x, float z)
{
    camera.copX = x;
    camera.copY = -z;
}
// Centres the view on the level area of width x depth about (centreX, centreZ) and zooms so that
// all of it shows, with a small margin on the tighter side.
void FitArea(EditCamera& camera, float centreX, float centreZ, float width, float depth);
// Moves the centre of projection as little as brings the level area between (minX, minZ) and
// (maxX, maxZ), with `margin` units around it, into sight; the zoom stays. An area that the view
// cannot hold is centred instead.
void ScrollIntoView(EditCamera& camera, float minX, float minZ, float maxX, float maxZ, float margin);
// The same for the floor, which lies about the origin.
inline void FitFloor(EditCamera& camera, float width, float depth) { FitArea(camera, 0.0f, 0.0f, width, depth); }

// One side of a wall dragged out from corner `start` to corner `current`: never shorter than
// the grid spacing g; a shorter span extends g from the start towards the positive axis.
struct WallSpan {
    double size;
    double centre;
};
WallSpan SpanWall(double start, double current, int g);

// Grey level of the grid line at integer coordinate c: axes darkest, every fifth unit darker.
float GridLineGrey(int c);
// Spacing of the grid lines that are drawn: the grid spacing g, or when its lines would lie
// closer than a few pixels, the first of 5g, 10g, 50g, 100g, ... that keeps them apart, so
// a grid zoomed far out keeps distinct lines instead of a grey smear.
int GridDrawStep(int g, double pixelsPerUnit);

// Fixed drawing state of the edit view: outlines, flat shading, depth test, no culling.
void SetupEditRenderingState();
// Loads projection and modelview of the camera; the modelview leaves level coordinates current.
void ApplyEditCamera(const EditCamera& camera);

// Lines drawn over a finished edit view frame, in level coordinates: while it lives there is no
// depth test, texture or lighting; at its end the colour, enables and line state are put back
// and the drawing is flushed.
class EditOverlay {
public:
    explicit EditOverlay(const EditCamera& camera);
    ~EditOverlay();
    EditOverlay(const EditOverlay&) = delete;
    EditOverlay& operator=(const EditOverlay&) = delete;
};
// Draws the grid lines over the visible rectangle, thinned out for the viewport's height;
// writes no depth and restores every state and matrix it touches.
void DrawGrid(const EditCamera& camera, int gridSize);
// One whole frame of the edit view: white background, grid, then the level group flat. With
// `texturedTops` the floor's and the walls' images lie under the grid and the lines.
void DrawEditFrame(const EditCamera& camera, int gridSize, CSGGroup* levelGroup, bool texturedTops = false);
// The box selection's rubber band between two level points, over the frame; dashed when it
// takes what it touches.
void DrawRubberBand(const EditCamera& camera, float x0, float z0, float x1, float z1, bool dashed);

// The measuring tool's line between two level points, with a short bar across each end.
void DrawMeasureLine(const EditCamera& camera, float x0, float z0, float x1, float z1);

// A level object's outline drawn over the frame, thick: the object a dragged texture would go to.
void DrawHighlight(const EditCamera& camera, const std::vector<MeasurePoint>& corners);

struct LevelPoint {
    double x, y, z;
};
// Level coordinates under client pixel (x, y), y counted downward from the top, with the
// matrices that the current context's last frame left.
LevelPoint UnprojectPoint(int x, int y);
