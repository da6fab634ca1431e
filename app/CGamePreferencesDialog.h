#pragma once

#include <wx/dialog.h>

#include "app/GameCommand.h"

class wxTextCtrl;

// Edit > Preferences, whose Game page sets how Play > Launch Game starts the game.
class CGamePreferencesDialog : public wxDialog {
public:
    CGamePreferencesDialog(wxWindow* parent, const GameCommand& command);

    GameCommand Command() const;

private:
    wxTextCtrl* m_program = nullptr;
    wxTextCtrl* m_arguments = nullptr;
    wxTextCtrl* m_folder = nullptr;
};
