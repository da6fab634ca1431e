#pragma once

#include <functional>
#include <vector>

#include <wx/event.h>
#include <wx/timer.h>

#include "app/GameCommand.h"

class CGameOutputPanel;
class wxInputStream;

// Starts the game without waiting for it and shows what it writes and how it ended in the
// Game Output panel, for as many games as run at once.
class CGameLauncher : public wxEvtHandler {
public:
    // `say` puts a line in the status bar.
    CGameLauncher(CGameOutputPanel& output, std::function<void(const wxString&)> say);
    ~CGameLauncher() override;
    CGameLauncher(const CGameLauncher&) = delete;
    CGameLauncher& operator=(const CGameLauncher&) = delete;

    bool Running() const { return !m_games.empty(); }
    // Starts the game on the level at `levelPath`; false, with the reason in the panel and the
    // status bar, when it cannot be started.
    bool Launch(const GameCommand& command, const wxString& levelPath);

private:
    class GameProcess;

    void OnTimer(wxTimerEvent& event);
    void ReadOutput(GameProcess& game);
    void Read(wxInputStream* stream);
    void Ended(GameProcess& game, int status);
    void Failed(const wxString& reason);

    CGameOutputPanel& m_output;
    std::function<void(const wxString&)> m_say;
    std::vector<GameProcess*> m_games; // each deletes itself when its game ends
    wxTimer m_timer;
};
