#pragma once

#include <wx/dialog.h>

#include "app/GameCommand.h"

class wxTextCtrl;

// Edit > Preferences, whose Game page sets how Play > Launch Game starts the game.
class CGamePreferencesDialog : public wxDialog {
public:
    CGamePreferencesDialog(wxWindow* parent, const GameCommand& command);

    GameCommand Command() const;

    // The Browse buttons: a file chooser for the program, a folder chooser for the working
    // folder, each starting from what its field holds; the chosen path replaces the field's text.
    void BrowseProgram();
    void BrowseFolder();

private:
    wxTextCtrl* m_program = nullptr;
    wxTextCtrl* m_arguments = nullptr;
    wxTextCtrl* m_folder = nullptr;
};
