#pragma once

#include <vector>

#include <wx/frame.h>

class CDocManager;
class wxConfigBase;

// The main frame of a single-document program. Menu and tool-bar commands (and their update
// handlers) go to the document manager, which passes them to the active view and the
// document, before the frame's own handlers and then the application see them. Closing the
// frame asks to save a modified document first.
class CFrameWnd : public wxFrame {
public:
    // A lock key shown in the status bar: `text` while the key is on, blank while it is off.
    struct Indicator {
        wxKeyCode key;
        wxString text;
    };

    CFrameWnd() = default;
    ~CFrameWnd() override;

    bool Create(CDocManager* manager, const wxString& title, const wxSize& size = wxDefaultSize);
    CDocManager* GetDocManager() const { return m_manager; }

    // A status bar with the message pane (taking the free width) and one pane per indicator.
    wxStatusBar* CreateStatusBarWithIndicators(const std::vector<Indicator>& indicators);
    // The idle text of the message pane.
    static wxString IdleMessage() { return _("Ready"); }
    // Runs after every New and Open, once every view has taken the level.
    virtual void OnInitialUpdate() {}

protected:
    // Every command first puts the values typed into the panes into the document; a refused
    // value stops it.
    bool TryBefore(wxEvent& event) override;
    bool CommitPendingEdits() const;
    // Next / previous pane (F6 / Shift+F6); the base frame has no panes.
    virtual void ActivateNextPane(bool) {}
    // The frame is closing for good: it keeps in the settings what the next run restores.
    virtual void SaveWindowState(wxConfigBase&) const {}

private:
    void OnCloseWindow(wxCloseEvent& event);
    void OnExit(wxCommandEvent&) { Close(); }
    void OnToggleBar(wxCommandEvent& event);
    void OnUpdateToggleBar(wxUpdateUIEvent& event);
    void OnNextPane(wxCommandEvent&) { ActivateNextPane(false); }
    void OnPrevPane(wxCommandEvent&) { ActivateNextPane(true); }
    void OnIdle(wxIdleEvent& event);
    wxWindow* BarOf(int commandId) const;

    CDocManager* m_manager = nullptr;
    std::vector<Indicator> m_indicators;
    std::vector<bool> m_indicatorShown;
};
