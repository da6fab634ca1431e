#include "app/CPlayCommands.h"

#include "app/CMainFrame.h"
#include "framework/Resource.h"
#include "views/C3DGLView.h"
#include "views/CEditGLView.h"

CPlayCommands::CPlayCommands(CMainFrame& frame) : m_frame(frame)
{
    frame.Bind(wxEVT_MENU, &CPlayCommands::OnDrive, this, ID_PLAY_DRIVE);
    frame.Bind(wxEVT_UPDATE_UI, &CPlayCommands::OnUpdateDrive, this, ID_PLAY_DRIVE);
    frame.m_p3DView->DriveMode().m_onEnded = [&frame](const std::vector<TracePoint>& trace) {
        frame.m_pEditView->ShowRunTrace(trace);
    };
}

void CPlayCommands::OnDrive(wxCommandEvent&)
{
    m_frame.m_p3DView->DriveMode().Toggle();
}

void CPlayCommands::OnUpdateDrive(wxUpdateUIEvent& event)
{
    event.Check(m_frame.m_p3DView->DriveMode().IsOn());
}
