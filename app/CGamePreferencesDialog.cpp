#include "app/CGamePreferencesDialog.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "framework/FileDialog.h"

CGamePreferencesDialog::CGamePreferencesDialog(wxWindow* parent, const GameCommand& command)
    : wxDialog(parent, wxID_ANY, _("Preferences"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
{
    auto* pages = new wxNotebook(this, wxID_ANY);
    auto* game = new wxPanel(pages);
    auto* grid = new wxFlexGridSizer(3, FromDIP(wxSize(8, 8)));
    grid->AddGrowableCol(1);
    // A field, and beside it the Browse button that `browse` runs, if any.
    const auto field = [&](const wxString& label, const wxString& value, void (CGamePreferencesDialog::*browse)()) {
        grid->Add(new wxStaticText(game, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
        auto* text = new wxTextCtrl(game, wxID_ANY, value, wxDefaultPosition, FromDIP(wxSize(360, -1)));
        grid->Add(text, 1, wxEXPAND);
        if (!browse) {
            grid->AddSpacer(0);
            return text;
        }
        auto* button = new wxButton(game, wxID_ANY, _("Browse..."));
        button->Bind(wxEVT_BUTTON, [this, browse](wxCommandEvent&) { (this->*browse)(); });
        grid->Add(button, 0, wxALIGN_CENTER_VERTICAL);
        return text;
    };
    m_program = field(_("Program:"), command.program, &CGamePreferencesDialog::BrowseProgram);
    m_arguments = field(_("Arguments:"), command.arguments, nullptr);
    m_folder = field(_("Working folder:"), command.folder, &CGamePreferencesDialog::BrowseFolder);
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

void CGamePreferencesDialog::BrowseProgram()
{
    const wxFileName typed(m_program->GetValue());
    FileDialogRequest request;
    request.message = _("Choose the game's program");
    request.currentFolder = typed.GetPath();
    request.defaultName = typed.GetFullName();
    request.parent = this;
    if (const std::optional<wxString> chosen = ShowFileDialog(request))
        m_program->ChangeValue(*chosen);
}

void CGamePreferencesDialog::BrowseFolder()
{
    FileDialogRequest request;
    request.folder = true;
    request.message = _("Choose the game's working folder");
    request.currentFolder = m_folder->GetValue();
    // An empty or missing folder: the program's own is the likely one.
    request.defaultFolder = wxFileName(m_program->GetValue()).GetPath();
    request.parent = this;
    if (const std::optional<wxString> chosen = ShowFileDialog(request))
        m_folder->ChangeValue(*chosen);
}

GameCommand CGamePreferencesDialog::Command() const
{
    return {m_program->GetValue(), m_arguments->GetValue(), m_folder->GetValue()};
}
