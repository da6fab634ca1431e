#pragma once

#include <memory>

#include <wx/app.h>
#include <wx/timer.h>

class CDocManager;
class wxConfigBase;

// The application object of a single-document program: settings with the recent-file list, the
// document manager with its one template, start-up New or Open, and the idle hook.
class CWinApp : public wxApp {
public:
    // While the idle hook asks for more, it is called again at least this often.
    static constexpr int IDLE_INTERVAL_MS = 16;

    CWinApp();
    ~CWinApp() override;

    CDocManager* GetDocManager();
    wxConfigBase* GetSettings() const { return m_settings.get(); }

    // Where the settings live: $XDG_CONFIG_HOME (or ~/.config)/<name>/<name>.conf, <name> being
    // the application name.
    wxString SettingsFile() const;
    // Where the data lives: $XDG_DATA_HOME (or ~/.local/share)/<name>.
    wxString DataFolder() const;

protected:
    // Opens the settings and loads a recent-file list of `maxRecentFiles` entries.
    void LoadStdProfileSettings(unsigned maxRecentFiles = 4);
    // New when `fileName` is empty, otherwise Open of that file. False when it failed.
    bool ProcessShellCommand(const wxString& fileName);

    // Called when the event queue has emptied; `count` numbers the calls since the hook last
    // returned false. True asks for more idle calls: the next one then comes within
    // IDLE_INTERVAL_MS even when no event arrives, so a busy idle hook never spins the
    // processor.
    virtual bool OnIdle(long count);

    // Starts the toolkit with scroll bars that stay shown while there is something to scroll
    // to, rather than overlays that appear only under the pointer, and with the desktop's
    // folders for settings and caches ($XDG_CONFIG_HOME, $XDG_CACHE_HOME).
    bool Initialize(int& count, wxChar** arguments) override;
    int OnExit() override;

private:
    void HandleIdle(wxIdleEvent& event);
    void HandleIdleTimer(wxTimerEvent&);

    unsigned m_maxRecentFiles = 4;
    std::unique_ptr<wxConfigBase> m_settings;
    std::unique_ptr<CDocManager> m_docManager;
    wxTimer m_idleTimer;
    long m_idleCount = 0;
};

// The running application's settings, or null when it keeps none (yet).
wxConfigBase* CurrentAppSettings();
