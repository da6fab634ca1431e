#include "app/CPlayCommands.h"

#include <wx/aui/framemanager.h>
#include <wx/confbase.h>

#include "app/CGameLauncher.h"
#include "app/CGamePreferencesDialog.h"
#include "app/CMainFrame.h"
#include "document/CLevelMapDoc.h"
#include "framework/CWinApp.h"
#include "framework/MessageBox.h"
#include "framework/Resource.h"
#include "panels/CGameOutputPanel.h"
#include "views/C3DGLView.h"
#include "views/CEditGLView.h"

namespace {

const char* const kOutputName = "GameOutput";

} // namespace

CPlayCommands::CPlayCommands(CMainFrame& frame) : m_frame(frame), m_output(new CGameOutputPanel(&frame))
{
    frame.m_docking.AddPane(m_output, wxAuiPaneInfo()
                                          .Name(kOutputName)
                                          .Caption(_("Game Output"))
                                          .Bottom()
                                          .BestSize(frame.FromDIP(wxSize(600, 150)))
                                          .MinSize(frame.FromDIP(wxSize(200, 60)))
                                          .Hide());
    frame.m_docking.Update();
    m_launcher = std::make_unique<CGameLauncher>(*m_output, [&frame](const wxString& text) {
        frame.SetStatusText(text);
    });
    frame.Bind(wxEVT_MENU, &CPlayCommands::OnDrive, this, ID_PLAY_DRIVE);
    frame.Bind(wxEVT_UPDATE_UI, &CPlayCommands::OnUpdateDrive, this, ID_PLAY_DRIVE);
    frame.Bind(wxEVT_MENU, &CPlayCommands::OnLaunchGame, this, ID_PLAY_LAUNCH_GAME);
    frame.Bind(wxEVT_MENU, &CPlayCommands::OnPreferences, this, ID_EDIT_PREFERENCES);
    frame.m_p3DView->DriveMode().m_onEnded = [&frame](const std::vector<TracePoint>& trace) {
        frame.m_pEditView->ShowRunTrace(trace);
    };
}

CPlayCommands::~CPlayCommands() = default;

void CPlayCommands::OnDrive(wxCommandEvent&)
{
    m_frame.m_p3DView->DriveMode().Toggle();
}

void CPlayCommands::OnUpdateDrive(wxUpdateUIEvent& event)
{
    event.Check(m_frame.m_p3DView->DriveMode().IsOn());
}

void CPlayCommands::ShowOutput()
{
    wxAuiPaneInfo& pane = m_frame.m_docking.GetPane(kOutputName);
    if (!pane.IsShown()) {
        pane.Show();
        m_frame.m_docking.Update();
    }
}

void CPlayCommands::OnLaunchGame(wxCommandEvent&)
{
    CLevelMapDoc* document = m_frame.m_pEditView->GetLevelDocument();
    wxConfigBase* settings = CurrentAppSettings();
    if (!document || !settings)
        return;
    if (m_launcher->Running() &&
        ShowMessageBox(_("The game is still running. Start another one?"), wxString(), wxYES_NO | wxICON_QUESTION) !=
            wxYES)
        return;
    // The game reads the file: it gets the level as it is now, or nothing.
    if ((document->IsModified() || document->GetFilename().empty()) && !document->DoFileSave())
        return;
    ShowOutput();
    m_launcher->Launch(GameCommand::Load(*settings), document->GetFilename());
}

void CPlayCommands::OnPreferences(wxCommandEvent&)
{
    wxConfigBase* settings = CurrentAppSettings();
    if (!settings)
        return;
    CGamePreferencesDialog dialog(&m_frame, GameCommand::Load(*settings));
    if (dialog.ShowModal() == wxID_OK)
        dialog.Command().Store(*settings);
}
