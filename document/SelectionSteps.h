#pragma once

#include <vector>

#include <wx/string.h>

class CLevelMapDoc;
class CSGNode;

// What acts on the whole selection as one step.

// A step's object name: "Wall" for one wall, "3 Walls" or "2 Items" for several of one kind,
// "3 Objects" for a mix.
wxString ObjectsName(const std::vector<CSGNode*>& nodes);
// The selected objects that move and turn: everything selected but the floor.
std::vector<CSGNode*> MovableSelection(const CLevelMapDoc& document);
// Moves the movable selection by (dx, dz) as one step ("Move Wall", "Move 3 Objects").
void MoveSelectionBy(CLevelMapDoc& document, float dx, float dz);
// Turns each selected wall and the start marker about its own centre by `degrees`, as one step.
// With a grid step `grid` (0: none) a wall that ends square to the level's axes shifts, by at
// most half a step, so that its bounds' corner lies on the grid.
void TurnSelection(CLevelMapDoc& document, float degrees, int grid);
