#include "app/CLevelEditorApp.h"

#include <cstdio>

#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "app/CAboutDlg.h"
#include "recovery/CAutosave.h"
#include "app/CMainFrame.h"
#include "app/CommandLine.h"
#include "framework/Resource.h"
#include "app/Screenshot.h"
#include "recovery/SettingsMigration.h"
#include "document/CLevelMapDoc.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/MessageBox.h"
#include "framework/Translations.h"

namespace {

// The screenshot waits until the frame has been shown and repainted a few times.
constexpr int SCREENSHOT_DELAY_MS = 1500;

CFrameWnd* MakeMainFrame(CDocManager& manager, CDocument& document)
{
    auto* frame = new CMainFrame;
    if (!frame->Create(&manager, &document)) {
        delete frame;
        return nullptr;
    }
    return frame;
}

// Seconds between two autosaves: TRELKAN_AUTOSAVE_SECONDS when it holds a whole number from 1
// to one day, else the usual minute.
int AutosaveInterval()
{
    long seconds = 0;
    const wxString text = wxGetenv("TRELKAN_AUTOSAVE_SECONDS");
    return text.ToLong(&seconds) && seconds >= 1 && seconds <= 24 * 60 * 60 ? static_cast<int>(seconds)
                                                                             : CAutosave::INTERVAL_SECONDS;
}

wxString AutosaveFolder(const CWinApp& app)
{
    return wxFileName(app.DataFolder(), "autosave").GetFullPath();
}

// The settings and recovery copies of earlier versions come to the desktop's folders at the
// first start; what cannot move stays where it was, and standard error says so.
void MoveEarlierFiles(const CWinApp& app)
{
    const SettingsMigration migration(app.SettingsFile().utf8_string(), app.DataFolder().utf8_string());
    for (const std::string& problem : migration.Run())
        wxLogWarning("%s", wxString::FromUTF8(problem));
}

} // namespace

std::vector<wxString> CatalogFolders(const wxString& programPath)
{
    const wxString folder = wxFileName(programPath).GetPath();
    return {folder + "/locale", folder + "/" TRELKAN_INSTALLED_CATALOGS};
}

CLevelEditorApp::CLevelEditorApp() : m_screenshotTimer(this, wxWindow::NewControlId())
{
    // Lower case like the program: it names the folders of the settings and the data.
    SetAppName("trelkan");
    SetAppDisplayName(APP_TITLE);
}

bool CLevelEditorApp::OnInit()
{
    // Toolkit diagnostics go to standard error; the user sees message boxes only from the
    // program itself.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    UseTranslations(CATALOG_DOMAIN, CatalogFolders(wxStandardPaths::Get().GetExecutablePath()));
    wxInitAllImageHandlers();
    wxArrayString arguments = argv.GetArguments();
    arguments.RemoveAt(0); // the program's own name
    // main has answered help, version and mistakes before the toolkit started.
    const CommandLineInfo commandLine = ParseCommandLine(arguments);
    m_screenshotPath = commandLine.screenshotPath;
    if (!m_screenshotPath.empty()) {
        // Nobody is there to press OK: messages go to standard error instead.
        SetMessageBoxHook([](const MessageBoxRequest& request) {
            std::fprintf(stderr, "trelkan: %s\n", static_cast<const char*>(request.text.utf8_str()));
            return (request.style & wxYES_NO) ? wxNO : wxOK;
        });
    }
    MoveEarlierFiles(*this);
    LoadStdProfileSettings(4);
    auto* levels = new CDocTemplate(GetDocManager(), IDR_MAINFRAME, wxGetTranslation(IDR_MAINFRAME_STRINGS),
                                    [] { return new CLevelMapDoc; }, MakeMainFrame, "C3DGLView");
    levels->SetDirectory(LEVEL_FOLDER);
    // The level of the command line is checked too: the autosave that checks later opens starts
    // only once the frame is there.
    if (m_screenshotPath.empty())
        GetDocManager()->SetOpenCheck(
            [folder = AutosaveFolder(*this)](const wxString& path) { return CAutosave::ConfirmOpen(folder, path); });
    if (!ProcessShellCommand(commandLine.fileName))
        return false;

    CFrameWnd* frame = GetDocManager()->GetFrame();
    SetTopWindow(frame);
    frame->Show();
    frame->Update();
    Bind(wxEVT_MENU, &CLevelEditorApp::OnAppAbout, this, StandardId::AppAbout);

    if (!m_screenshotPath.empty()) {
        Bind(wxEVT_TIMER, &CLevelEditorApp::OnScreenshotTimer, this, m_screenshotTimer.GetId());
        m_screenshotTimer.StartOnce(SCREENSHOT_DELAY_MS);
    } else {
        StartAutosave();
    }
    return true;
}

void CLevelEditorApp::StartAutosave()
{
    auto* document = dynamic_cast<CLevelMapDoc*>(GetDocManager()->GetDocument());
    if (!document)
        return;
    m_autosave = std::make_unique<CAutosave>(*GetDocManager(), *document, AutosaveFolder(*this), AutosaveInterval());
    m_autosave->OfferRecovery();
}

int CLevelEditorApp::OnExit()
{
    // A clean end: the copy of unsaved changes goes with the editor.
    m_autosave.reset();
    return CWinApp::OnExit();
}

int CLevelEditorApp::OnRun()
{
    int code = CWinApp::OnRun();
    return m_exitCode != 0 ? m_exitCode : code;
}

bool CLevelEditorApp::OnIdle(long count)
{
    CWinApp::OnIdle(count);
    auto* document = dynamic_cast<CLevelMapDoc*>(GetDocManager()->GetDocument());
    if (!document)
        return false;
    return AnimateIdle(*document, m_repaintPacer, ProcessSeconds());
}

void CLevelEditorApp::OnAppAbout(wxCommandEvent&)
{
    CAboutDlg about(GetTopWindow());
    about.ShowModal();
}

void CLevelEditorApp::OnScreenshotTimer(wxTimerEvent&)
{
    CFrameWnd* frame = GetDocManager()->GetFrame();
    if (!frame || !SaveWindowScreenshot(*frame, m_screenshotPath)) {
        std::fprintf(stderr, "trelkan: the screenshot could not be saved to %s\n",
                     static_cast<const char*>(m_screenshotPath.utf8_str()));
        m_exitCode = 1;
    }
    if (frame)
        frame->Close(true);
}
