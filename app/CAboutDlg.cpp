#include "app/CAboutDlg.h"

#include <wx/button.h>
#include <wx/icon.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "app/Commands.h"

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, _("About Trelkan"))
{
    auto* texts = new wxBoxSizer(wxVERTICAL);
    texts->Add(new wxStaticText(this, wxID_ANY, wxString::Format(_("Trelkan Version %s"), TRELKAN_VERSION)), 0, wxBOTTOM, 6);
    texts->Add(new wxStaticText(this, wxID_ANY, _("Level editor for the Trelkan snake game")));

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(this, wxID_ANY, wxIcon(AppIconXpm())), 0, wxALL, 10);
    row->Add(texts, 1, wxTOP | wxBOTTOM | wxEXPAND, 12);
    auto* ok = new wxButton(this, wxID_OK, _("OK"));
    ok->SetDefault();
    row->Add(ok, 0, wxALL, 10);

    SetSizerAndFit(row);
    SetMinClientSize(ConvertDialogToPixels(wxSize(235, 55)));
    Fit();
}
