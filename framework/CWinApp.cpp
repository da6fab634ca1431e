#include "framework/CWinApp.h"

#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "framework/CDocManager.h"

wxConfigBase* CurrentAppSettings()
{
    const auto* app = dynamic_cast<const CWinApp*>(wxTheApp);
    return app ? app->GetSettings() : nullptr;
}

CWinApp::CWinApp() : m_idleTimer(this, wxWindow::NewControlId())
{
    Bind(wxEVT_IDLE, &CWinApp::HandleIdle, this);
    Bind(wxEVT_TIMER, &CWinApp::HandleIdleTimer, this, m_idleTimer.GetId());
}

CWinApp::~CWinApp() = default;

CDocManager* CWinApp::GetDocManager()
{
    if (!m_docManager)
        m_docManager = std::make_unique<CDocManager>(m_maxRecentFiles);
    return m_docManager.get();
}

wxString CWinApp::SettingsFile() const
{
    // With the XDG file layout (set in Initialize) the configuration folder is $XDG_CONFIG_HOME.
    return wxFileName(wxStandardPaths::Get().GetUserConfigDir() + "/" + GetAppName(), GetAppName() + ".conf")
        .GetFullPath();
}

wxString CWinApp::DataFolder() const
{
    // wxWidgets 3.2 keeps the data folder in the home folder whatever the file layout.
    wxString base;
    if (!wxGetEnv("XDG_DATA_HOME", &base) || base.empty())
        base = wxFileName::GetHomeDir() + "/.local/share";
    return base + "/" + GetAppName();
}

void CWinApp::LoadStdProfileSettings(unsigned maxRecentFiles)
{
    m_maxRecentFiles = maxRecentFiles;
    const wxString path = SettingsFile();
    wxFileName::Mkdir(wxFileName(path).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    m_settings = std::make_unique<wxFileConfig>(GetAppName(), wxString(), path, wxString(), wxCONFIG_USE_LOCAL_FILE);
    GetDocManager()->LoadRecentFiles(m_settings.get());
}

bool CWinApp::ProcessShellCommand(const wxString& fileName)
{
    return GetDocManager()->OpenDocumentFile(fileName) != nullptr;
}

bool CWinApp::OnIdle(long)
{
    return false;
}

bool CWinApp::Initialize(int& count, wxChar** arguments)
{
    // Read by the toolkit when it makes its first scrolled window; a value the user set wins.
    if (!wxGetEnv("GTK_OVERLAY_SCROLLING", nullptr))
        wxSetEnv("GTK_OVERLAY_SCROLLING", "0");
    if (!wxApp::Initialize(count, arguments))
        return false;
    wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
    return true;
}

int CWinApp::OnExit()
{
    m_idleTimer.Stop();
    m_docManager.reset();
    if (m_settings)
        m_settings->Flush();
    m_settings.reset();
    return wxApp::OnExit();
}

void CWinApp::HandleIdle(wxIdleEvent& event)
{
    event.Skip();
    if (!OnIdle(m_idleCount++)) {
        m_idleCount = 0;
        return;
    }
    // Instead of asking the toolkit for another idle call at once (which would keep one
    // processor core busy), wake the event loop again after a short interval.
    if (!m_idleTimer.IsRunning())
        m_idleTimer.StartOnce(IDLE_INTERVAL_MS);
}

void CWinApp::HandleIdleTimer(wxTimerEvent&)
{
    wxWakeUpIdle();
}
