#include "framework/MessageBox.h"

#include <utility>

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace {

MessageBoxHook& CurrentHook()
{
    static MessageBoxHook hook;
    return hook;
}

// The toolkit's own message box cannot relabel its buttons; its dialog can.
int ShowLabelledBox(const MessageBoxRequest& request, wxWindow* parent)
{
    wxMessageDialog dialog(parent, request.text, request.caption, request.style);
    const std::vector<wxString>& labels = request.labels;
    if (labels.size() == 3)
        dialog.SetYesNoCancelLabels(labels[0], labels[1], labels[2]);
    else if (labels.size() == 2)
        dialog.SetYesNoLabels(labels[0], labels[1]);
    switch (dialog.ShowModal()) {
    case wxID_YES:
        return wxYES;
    case wxID_NO:
        return wxNO;
    case wxID_OK:
        return wxOK;
    default:
        return wxCANCEL;
    }
}

} // namespace

int ShowMessageBox(const wxString& text, const wxString& caption, long style, const std::vector<wxString>& labels)
{
    MessageBoxRequest request{text, caption, style, labels};
    if (request.caption.empty())
        request.caption = wxTheApp ? wxTheApp->GetAppDisplayName() : wxString("Trelkan");
    if ((request.style & (wxOK | wxYES_NO | wxCANCEL)) == 0)
        request.style |= wxOK;
    if (CurrentHook())
        return CurrentHook()(request);
    wxWindow* parent = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
    if (!request.labels.empty())
        return ShowLabelledBox(request, parent);
    return wxMessageBox(request.text, request.caption, request.style, parent);
}

void ShowFileErrorBox(const wxString& path, const wxString& failure, const wxString& reason)
{
    ShowMessageBox(wxString::Format(_("\"%s\" %s: %s."), path, failure, reason), wxString(), wxOK | wxICON_EXCLAMATION);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    return std::exchange(CurrentHook(), std::move(hook));
}
