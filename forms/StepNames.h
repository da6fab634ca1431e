#pragma once

#include <vector>

#include <wx/string.h>

// What the undo history calls a step that sets fields of a form, so that the menu says what
// changed: "Set Width of 3 Walls", "Move 2 Items" (only the place changed), "Set Properties of
// Wall" (several fields), and for the level itself "Set Turning Angle", "Set Level Properties".
// `names` are the changed fields' names before translation; `moves` says they are all places;
// `objects` names what changed ("Wall", "3 Walls"), empty for the level.
wxString FieldStepName(const std::vector<const char*>& names, bool moves, const wxString& objects);
