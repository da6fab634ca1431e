#include "app/FieldRules.h"

#include <cmath>
#include <limits>

#include <wx/textctrl.h>

#include "app/DialogLayout.h"
#include "app/FieldText.h"
#include "framework/MessageBox.h"

std::optional<float> ReadField(const wxWindow& form, const FieldRule& rule)
{
    wxTextCtrl& edit = *FindControl<wxTextCtrl>(form, rule.editId);
    const float value = rule.integer ? static_cast<float>(ReadInt(edit)) : ReadFloat(edit);
    if (std::isfinite(value) && value >= rule.min && value <= rule.max)
        return value;
    if (!rule.message.empty()) {
        ShowMessageBox(rule.message, wxString(), wxOK | wxICON_EXCLAMATION);
        FocusAndSelectAll(edit);
    }
    return std::nullopt;
}

FieldRule AnyNumber(int editId)
{
    const float infinity = std::numeric_limits<float>::infinity();
    return {editId, false, -infinity, infinity, wxString()};
}
