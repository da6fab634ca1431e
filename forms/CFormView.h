#pragma once

#include <map>
#include <vector>

#include <wx/string.h>

#include "forms/FieldRules.h"
#include "framework/CView.h"

class wxKeyEvent;
class wxTextCtrl;

// A form pane whose number fields put what the user typed into the level as soon as the user
// is done with it: Enter applies the form's typed fields and gives the keyboard back to the
// edit view, Escape puts the shown values back and gives the keyboard back, and a field that
// the focus leaves is applied as well. What is still typed when a command runs is applied
// first (CommitPendingEdits); a refused text stops the command and stays to be mended.
class CFormView : public CView {
public:
    bool CommitPendingEdits() override;

protected:
    // Makes the edits `ids` of the pane window `form` its number fields, in the order they are read.
    void BindNumberFields(wxWindow& form, const std::vector<int>& ids);
    // Shows `text` in a number field, enabled or not; the field holds typed text while its
    // text differs from this.
    void ShowFieldText(int id, bool enabled, const wxString& text);
    // The number fields whose typed text is not applied yet, in the order they are read.
    std::vector<int> PendingFields() const;
    // Puts the text of the fields `ids` into the level as one step. A refused text is reported
    // as `refusal` says; with message boxes the accepted fields are stored all the same,
    // otherwise nothing is and the result is false.
    virtual bool ApplyFields(const std::vector<int>& ids, Refusal refusal) = 0;
    // The Apply button: every typed field at once, refusals in message boxes.
    void ApplyTypedFields();
    // The view keys act in the edit view again.
    void HandKeyboardBack();

private:
    bool ApplyPending(Refusal refusal);
    void OnFieldKey(int id, wxKeyEvent& event);
    wxTextCtrl& FieldEdit(int id) const;

    std::vector<int> m_fieldIds;
    std::map<int, wxString> m_shown;
    // A message box or a marked field moves the focus while fields are applied.
    bool m_applying = false;
};
