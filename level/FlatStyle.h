#pragma once

#include "level/BoxGeometry.h"

// How the edit view's flat drawing (t = -1) tells things apart: outlines over lighter fills,
// a colour and a sign per item type, and a selection in a colour of its own with wider lines,
// unlike the start marker's reds. The three-dimensional drawing uses none of this.

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
// Fills the box's top face in `fill`, a hair below the top, so that the outline and anything
// drawn on the top face stay in front; restores what it changes.
void FillBoxTop(const BoxExtent& box, const FlatColour& fill);
