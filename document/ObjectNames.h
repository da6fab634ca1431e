#pragma once

#include <cstddef>

#include <wx/string.h>

class CSGNode;

// The words the editor uses for the level's objects, as a designer names them.

// The name of a kind of node (GetType) before translation: "Floor", "Wall", "Start position",
// an item's type ("Normal", "Extra life", ..., "Unknown item" for a number the game does not
// know), "Object" for any other kind.
const char* KindName(int type);

// What the undo history calls an object in its step names ("Move Wall", "Delete Item").
wxString ObjectName(const CSGNode& node);

// A picked object for the status bar: what it is and where, in level units written compactly:
// "Wall at (-2, -3), 8 × 1", "Item "Faster" at (1.5, 2.5)", "Start position at (0, 0)",
// "Floor, 20 × 16".
wxString DescribeObject(const CSGNode& node);

// The size of a wall being drawn, to two decimals: "New wall 5.00 × 1.00".
wxString NewWallStatus(double width, double depth);
// The size of a wall whose handle is dragged: "Wall 3.00 × 2.00".
wxString WallSizeStatus(double width, double depth);
// Which of several objects under one spot a click picked, counted from 0: "Wall 2 of 3 here".
wxString OneOfHereStatus(const CSGNode& node, std::size_t index, std::size_t count);
// Where a wall being drawn starts: "New wall from (3, 5)".
wxString NewWallStartStatus(double x, double z);

// A place in level units written compactly: "(-2, 3.5)".
wxString PlaceText(double x, double z);
