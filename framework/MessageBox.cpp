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

} // namespace

int ShowMessageBox(const wxString& text, const wxString& caption, long style)
{
    MessageBoxRequest request{text, caption, style};
    if (request.caption.empty())
        request.caption = wxTheApp ? wxTheApp->GetAppDisplayName() : wxString("Trelkan");
    if ((request.style & (wxOK | wxYES_NO | wxCANCEL)) == 0)
        request.style |= wxOK;
    if (CurrentHook())
        return CurrentHook()(request);
    wxWindow* parent = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
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
