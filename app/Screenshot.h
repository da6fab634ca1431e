#pragma once

#include <wx/string.h>

class wxWindow;

// Saves what the screen shows of `window` (its frame included) as a PNG file. OpenGL panes
// appear as they were last drawn. False when the picture cannot be taken or written.
bool SaveWindowScreenshot(wxWindow& window, const wxString& path);
