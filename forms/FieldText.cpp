#include "forms/FieldText.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <langinfo.h>
#include <locale.h>
#include <string>

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

std::optional<float> ParseFieldNumber(std::string_view text, bool integer, char decimalPoint)
{
    std::string number(text);
    if (decimalPoint == ',')
        std::replace(number.begin(), number.end(), ',', '.');
    if (!IsNumberText(number))
        return std::nullopt;
    const float value = TextToFloat(number);
    if (!std::isfinite(value) || (integer && std::nearbyint(value) != value))
        return std::nullopt;
    return value;
}

char DesktopDecimalPoint()
{
    // The process's locale, when a wxLocale set it; else the desktop's own setting, which the
    // toolkit may have left unused.
    if (*std::localeconv()->decimal_point == ',')
        return ',';
    const locale_t desktop = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (!desktop)
        return '.';
    const char point = *nl_langinfo_l(RADIXCHAR, desktop) == ',' ? ',' : '.';
    freelocale(desktop);
    return point;
}

std::optional<float> ReadNumber(const wxTextCtrl& edit, bool integer)
{
    return ParseFieldNumber(edit.GetValue().utf8_string(), integer, DesktopDecimalPoint());
}

void FocusAndSelectAll(wxTextCtrl& edit)
{
    // Selecting scrolls the caret into view; moving the caret there would drop the selection.
    edit.SetFocus();
    edit.SelectAll();
}
