#pragma once

#include <memory>

class CGameLauncher;
class CGameOutputPanel;
class CMainFrame;
class wxCommandEvent;
class wxUpdateUIEvent;

// The Play menu's commands on the main frame and the game's preferences: Drive turns the
// preview into the snake's run and back, after which the run's path shows in the edit view;
// Launch Game saves the level and starts the game with it, its output in the Game Output panel
// docked below the panes.
class CPlayCommands {
public:
    explicit CPlayCommands(CMainFrame& frame);
    ~CPlayCommands();

    CGameOutputPanel& Output() const { return *m_output; }

private:
    void OnDrive(wxCommandEvent& event);
    void OnUpdateDrive(wxUpdateUIEvent& event);
    void OnLaunchGame(wxCommandEvent& event);
    void OnPreferences(wxCommandEvent& event);
    void ShowOutput();

    CMainFrame& m_frame;
    CGameOutputPanel* m_output; // owned by the frame
    std::unique_ptr<CGameLauncher> m_launcher;
};
