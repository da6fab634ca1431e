#pragma once

class CSGGroup;

// Draws a group as its Draw(FLAT_DRAW_TIME) would, pixel for pixel, with its
// walls and items gathered in a FlatBatch. Anything else is drawn directly,
// after the batch has drawn what came before it, so that the order of drawing
// stays the file's.
void DrawFlatLevel(CSGGroup& group);
