#pragma once

#include "framework/CFrameWnd.h"

class C3DGLView;
class CDocument;
class CEditGLView;
class CMainFormView;
class CSelectionFormView;
class CStaticSplitter;
class wxStatusBar;
class wxToolBar;

// Ideal sizes of the pane grid for a frame client area of width x height pixels: the left
// column and the top row take three fifths, the others two fifths (integer division).
struct PaneLayout {
    static constexpr int MIN_SIZE = 10;
    int columnWidth[2];
    int rowHeight[2];
};
PaneLayout ComputePaneLayout(int width, int height);

// The main window: menu, tool bar, status bar and the 2 x 2 panes, all four views of the one
// document: edit view (top left), preview (top right), level properties (bottom left) and
// selection properties (bottom right).
class CMainFrame : public CFrameWnd {
public:
    CMainFrame() = default;

    // Makes the window with its menus, bars and panes; false when any part cannot be made.
    bool Create(CDocManager* manager, CDocument* document);

    CStaticSplitter* m_wndSplitter = nullptr;
    bool m_splitterReady = false;
    CMainFormView* m_pMainFormView = nullptr;
    CSelectionFormView* m_pSelectionFormView = nullptr;
    CEditGLView* m_pEditView = nullptr;
    C3DGLView* m_p3DView = nullptr;
    wxStatusBar* m_wndStatusBar = nullptr;
    wxToolBar* m_wndToolBar = nullptr;

protected:
    void ActivateNextPane(bool previous) override;
    bool TryBefore(wxEvent& event) override;

private:
    bool CreateBars();
    bool OnCreateClient(CDocument& document);
    template <class View> View* CreatePane(int row, int column, CDocument& document);
    // Imposes the 3:2 layout on the panes (once they exist).
    void ApplyPaneLayout();

    void OnSize(wxSizeEvent& event);
    void OnModeCommand(wxCommandEvent& event);
    void OnUpdateMode(wxUpdateUIEvent& event);
    void OnUpdateDisabled(wxUpdateUIEvent& event) { event.Enable(false); }
    bool RouteToFocusedText(wxEvent& event);
};
