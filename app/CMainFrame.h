#pragma once

#include <memory>
#include <vector>

#include <wx/aui/framemanager.h>

#include "checks/Problem.h"
#include "framework/CFrameWnd.h"

class C3DGLView;
class CPlayCommands;
class CDocument;
class CEditGLView;
class CLevelMapDoc;
class CMainFormView;
class CProblemsPanel;
class CTexturePanel;
class CSGNode;
class CSelectionFormView;
class CStaticSplitter;
class wxInfoBarGeneric;
class wxStatusBar;
class wxToolBar;

// The main window: menu, tool bar, status bar and a docking layout of the four views of the one
// document. The edit view and the preview share its centre side by side (2:1); the level form
// ("Level") above the selection form ("Selection") make an inspector column on the right; the
// Textures panel docks left and the Problems panel below, hidden. The first run fills the
// screen (up to 1600 x 1000) and gives the views their room first (View > Reset Layout puts
// that layout back); the window's place, the split and the docking layout the user chose are
// kept for the next run.
class CMainFrame : public CFrameWnd {
public:
    // No view is ever made smaller.
    static constexpr int PANE_MINIMUM = 80;

    CMainFrame();
    ~CMainFrame() override;

    // Makes the window with its menus, bars and panes; false when any part cannot be made.
    bool Create(CDocManager* manager, CDocument* document);
    // A level came: the panels check and list it afresh.
    void OnInitialUpdate() override;
    // The notice sits in a bar above the panes, with Reload and Dismiss.
    void ShowFileNotice(const wxString& text, std::function<void()> reload) override;
    void HideFileNotice() override;
    // The notice shown now; empty while there is none.
    wxString FileNotice() const;
    // The default layout of the panels and the views for the window's present size.
    void ResetLayout();

    CStaticSplitter* m_wndSplitter = nullptr;
    bool m_splitterReady = false;
    CMainFormView* m_pMainFormView = nullptr;
    CSelectionFormView* m_pSelectionFormView = nullptr;
    CEditGLView* m_pEditView = nullptr;
    C3DGLView* m_p3DView = nullptr;
    wxStatusBar* m_wndStatusBar = nullptr;
    wxToolBar* m_wndToolBar = nullptr;
    wxAuiManager m_docking;
    CProblemsPanel* m_pProblems = nullptr;
    CTexturePanel* m_pTextures = nullptr;
    std::unique_ptr<CPlayCommands> m_play;
    // The toolkit's own bar, not the desktop's: its buttons are windows that keys and tests reach.
    wxInfoBarGeneric* m_fileNotice = nullptr;

protected:
    void ActivateNextPane(bool previous) override;
    bool TryBefore(wxEvent& event) override;
    void SaveWindowState(wxConfigBase& settings) const override;

private:
    bool CreateBars();
    bool OnCreateClient(CDocument& document);
    template <class View> View* CreatePane(wxWindow* parent, CDocument& document);
    void SplitViews();
    // The two forms, docked right, the level's above the selection's.
    void AddInspector();
    static wxString PanelCaption(const wxString& name);
    // The last run's place, split and layout, or the first run's.
    void RestoreWindowState();

    // The status-bar panes, right of the lock keys, that show the problem count and the
    // pointer's level coordinates.
    void AddPointerPane();
    void OnZoomToFit(wxCommandEvent&) { FitBothViews(); }
    void FitBothViews();
    // A command is a later action than whatever the message pane says: it starts from the idle
    // text (and may set its own), unless a gesture runs and speaks there.
    void ClearEarlierStatus();
    void OnModeCommand(wxCommandEvent& event);
    void OnUpdateMode(wxUpdateUIEvent& event);
    // Insert > an item kind: the next click inserts that kind, and so does I from then on.
    void OnInsertKind(wxCommandEvent& event);
    void OnUpdateInsertKind(wxUpdateUIEvent& event);
    // Undo and Redo scroll what they touched into the edit view and leave a line naming the
    // step, unless the status bar follows a picked object through it.
    bool UndoOrRedo(wxEvent& event);
    wxString StatusTextNow() const;
    void AddProblemsPanel(CDocument& document);
    void AddFileNotice();
    // The Textures panel, docked left and shown at first, whose tiles drop on both OpenGL panes.
    void AddTexturePanel(CLevelMapDoc& document);
    void TogglePane(const char* name);
    void ShowPane(const char* name, bool show);
    // The window keeps room for the panes' minimum beside the docked panels as they are now: the
    // docking layout would take that room from the panes.
    void KeepRoomForPanes();
    void OnStatusBarClick(wxMouseEvent& event);
    void ShowProblemCount(const std::vector<Problem>& problems);
    // Scrolls the objects into the edit view's sight; with `zoom`, centres and zooms so that
    // they fill it.
    void ShowEditViewObjects(const std::vector<CSGNode*>& nodes, bool zoom);
    void OnUpdateDisabled(wxUpdateUIEvent& event) { event.Enable(false); }
    bool RouteToFocusedText(wxEvent& event);
    // Back in the editor: the level's file may have been changed by another program meanwhile.
    void OnActivate(wxActivateEvent& event);
    void CheckFileOnDisk();

    // Beside the edit view's first camera: the preview's default camera, or the floor fitted
    // when the edit view's default camera would not show it whole.
    void PlacePreviewFirstCamera();

    // The check's own message box activates the frame again: one check at a time.
    bool m_checkingFile = false;
    std::function<void()> m_reloadFile;
    wxString m_fileNoticeText;
};
