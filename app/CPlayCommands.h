#pragma once

class CMainFrame;
class wxCommandEvent;
class wxUpdateUIEvent;

// The Play menu's commands on the main frame: Drive turns the preview into the snake's run and
// back, and the run's path then shows in the edit view.
class CPlayCommands {
public:
    explicit CPlayCommands(CMainFrame& frame);

private:
    void OnDrive(wxCommandEvent& event);
    void OnUpdateDrive(wxUpdateUIEvent& event);

    CMainFrame& m_frame;
};
