#pragma once

#include <optional>

#include <wx/string.h>

#include "document/EditStates.h"

class CLevelMapDoc;

// Cut, Copy and Paste of walls and items through the system clipboard, as level file text.

// Whether the selection can go to the clipboard: a wall or an item.
bool CanCopySelection(const CLevelMapDoc& document);
// Puts the selected wall or item on the clipboard; false when there is none or the clipboard
// cannot be opened.
bool CopySelection(const CLevelMapDoc& document);
// Copy, then Delete as one step of the history named "Cut ...".
bool CutSelection(CLevelMapDoc& document);

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
