#pragma once

#include <wx/panel.h>

class wxTextCtrl;

// The "Game Output" panel, docked below the panes: what the launched game writes, its exit
// status, and why it could not be started.
class CGameOutputPanel : public wxPanel {
public:
    explicit CGameOutputPanel(wxWindow* parent);

    // Adds `text` at the end and scrolls to it.
    void Append(const wxString& text);
    wxString Text() const;

private:
    wxTextCtrl* m_text = nullptr;
};
