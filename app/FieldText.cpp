#include "app/FieldText.h"

#include <cstdio>

#include <wx/textctrl.h>

#include "scenegraph/NumberText.h"

wxString FormatInt(int value)
{
    return wxString::Format("%i", value);
}

wxString FormatFloat(const char* format, double value)
{
    ScopedCLocale cLocale;
    char text[512]; // room for any double in "%f"
    std::snprintf(text, sizeof text, format, value);
    return wxString::FromAscii(text);
}

int ReadInt(const wxTextCtrl& edit)
{
    return TextToInt(edit.GetValue().ToStdString());
}

float ReadFloat(const wxTextCtrl& edit)
{
    return TextToFloat(edit.GetValue().ToStdString());
}

void FocusAndSelectAll(wxTextCtrl& edit)
{
    // Selecting scrolls the caret into view; moving the caret there would drop the selection.
    edit.SetFocus();
    edit.SelectAll();
}
