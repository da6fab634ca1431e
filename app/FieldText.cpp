#include "app/FieldText.h"


#include <wx/textctrl.h>

#include "scenegraph/NumberText.h"

wxString FormatInt(int value)
{
    return wxString::Format("%i", value);
}

wxString FormatFloat(const char* format, double value)
{
    return wxString::FromAscii(FormatCLocale(format, value).c_str());
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
