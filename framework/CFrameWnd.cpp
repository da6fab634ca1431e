#include "framework/CFrameWnd.h"

#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "framework/CDocManager.h"
#include "framework/CDocument.h"
#include "framework/CWinApp.h"
#include "framework/StandardIds.h"

CFrameWnd::~CFrameWnd()
{
    if (m_manager)
        m_manager->OnFrameDestroyed(this);
}

bool CFrameWnd::Create(CDocManager* manager, const wxString& title, const wxSize& size)
{
    m_manager = manager;
    if (!wxFrame::Create(nullptr, wxID_ANY, title, wxDefaultPosition, size))
        return false;
    Bind(wxEVT_CLOSE_WINDOW, &CFrameWnd::OnCloseWindow, this);
    Bind(wxEVT_MENU, &CFrameWnd::OnExit, this, StandardId::AppExit);
    Bind(wxEVT_MENU, &CFrameWnd::OnToggleBar, this, StandardId::ViewToolBar, StandardId::ViewStatusBar);
    Bind(wxEVT_UPDATE_UI, &CFrameWnd::OnUpdateToggleBar, this, StandardId::ViewToolBar,
         StandardId::ViewStatusBar);
    Bind(wxEVT_MENU, &CFrameWnd::OnNextPane, this, StandardId::NextPane);
    Bind(wxEVT_MENU, &CFrameWnd::OnPrevPane, this, StandardId::PrevPane);
    Bind(wxEVT_IDLE, &CFrameWnd::OnIdle, this);
    return true;
}

wxStatusBar* CFrameWnd::CreateStatusBarWithIndicators(const std::vector<Indicator>& indicators)
{
    wxStatusBar* bar = CreateStatusBar(static_cast<int>(indicators.size() + 1));
    if (!bar)
        return nullptr;
    std::vector<int> widths{-1};
    for (const Indicator& indicator : indicators)
        widths.push_back(bar->GetTextExtent(indicator.text).x + 12);
    bar->SetStatusWidths(static_cast<int>(widths.size()), widths.data());
    m_indicators = indicators;
    m_indicatorShown.assign(indicators.size(), false);
    SetStatusText(IdleMessage(), 0);
    return bar;
}

bool CFrameWnd::CommitPendingEdits() const
{
    CDocument* document = m_manager ? m_manager->GetDocument() : nullptr;
    return !document || document->CommitPendingEdits();
}

bool CFrameWnd::TryBefore(wxEvent& event)
{
    // A command acts on the document with every typed value in it, or not at all.
    if (event.GetEventType() == wxEVT_MENU && !CommitPendingEdits())
        return true;
    if (wxFrame::TryBefore(event))
        return true;
    // Only commands and their update handlers follow the command route.
    wxEventType type = event.GetEventType();
    bool command = type == wxEVT_MENU || type == wxEVT_UPDATE_UI;
    return command && m_manager && m_manager->ProcessEventLocally(event);
}

void CFrameWnd::OnCloseWindow(wxCloseEvent& event)
{
    CDocument* document = m_manager ? m_manager->GetDocument() : nullptr;
    if (event.CanVeto() && document && (!document->CommitPendingEdits() || !document->SaveModified())) {
        event.Veto();
        return;
    }
    if (wxConfigBase* settings = CurrentAppSettings())
        SaveWindowState(*settings);
    Destroy();
}

wxWindow* CFrameWnd::BarOf(int commandId) const
{
    if (commandId == StandardId::ViewToolBar)
        return GetToolBar();
    return GetStatusBar();
}

void CFrameWnd::OnToggleBar(wxCommandEvent& event)
{
    if (wxWindow* bar = BarOf(event.GetId())) {
        bar->Show(!bar->IsShown());
        SendSizeEvent();
    }
}

void CFrameWnd::OnUpdateToggleBar(wxUpdateUIEvent& event)
{
    wxWindow* bar = BarOf(event.GetId());
    event.Enable(bar != nullptr);
    event.Check(bar && bar->IsShown());
}

void CFrameWnd::OnIdle(wxIdleEvent& event)
{
    event.Skip();
    if (!GetStatusBar())
        return;
    for (size_t i = 0; i < m_indicators.size(); ++i) {
        bool on = wxGetKeyState(m_indicators[i].key);
        if (on != m_indicatorShown[i]) {
            m_indicatorShown[i] = on;
            SetStatusText(on ? m_indicators[i].text : wxString(), static_cast<int>(i + 1));
        }
    }
}
