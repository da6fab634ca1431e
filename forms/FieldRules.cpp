#include "forms/FieldRules.h"

#include <limits>

#include <wx/textctrl.h>

#include "forms/DialogLayout.h"
#include "forms/FieldText.h"
#include "framework/CView.h"
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
    wxTextCtrl& edit = *FindControl<wxTextCtrl>(*m_form.GetWindow(), rule.editId);
    const std::optional<float> value = ReadNumber(edit, rule.integer);
    if (value && *value >= rule.min && *value <= rule.max)
        return value;
    m_refused = true;
    Report(rule, edit);
    return std::nullopt;
}

void FieldReader::Report(const FieldRule& rule, wxTextCtrl& edit)
{
    if (m_refusal == Refusal::MessageBox) {
        // Apply's own message: a field without one (an angle) is left as it was, unsaid.
        if (rule.message.empty())
            return;
        ShowMessageBox(wxGetTranslation(rule.message), wxString(), wxOK | wxICON_EXCLAMATION);
    } else {
        m_form.SetStatusText(rule.message.empty() ? wxString::Format(_("\"%s\" is not a number"), edit.GetValue())
                                                  : wxGetTranslation(rule.message));
        if (m_refusal == Refusal::Status)
            return;
    }
    FocusAndSelectAll(edit);
    m_lastRejected = &edit;
}

void FieldReader::ReselectRejected() const
{
    if (m_lastRejected)
        FocusAndSelectAll(*m_lastRejected);
}
