#pragma once

#include <memory>
#include <vector>

#include <wx/timer.h>

#include "document/AnimationClock.h"
#include "framework/CWinApp.h"

class CAutosave;

// The folders of the interface catalogs of the program at `programPath`: beside it in the build
// tree, under share/locale when it is installed.
std::vector<wxString> CatalogFolders(const wxString& programPath);

// The editor's application object: start-up, the About command and the idle processing that
// drives the preview animation.
class CLevelEditorApp : public CWinApp {
public:
    // Repaints of the animated preview are paced to this rate.
    static constexpr float REPAINT_INTERVAL = 1.0f / 60.0f;

    CLevelEditorApp();

    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

protected:
    // Advances the animation clock and repaints the preview while it is animated; asks for
    // more passes only then.
    bool OnIdle(long count) override;

private:
    void OnAppAbout(wxCommandEvent&);
    void OnScreenshotTimer(wxTimerEvent&);
    void StartAutosave();

    RepaintPacer m_repaintPacer{REPAINT_INTERVAL};
    std::unique_ptr<CAutosave> m_autosave;
    wxString m_screenshotPath;
    wxTimer m_screenshotTimer;
    int m_exitCode = 0;
};

wxDECLARE_APP(CLevelEditorApp);
