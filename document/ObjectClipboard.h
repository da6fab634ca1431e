#pragma once

#include <optional>
#include <vector>

#include <wx/string.h>

#include "document/EditStates.h"

class CLevelMapDoc;
class CSGNode;

// Cut, Copy and Paste of walls and items through the system clipboard, as level file text.

// The selected walls and items, which the clipboard carries.
std::vector<CSGNode*> CopyableSelection(const CLevelMapDoc& document);
bool CanCopySelection(const CLevelMapDoc& document);
// Puts the selected walls and items on the clipboard; false when there are none or the
// clipboard cannot be opened.
bool CopySelection(const CLevelMapDoc& document);
// Copy, then Delete as one step of the history named "Cut ...".
bool CutSelection(CLevelMapDoc& document);
// Copies of the selected walls and items one grid step along +X and +Z, selected, as one step
// named "Duplicate ...".
bool DuplicateSelection(CLevelMapDoc& document, float gridStep);

// Where pasted objects go: the first one to the pointer (in whole grid steps from where it was
// copied while snapping is on), or one grid step beside the original without a pointer.
struct PastePlace {
    std::optional<ObjectPosition> pointer;
    float gridStep = 1.0f;
    bool snap = true;
};
// Adds the walls and items on the clipboard as one step and selects the last, placed from the
// first one pasted; objects that ReadObjectsText leaves out are not pasted. The status text
// says what went wrong or how many were left out (empty when everything was pasted).
wxString PasteObjects(CLevelMapDoc& document, const PastePlace& place);
