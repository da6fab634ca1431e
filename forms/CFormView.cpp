#include "forms/CFormView.h"

#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include "forms/DialogLayout.h"
#include "framework/CDocument.h"

wxTextCtrl& CFormView::FieldEdit(int id) const
{
    return *FindControl<wxTextCtrl>(*GetWindow(), id);
}

void CFormView::BindNumberFields(wxWindow& form, const std::vector<int>& ids)
{
    m_fieldIds = ids;
    for (int id : ids) {
        wxTextCtrl& edit = *FindControl<wxTextCtrl>(form, id);
        // Bound on the edit itself, so that Enter no longer reaches the form's default button.
        edit.Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
            if (ApplyPending(Refusal::StatusAndMark))
                HandKeyboardBack();
        });
        edit.Bind(wxEVT_KEY_DOWN, [this, id](wxKeyEvent& event) { OnFieldKey(id, event); });
        edit.Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
            event.Skip();
            // A closing window takes the focus along; the close applied what it could.
            if (!wxGetTopLevelParent(GetWindow())->IsBeingDeleted())
                ApplyPending(Refusal::Status);
        });
    }
}

void CFormView::OnFieldKey(int id, wxKeyEvent& event)
{
    if (event.GetKeyCode() != WXK_ESCAPE || event.HasAnyModifiers()) {
        event.Skip();
        return;
    }
    FieldEdit(id).ChangeValue(m_shown[id]);
    HandKeyboardBack();
}

void CFormView::ShowFieldText(int id, bool enabled, const wxString& text)
{
    wxTextCtrl& edit = FieldEdit(id);
    m_shown[id] = enabled ? text : wxString();
    edit.Enable(enabled);
    edit.ChangeValue(m_shown[id]);
}

std::vector<int> CFormView::PendingFields() const
{
    std::vector<int> pending;
    for (int id : m_fieldIds) {
        const wxTextCtrl& edit = FieldEdit(id);
        const auto shown = m_shown.find(id);
        if (edit.IsEnabled() && (shown == m_shown.end() || edit.GetValue() != shown->second))
            pending.push_back(id);
    }
    return pending;
}

bool CFormView::ApplyPending(Refusal refusal)
{
    if (m_applying)
        return true;
    const std::vector<int> pending = PendingFields();
    if (pending.empty())
        return true;
    m_applying = true;
    const bool applied = ApplyFields(pending, refusal);
    m_applying = false;
    return applied;
}

bool CFormView::CommitPendingEdits()
{
    return ApplyPending(Refusal::StatusAndMark);
}

void CFormView::ApplyTypedFields()
{
    if (m_applying)
        return;
    m_applying = true;
    ApplyFields(PendingFields(), Refusal::MessageBox);
    m_applying = false;
}

void CFormView::HandKeyboardBack()
{
    if (CDocument* document = GetDocument())
        for (CView* view : document->GetViewList())
            if (view->TakeKeyboard())
                return;
}
