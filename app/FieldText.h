#pragma once

#include <wx/string.h>

class wxTextCtrl;

// Numbers shown in and read from the edits of the forms and dialogs. Both use '.' as the
// decimal point whatever the user's locale, like the level files.

// printf-style formatting of one number ("%i", "%4.2f", "%4.4f").
wxString FormatInt(int value);
wxString FormatFloat(const char* format, double value);

// atoi and atof rules: the leading number of the edit's text, 0 when there is none.
int ReadInt(const wxTextCtrl& edit);
float ReadFloat(const wxTextCtrl& edit);

// Gives the edit the focus and selects all its text, so that a rejected entry can be retyped.
void FocusAndSelectAll(wxTextCtrl& edit);
