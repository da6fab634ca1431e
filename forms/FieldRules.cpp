#include "forms/FieldRules.h"

#include <limits>

#include <wx/textctrl.h>

#include "forms/DialogLayout.h"
#include "forms/FieldText.h"
#include "framework/MessageBox.h"

FieldRule AnyNumber(int editId)
{
    const float infinity = std::numeric_limits<float>::infinity();
    return {editId, false, -infinity, infinity, wxString()};
}

FieldRule RangeRule(int editId, const SettingRange& range, const wxString& message)
{
    return {editId, range.integer, range.min, range.max, message};
}

std::optional<float> FieldReader::Read(const FieldRule& rule)
{
    wxTextCtrl& edit = *FindControl<wxTextCtrl>(m_form, rule.editId);
    const std::optional<float> value = ReadNumber(edit, rule.integer);
    if (value && *value >= rule.min && *value <= rule.max)
        return value;
    if (!rule.message.empty()) {
        ShowMessageBox(wxGetTranslation(rule.message), wxString(), wxOK | wxICON_EXCLAMATION);
        FocusAndSelectAll(edit);
        m_lastRejected = &edit;
    }
    return std::nullopt;
}

void FieldReader::ReselectRejected() const
{
    if (m_lastRejected)
        FocusAndSelectAll(*m_lastRejected);
}
