#pragma once

#include <optional>
#include <string_view>

#include <wx/string.h>

class wxTextCtrl;

// Numbers shown in and read from the edits of the forms and dialogs. Both use '.' as the
// decimal point whatever the user's locale, like the level files; where the desktop writes
// numbers with a decimal comma, a typed comma is read as the point too.

// printf-style formatting of one number ("%i", "%4.2f", "%4.4f").
wxString FormatInt(int value);
wxString FormatFloat(const char* format, double value);

// The finite number that `text` is as a whole, white space around it aside, with '.' or
// `decimalPoint` as the decimal point; a whole number when `integer`. Nothing for anything else
// ("abc", "5x", "1,5,0", an empty text, "nan").
std::optional<float> ParseFieldNumber(std::string_view text, bool integer, char decimalPoint);

// The decimal point of the user's numbers (the process's or the desktop's LC_NUMERIC locale):
// '.' or ','.
char DesktopDecimalPoint();

// The edit's number as ParseFieldNumber reads it with the desktop's decimal point.
std::optional<float> ReadNumber(const wxTextCtrl& edit, bool integer);

// Gives the edit the focus and selects all its text, so that a rejected entry can be retyped.
void FocusAndSelectAll(wxTextCtrl& edit);
