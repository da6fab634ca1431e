#include "forms/InspectorPane.h"

#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/statline.h>

#include "forms/DialogLayout.h"
#include "forms/InspectorColumn.h"

namespace {

constexpr int SCROLL_STEP = 8; // pixels per scroll unit

} // namespace

InspectorPane::InspectorPane(wxWindow* parent, const DialogTemplate& dialog)
    : wxPanel(parent, wxID_ANY)
{
    SetDialogFont(*this);
    m_body = new wxScrolledWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxVSCROLL);
    m_foot = new wxPanel(this, wxID_ANY);
    BuildColumn(*m_body, *m_foot, dialog);
    // Up and down only: the column takes the panel's width.
    m_body->SetScrollRate(0, SCROLL_STEP);
    m_body->FitInside();
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_body, 1, wxEXPAND);
    sizer->Add(new wxStaticLine(this), 0, wxEXPAND);
    sizer->Add(m_foot, 0, wxEXPAND);
    SetSizer(sizer);
    BindDialogKeys(*this, dialog);
}
