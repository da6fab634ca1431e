#pragma once

#include <wx/string.h>

class CSGNode;

// What the undo history calls an object in its step names ("Move Wall", "Delete Item").
wxString ObjectName(const CSGNode& node);
