#include "app/CGamePreferencesDialog.h"

#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CGamePreferencesDialog::CGamePreferencesDialog(wxWindow* parent, const GameCommand& command)
    : wxDialog(parent, wxID_ANY, _("Preferences"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
{
    auto* pages = new wxNotebook(this, wxID_ANY);
    auto* game = new wxPanel(pages);
    auto* grid = new wxFlexGridSizer(2, FromDIP(wxSize(8, 8)));
    grid->AddGrowableCol(1);
    const auto field = [&](const wxString& label, const wxString& value) {
        grid->Add(new wxStaticText(game, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
        auto* text = new wxTextCtrl(game, wxID_ANY, value, wxDefaultPosition, FromDIP(wxSize(360, -1)));
        grid->Add(text, 1, wxEXPAND);
        return text;
    };
    m_program = field(_("Program:"), command.program);
    m_arguments = field(_("Arguments:"), command.arguments);
    m_folder = field(_("Working folder:"), command.folder);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(grid, 0, wxEXPAND | wxALL, FromDIP(8));
    column->Add(new wxStaticText(game, wxID_ANY,
                                 _("In the arguments %f stands for the level file, %d for its folder and %n for its "
                                   "name without extension.\nWithout a working folder the game starts in the level's "
                                   "folder.")),
                0, wxALL, FromDIP(8));
    game->SetSizer(column);
    pages->AddPage(game, _("Game"));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(pages, 1, wxEXPAND | wxALL, FromDIP(8));
    sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, FromDIP(8));
    SetSizerAndFit(sizer);
}

GameCommand CGamePreferencesDialog::Command() const
{
    return {m_program->GetValue(), m_arguments->GetValue(), m_folder->GetValue()};
}
