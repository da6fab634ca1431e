#include "panels/CGameOutputPanel.h"

#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

CGameOutputPanel::CGameOutputPanel(wxWindow* parent) : wxPanel(parent)
{
    m_text = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                            wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
    m_text->SetFont(wxSystemSettings::GetFont(wxSYS_ANSI_FIXED_FONT));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_text, 1, wxEXPAND);
    SetSizer(sizer);
}

void CGameOutputPanel::Append(const wxString& text)
{
    m_text->AppendText(text);
}

wxString CGameOutputPanel::Text() const
{
    return m_text->GetValue();
}
