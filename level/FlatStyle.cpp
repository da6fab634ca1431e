#include "level/FlatStyle.h"

#include <GL/gl.h>

#include "batching/FlatBatch.h"

namespace {

// Blue: no object's own colour, and far from the start marker's reds.
constexpr FlatColour kSelection = {0.15f, 0.35f, 1.0f};
constexpr float kSelectionLineWidth = 2.5f;
// How far below the top face a fill lies: some 800 steps of a 24-bit depth buffer over the
// edit view's depth range of 200 units. A polygon offset of a step or two did not keep the
// outlines in front in a window.
constexpr float kFillDepth = 0.01f;
// A tint is its colour this far on the way to white.
constexpr float kTintLightening = 0.5f;

float Lighter(float c) { return c + (1.0f - c) * kTintLightening; }

} // namespace

FlatColour FlatOutline(const FlatColour& own, bool selected)
{
    return selected ? kSelection : own;
}

void SetFlatOutline(const FlatColour& own, bool selected)
{
    const FlatColour outline = FlatOutline(own, selected);
    glColor3f(outline.r, outline.g, outline.b);
    if (selected)
        glLineWidth(kSelectionLineWidth);
}

FlatColour Tint(const FlatColour& colour)
{
    return {Lighter(colour.r), Lighter(colour.g), Lighter(colour.b)};
}

FlatColour SelectionTint()
{
    return Tint(kSelection);
}

PolygonFillScope::PolygonFillScope()
{
    glGetIntegerv(GL_POLYGON_MODE, m_modes);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

PolygonFillScope::~PolygonFillScope()
{
    glPolygonMode(GL_FRONT, m_modes[0]);
    glPolygonMode(GL_BACK, m_modes[1]);
}

void DrawFilledBox(const BoxExtent& box, const FlatColour& fill, const FlatColour& outline)
{
    glColor3f(fill.r, fill.g, fill.b);
    const float y = box.topY - kFillDepth;
    FlatBegin(GL_QUADS);
    FlatVertex(-box.halfX, y, box.halfZ);
    FlatVertex(box.halfX, y, box.halfZ);
    FlatVertex(box.halfX, y, -box.halfZ);
    FlatVertex(-box.halfX, y, -box.halfZ);
    FlatEnd();
    glColor3f(outline.r, outline.g, outline.b);
    // The edit view looks straight down: of the outline only the top face's edges show (the
    // side edges end there, the bottom ones lie under them), a fifth of the lines.
    OutlineTopFace(box);
}
