#pragma once

#include "level/BoxGeometry.h"

// How the edit view's flat drawing (t = -1) tells things apart: outlines over lighter fills,
// a colour and a sign per item type, and a selection in a colour of its own with wider lines,
// unlike the start marker's reds. The three-dimensional view shows the selection in the same
// colour: a tint of it on the object's own look, under outlines in it.

struct FlatColour {
    float r, g, b;
};

// The outline colour of an object in its own colour `own`: the selection colour when selected.
FlatColour FlatOutline(const FlatColour& own, bool selected);
// Makes FlatOutline current, with wider lines for the selection. The caller has pushed
// GL_CURRENT_BIT and GL_LINE_BIT.
void SetFlatOutline(const FlatColour& own, bool selected);
// A light tint of a colour, for a fill under an outline in that colour.
FlatColour Tint(const FlatColour& colour);
// The tint that a selected object's own look is modulated by in the three-dimensional view.
FlatColour SelectionTint();
// Polygons are filled while it lives; then the polygon modes it found are back. A fill and
// outlines drawn as lines inside one scope reach Mesa as one draw: a mode switch between fill
// and outline would make two, and each draw costs far more than its few vertices.
class PolygonFillScope {
public:
    PolygonFillScope();
    ~PolygonFillScope();
    PolygonFillScope(const PolygonFillScope&) = delete;
    PolygonFillScope& operator=(const PolygonFillScope&) = delete;

private:
    int m_modes[2];
};

// Fills the box's top face in `fill`, a hair below the top, so that the outline and anything
// drawn on the top face stay in front; then outlines the top face in `outline`, which stays
// current. Needs a PolygonFillScope.
void DrawFilledBox(const BoxExtent& box, const FlatColour& fill, const FlatColour& outline);
