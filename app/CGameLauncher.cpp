#include "app/CGameLauncher.h"

#include <algorithm>

#include <wx/filename.h>
#include <wx/process.h>
#include <wx/stream.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include "panels/CGameOutputPanel.h"

namespace {

constexpr int kReadEveryMs = 100;

} // namespace

// A running game. It outlives the launcher when the editor closes first, and goes when the
// game ends.
class CGameLauncher::GameProcess : public wxProcess {
public:
    explicit GameProcess(CGameLauncher* launcher) : m_launcher(launcher) { Redirect(); }

    void OnTerminate(int, int status) override
    {
        if (m_launcher)
            m_launcher->Ended(*this, status);
        delete this;
    }

    CGameLauncher* m_launcher;
};

CGameLauncher::CGameLauncher(CGameOutputPanel& output, std::function<void(const wxString&)> say)
    : m_output(output), m_say(std::move(say))
{
    m_timer.SetOwner(this);
    Bind(wxEVT_TIMER, &CGameLauncher::OnTimer, this);
}

CGameLauncher::~CGameLauncher()
{
    m_timer.Stop();
    for (GameProcess* game : m_games)
        game->m_launcher = nullptr;
}

bool CGameLauncher::Launch(const GameCommand& command, const wxString& levelPath)
{
    wxString program, reason;
    if (!command.FindProgram(program, reason)) {
        Failed(reason);
        return false;
    }
    wxExecuteEnv environment;
    environment.cwd = command.WorkingFolder(levelPath);
    wxGetEnvMap(&environment.env);
    if (!wxFileName::DirExists(environment.cwd)) {
        Failed(wxString::Format(_("the working folder \"%s\" does not exist"), environment.cwd));
        return false;
    }
    const std::vector<wxString> arguments = command.ArgumentsFor(levelPath);
    std::vector<const wxChar*> argv{program.wc_str()};
    for (const wxString& argument : arguments)
        argv.push_back(argument.wc_str());
    argv.push_back(nullptr);
    auto* game = new GameProcess(this);
    if (wxExecute(argv.data(), wxEXEC_ASYNC, game, &environment) == 0) {
        delete game;
        Failed(wxString::Format(_("\"%s\" could not be run"), program));
        return false;
    }
    m_games.push_back(game);
    m_timer.Start(kReadEveryMs);
    wxString line = program;
    for (const wxString& argument : arguments)
        line += " " + argument;
    m_output.Append(wxString::Format(_("Started: %s\n"), line));
    m_say(_("The game is running"));
    return true;
}

void CGameLauncher::Failed(const wxString& reason)
{
    const wxString text = wxString::Format(_("The game could not be started: %s"), reason);
    m_output.Append(text + "\n");
    m_say(text);
}

void CGameLauncher::Read(wxInputStream* stream)
{
    char buffer[4096];
    while (stream && stream->CanRead()) {
        stream->Read(buffer, sizeof buffer);
        const size_t count = stream->LastRead();
        if (count == 0)
            break;
        m_output.Append(wxString::FromUTF8(buffer, count));
    }
}

void CGameLauncher::ReadOutput(GameProcess& game)
{
    Read(game.GetInputStream());
    Read(game.GetErrorStream());
}

void CGameLauncher::OnTimer(wxTimerEvent&)
{
    for (GameProcess* game : m_games)
        ReadOutput(*game);
}

void CGameLauncher::Ended(GameProcess& game, int status)
{
    ReadOutput(game);
    m_games.erase(std::remove(m_games.begin(), m_games.end(), &game), m_games.end());
    if (m_games.empty())
        m_timer.Stop();
    const wxString text = wxString::Format(_("The game ended with status %d"), status);
    m_output.Append(text + "\n");
    m_say(text);
}
