#include "app/CMainFrame.h"
#include "framework/CWinApp.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <wx/accel.h>
#include <wx/aui/dockart.h>
#include <wx/config.h>
#include <wx/display.h>
#include <wx/glcanvas.h>
#include <wx/infobar.h>
#include <wx/generic/infobar.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include "forms/CMainFormView.h"
#include "app/CPlayCommands.h"
#include "panels/CProblemsPanel.h"
#include "forms/CSelectionFormView.h"
#include "panels/CTexturePanel.h"
#include "app/Commands.h"
#include "app/DefaultLayout.h"
#include "framework/Resource.h"
#include "framework/CCommandProcessor.h"
#include "framework/CDocManager.h"
#include "framework/CDocument.h"
#include "framework/CStaticSplitter.h"
#include "framework/WindowSettings.h"
#include "document/CLevelMapDoc.h"
#include "geometry/Footprint.h"
#include "level/LevelFloor.h"
#include "level/LevelObject.h"
#include "textures/ThumbnailName.h"
#include "views/C3DGLView.h"
#include "views/CEditGLView.h"

namespace {

// The edit view's interaction mode set by each mode command, and whether its buttons show it
// checked (Special item is a one-shot command and never shows checked).
struct ModeCommand {
    int commandId;
    short mode;
    bool showsChecked;
};

const ModeCommand MODE_COMMANDS[] = {
    {ID_MODE_SELECT, CEditGLView::MODE_SELECT, true},
    {ID_MODE_CREATE_WALL, CEditGLView::MODE_CREATE_WALL, true},
    {ID_INSERT_SPECIAL_ITEM, CEditGLView::MODE_INSERT_ITEM, false},
    {ID_TOOLS_MEASURE, CEditGLView::MODE_MEASURE, true},
};

// The item type that an Insert kind command chooses.
int ItemTypeOf(int commandId) { return ITEM_NORMAL + (commandId - ID_INSERT_ITEM_FIRST); }

bool IsUndoOrRedo(int commandId)
{
    return commandId == StandardId::EditUndo || commandId == StandardId::EditRedo;
}

// The settings groups of the window's place, of the views' split and of the docked panels.
constexpr const char* WINDOW_SETTINGS = "/MainFrame/Window";
constexpr const char* SPLITTER_SETTINGS = "/MainFrame/Views";
constexpr const char* DOCKING_SETTINGS = "/MainFrame/Docking";
constexpr const char* TEXTURED_TOP_SETTING = "/MainFrame/TexturedTopView";
// The docking layout's names of the two views (its centre) and of the docked panels.
constexpr const char* PANES_NAME = "panes";
constexpr const char* PROBLEMS_NAME = "problems";
constexpr const char* TEXTURES_NAME = "textures";
constexpr const char* LEVEL_NAME = "level";
constexpr const char* SELECTION_NAME = "selection";
constexpr const char* FILE_NOTICE_NAME = "file-notice";
// The edit view takes this share of the centre's width, the preview the rest.
constexpr double EDIT_VIEW_SHARE = 2.0 / 3.0;
// A first run fills the screen up to this size.
const wxSize FIRST_RUN_LARGEST(1600, 1000);

// The docked panels, their place in the default layout and the View command that shows them.
struct DockedPanel {
    const char* name;
    int direction; // wxAUI_DOCK_*
    int position;  // in its dock, from the top or the left
    int commandId;
    const char* caption; // translated where it shows
};

const DockedPanel DOCKED_PANELS[] = {
    {TEXTURES_NAME, wxAUI_DOCK_LEFT, 0, ID_VIEW_TEXTURES, wxTRANSLATE("Textures")},
    {LEVEL_NAME, wxAUI_DOCK_RIGHT, 0, ID_VIEW_LEVEL, wxTRANSLATE("Level")},
    {SELECTION_NAME, wxAUI_DOCK_RIGHT, 1, ID_VIEW_SELECTION, wxTRANSLATE("Selection")},
    {PROBLEMS_NAME, wxAUI_DOCK_BOTTOM, 0, ID_VIEW_PROBLEMS, wxTRANSLATE("Problems")},
};

const ModeCommand* FindModeCommand(int commandId)
{
    for (const ModeCommand& command : MODE_COMMANDS)
        if (command.commandId == commandId)
            return &command;
    return nullptr;
}

// The editing commands that a focused text field takes over.
struct TextCommand {
    int commandId;
    bool (*can)(const wxTextCtrl&);
    void (*run)(wxTextCtrl&);
};

// Delete takes the selected text, or the character after the insertion point.
void DeleteForward(wxTextCtrl& text)
{
    if (text.CanCut()) {
        text.RemoveSelection();
        return;
    }
    const long at = text.GetInsertionPoint();
    if (at < text.GetLastPosition())
        text.Remove(at, at + 1);
}

const TextCommand TEXT_COMMANDS[] = {
    {StandardId::EditCut, [](const wxTextCtrl& t) { return t.CanCut(); }, [](wxTextCtrl& t) { t.Cut(); }},
    {StandardId::EditCopy, [](const wxTextCtrl& t) { return t.CanCopy(); }, [](wxTextCtrl& t) { t.Copy(); }},
    {StandardId::EditPaste, [](const wxTextCtrl& t) { return t.CanPaste(); }, [](wxTextCtrl& t) { t.Paste(); }},
    {StandardId::EditUndo, [](const wxTextCtrl& t) { return t.CanUndo(); }, [](wxTextCtrl& t) { t.Undo(); }},
    {StandardId::EditRedo, [](const wxTextCtrl& t) { return t.CanRedo(); }, [](wxTextCtrl& t) { t.Redo(); }},
    {ID_EDIT_DELETE, [](const wxTextCtrl& t) { return t.IsEditable(); }, DeleteForward},
};

const TextCommand* FindTextCommand(int commandId)
{
    for (const TextCommand& command : TEXT_COMMANDS)
        if (command.commandId == commandId)
            return &command;
    return nullptr;
}

// Whether the camera shows all of the floor, which lies centred on the origin.
bool ShowsWholeFloor(const EditCamera& camera, const LevelFloor& floor)
{
    const ViewRect view = VisibleRect(camera);
    const float halfWidth = static_cast<float>(floor.Width) / 2.0f;
    const float halfDepth = static_cast<float>(floor.Heigth) / 2.0f;
    return view.umin <= -halfWidth && halfWidth <= view.umax && view.vmin <= -halfDepth && halfDepth <= view.vmax;
}

} // namespace

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame()
{
    m_docking.UnInit();
}

bool CMainFrame::Create(CDocManager* manager, CDocument* document)
{
    if (!CFrameWnd::Create(manager, APP_TITLE, wxSize(1024, 768)))
        return false;
    SetIcon(wxIcon(AppIconXpm()));
    wxMenuBar* menuBar = CreateMainMenuBar();
    SetMenuBar(menuBar);
    manager->SetRecentFileMenu(menuBar);
    // The history names its next undo and redo steps in the Edit menu.
    document->GetHistory()->SetEditMenu(menuBar->GetMenu(1));
    document->GetHistory()->SetMenuStrings();
    std::vector<wxAcceleratorEntry> accelerators = MainAccelerators();
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(accelerators.size()), accelerators.data()));
    if (!CreateBars() || !OnCreateClient(*document))
        return false;
    m_play = std::make_unique<CPlayCommands>(*this);
    RestoreWindowState();

    for (const ModeCommand& command : MODE_COMMANDS) {
        Bind(wxEVT_MENU, &CMainFrame::OnModeCommand, this, command.commandId);
        Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateMode, this, command.commandId);
    }
    Bind(wxEVT_MENU, &CMainFrame::OnInsertKind, this, ID_INSERT_ITEM_FIRST, ID_INSERT_ITEM_LAST);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateInsertKind, this, ID_INSERT_ITEM_FIRST, ID_INSERT_ITEM_LAST);
    Bind(wxEVT_MENU, &CMainFrame::OnZoomToFit, this, ID_VIEW_ZOOM_FIT);
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
            if (m_pEditView)
                m_pEditView->ActualSize();
        },
        ID_VIEW_ACTUAL_SIZE);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) {
        if (m_pEditView) {
            m_pEditView->m_texturedTop = !m_pEditView->m_texturedTop;
            m_pEditView->GetCanvas()->Refresh(false);
        }
    }, ID_VIEW_TEXTURED_TOP);
    Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Check(m_pEditView && m_pEditView->m_texturedTop); },
         ID_VIEW_TEXTURED_TOP);
    for (const DockedPanel& panel : DOCKED_PANELS) {
        const char* name = panel.name;
        Bind(wxEVT_MENU, [this, name](wxCommandEvent&) { TogglePane(name); }, panel.commandId);
        Bind(wxEVT_UPDATE_UI, [this, name](wxUpdateUIEvent& event) { event.Check(m_docking.GetPane(name).IsShown()); },
             panel.commandId);
    }
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ResetLayout(); }, ID_VIEW_RESET_LAYOUT);
    // Also while the panel is hidden: the status bar shows the count.
    Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
        event.Skip();
        if (m_pProblems)
            m_pProblems->CheckWhenDue();
    });
    // Delete acts in the OpenGL panes, which enable it; elsewhere it is off.
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateDisabled, this, ID_EDIT_DELETE);
    Bind(wxEVT_ACTIVATE, &CMainFrame::OnActivate, this);
    return true;
}

void CMainFrame::OnActivate(wxActivateEvent& event)
{
    event.Skip();
    if (!event.GetActive() || m_checkingFile)
        return;
    // After the activation has been handled: a message box inside it would fight the focus.
    m_checkingFile = true;
    CallAfter(&CMainFrame::CheckFileOnDisk);
}

void CMainFrame::CheckFileOnDisk()
{
    if (CDocManager* manager = GetDocManager())
        manager->CheckFileOnDisk();
    m_checkingFile = false;
}

bool CMainFrame::CreateBars()
{
    m_wndToolBar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL | wxTB_TOP);
    if (!m_wndToolBar)
        return false;
    m_wndToolBar->SetToolBitmapSize(wxSize(16, 15));
    for (const ToolButton& button : MainToolButtons()) {
        if (button.commandId == 0) {
            m_wndToolBar->AddSeparator();
            continue;
        }
        CommandPrompt prompt = PromptOf(button.commandId);
        const wxItemKind kind = button.itemKinds ? wxITEM_DROPDOWN : button.checkable ? wxITEM_CHECK : wxITEM_NORMAL;
        m_wndToolBar->AddTool(button.commandId, prompt.toolTip, wxBitmap(button.xpm), prompt.toolTip, kind);
        m_wndToolBar->SetToolLongHelp(button.commandId, prompt.status);
        if (button.itemKinds)
            m_wndToolBar->SetDropdownMenu(button.commandId, ItemKindMenu());
    }
    if (!m_wndToolBar->Realize())
        return false;
    m_wndStatusBar = CreateStatusBarWithIndicators(
        {{WXK_CAPITAL, _("CAP")}, {WXK_NUMLOCK, _("NUM")}, {WXK_SCROLL, _("SCRL")}});
    if (!m_wndStatusBar)
        return false;
    AddPointerPane();
    return true;
}

void CMainFrame::AddPointerPane()
{
    const int count = m_wndStatusBar->GetFieldsCount();
    std::vector<int> widths;
    for (int i = 0; i < count; ++i)
        widths.push_back(m_wndStatusBar->GetStatusWidth(i));
    widths.push_back(m_wndStatusBar->GetTextExtent("000 errors, 000 warnings").x + 12);
    widths.push_back(m_wndStatusBar->GetTextExtent("X: -000.00  Z: -000.00").x + 12);
    m_wndStatusBar->SetFieldsCount(count + 2, widths.data());
    m_wndStatusBar->Bind(wxEVT_LEFT_DOWN, &CMainFrame::OnStatusBarClick, this);
}

void CMainFrame::OnStatusBarClick(wxMouseEvent& event)
{
    // A click on the problem count opens the panel that lists them.
    wxRect count;
    if (m_wndStatusBar->GetFieldRect(m_wndStatusBar->GetFieldsCount() - 2, count) && count.Contains(event.GetPosition()) &&
        !m_docking.GetPane(PROBLEMS_NAME).IsShown())
        ShowPane(PROBLEMS_NAME, true);
    event.Skip();
}

template <class View> View* CMainFrame::CreatePane(wxWindow* parent, CDocument& document)
{
    auto* view = new View;
    if (!view->Create(parent, &document)) {
        delete view;
        return nullptr;
    }
    return view;
}

bool CMainFrame::OnCreateClient(CDocument& document)
{
    m_wndSplitter = new CStaticSplitter;
    if (!m_wndSplitter->Create(this, 1, 2))
        return false;
    // Created in this order, so that the document lists its views in this order too.
    m_pEditView = CreatePane<CEditGLView>(m_wndSplitter, document);
    m_p3DView = m_pEditView ? CreatePane<C3DGLView>(m_wndSplitter, document) : nullptr;
    m_pMainFormView = m_p3DView ? CreatePane<CMainFormView>(this, document) : nullptr;
    m_pSelectionFormView = m_pMainFormView ? CreatePane<CSelectionFormView>(this, document) : nullptr;
    m_splitterReady = m_pSelectionFormView != nullptr;
    if (!m_splitterReady)
        return false;
    // Once the panes beside the edit view have their new sizes too.
    m_pEditView->m_firstCameraFitted = [this] { CallAfter(&CMainFrame::PlacePreviewFirstCamera); };
    m_wndSplitter->SetPane(0, 0, m_pEditView->GetWindow());
    m_wndSplitter->SetPane(0, 1, m_p3DView->GetWindow());
    if (m_pEditView) {
        const int pane = m_wndStatusBar->GetFieldsCount() - 1;
        m_pEditView->m_pointerReadout = [this, pane](const wxString& text) {
            if (wxStatusBar* bar = GetStatusBar())
                bar->SetStatusText(text, pane);
        };
    }
    m_wndSplitter->SetRowInfo(0, 1.0, PANE_MINIMUM);
    SplitViews();
    SetMinClientSize(m_wndSplitter->GetMinimumSize());
    m_docking.SetManagedWindow(this);
    m_docking.AddPane(m_wndSplitter, wxAuiPaneInfo().Name(PANES_NAME).CenterPane().PaneBorder(false));
    AddInspector();
    AddProblemsPanel(document);
    AddFileNotice();
    AddTexturePanel(static_cast<CLevelMapDoc&>(document));
    return true;
}

void CMainFrame::SplitViews()
{
    m_wndSplitter->SetColumnInfo(0, EDIT_VIEW_SHARE, PANE_MINIMUM);
    m_wndSplitter->SetColumnInfo(1, 1.0 - EDIT_VIEW_SHARE, PANE_MINIMUM);
    m_wndSplitter->RecalcLayout();
}

void CMainFrame::AddInspector()
{
    const std::pair<const char*, wxWindow*> forms[] = {{LEVEL_NAME, m_pMainFormView->GetWindow()},
                                                        {SELECTION_NAME, m_pSelectionFormView->GetWindow()}};
    for (const auto& [name, window] : forms)
        m_docking.AddPane(window, wxAuiPaneInfo()
                                      .Name(name)
                                      .Caption(PanelCaption(name))
                                      .Right()
                                      .BestSize(window->GetBestSize())
                                      .MinSize(FromDIP(wxSize(160, 100))));
}

wxString CMainFrame::PanelCaption(const wxString& name)
{
    const auto panel = std::find_if(std::begin(DOCKED_PANELS), std::end(DOCKED_PANELS),
                                    [&name](const DockedPanel& docked) { return name == docked.name; });
    return panel == std::end(DOCKED_PANELS) ? name : wxGetTranslation(panel->caption);
}

void CMainFrame::AddProblemsPanel(CDocument& document)
{
    m_pProblems = new CProblemsPanel(this, static_cast<CLevelMapDoc&>(document));
    m_pProblems->m_onChecked = [this](const std::vector<Problem>& problems) { ShowProblemCount(problems); };
    m_pProblems->m_onSelected = [this](const std::vector<CSGNode*>& nodes, bool zoom) { ShowEditViewObjects(nodes, zoom); };
    m_docking.AddPane(m_pProblems, wxAuiPaneInfo()
                                       .Name(PROBLEMS_NAME)
                                       .Caption(PanelCaption(PROBLEMS_NAME))
                                       .Bottom()
                                       .BestSize(FromDIP(wxSize(600, 150)))
                                       .MinSize(FromDIP(wxSize(200, 60)))
                                       .Hide());
}

void CMainFrame::AddFileNotice()
{
    m_fileNotice = new wxInfoBarGeneric(this);
    m_fileNotice->SetShowHideEffects(wxSHOW_EFFECT_NONE, wxSHOW_EFFECT_NONE);
    m_fileNotice->AddButton(wxID_REFRESH, _("Reload"));
    m_fileNotice->AddButton(wxID_CLOSE, _("Dismiss"));
    // Handled here and not passed on: the bar would hide itself behind the docking layout's back.
    m_fileNotice->Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
        const std::function<void()> reload = m_reloadFile;
        HideFileNotice();
        if (event.GetId() == wxID_REFRESH && reload)
            reload();
    });
    m_docking.AddPane(m_fileNotice, wxAuiPaneInfo()
                                        .Name(FILE_NOTICE_NAME)
                                        .Top()
                                        .Layer(10)
                                        .CaptionVisible(false)
                                        .PaneBorder(false)
                                        .DockFixed()
                                        .Resizable(false)
                                        .Hide());
}

void CMainFrame::ShowFileNotice(const wxString& text, std::function<void()> reload)
{
    if (!m_fileNotice)
        return;
    m_reloadFile = std::move(reload);
    m_fileNoticeText = text;
    m_fileNotice->ShowMessage(text, wxICON_WARNING);
    m_docking.GetPane(FILE_NOTICE_NAME).Show().BestSize(m_fileNotice->GetBestSize());
    m_docking.Update();
}

void CMainFrame::HideFileNotice()
{
    if (!m_fileNotice || !m_fileNotice->IsShown())
        return;
    m_reloadFile = nullptr;
    m_fileNoticeText.clear();
    m_fileNotice->Dismiss();
    m_docking.GetPane(FILE_NOTICE_NAME).Hide();
    m_docking.Update();
}

wxString CMainFrame::FileNotice() const
{
    return m_fileNoticeText;
}

void CMainFrame::AddTexturePanel(CLevelMapDoc& document)
{
    m_pTextures = new CTexturePanel(this, document, NormalThumbnailFolder());
    m_docking.AddPane(m_pTextures, wxAuiPaneInfo()
                                       .Name(TEXTURES_NAME)
                                       .Caption(PanelCaption(TEXTURES_NAME))
                                       .Left()
                                       .BestSize(FromDIP(wxSize(TEXTURES_BEST_WIDTH, 400)))
                                       .MinSize(FromDIP(wxSize(120, 120))));
    m_pTextures->AcceptDropsOn(*m_pEditView, [] { return FLAT_DRAW_TIME; });
    m_pTextures->AcceptDropsOn(*m_p3DView, [&document] { return document.m_animTime; });
}

void CMainFrame::TogglePane(const char* name)
{
    ShowPane(name, !m_docking.GetPane(name).IsShown());
}

void CMainFrame::ShowPane(const char* name, bool show)
{
    m_docking.GetPane(name).Show(show);
    m_docking.Update();
    KeepRoomForPanes();
}

void CMainFrame::KeepRoomForPanes()
{
    wxSize minimum = m_wndSplitter->GetMinimumSize();
    // Each docked panel takes its sash and its border on both sides besides its own room.
    wxAuiDockArt& art = *m_docking.GetArtProvider();
    const int sash = art.GetMetric(wxAUI_DOCKART_SASH_SIZE) + 2 * art.GetMetric(wxAUI_DOCKART_PANE_BORDER_SIZE);
    const int caption = art.GetMetric(wxAUI_DOCKART_CAPTION_SIZE);
    // Panels stacked in a column beside the views need their minimum heights one above the other.
    int leftColumn = 0;
    int rightColumn = 0;
    const wxAuiPaneInfoArray& panes = m_docking.GetAllPanes();
    for (std::size_t i = 0; i < panes.GetCount(); ++i) {
        const wxAuiPaneInfo& pane = panes[i];
        if (!pane.IsShown() || !pane.IsDocked() || pane.window == m_wndSplitter)
            continue;
        const bool beside = pane.dock_direction == wxAUI_DOCK_LEFT || pane.dock_direction == wxAUI_DOCK_RIGHT;
        (beside ? minimum.x : minimum.y) += (beside ? pane.rect.width : pane.rect.height) + sash;
        if (beside)
            (pane.dock_direction == wxAUI_DOCK_LEFT ? leftColumn : rightColumn) += pane.min_size.y + caption + sash;
    }
    minimum.y = std::max({minimum.y, leftColumn, rightColumn});
    SetMinClientSize(minimum);
}

void CMainFrame::ShowProblemCount(const std::vector<Problem>& problems)
{
    const auto errors = std::count_if(problems.begin(), problems.end(),
                                      [](const Problem& problem) { return problem.severity == Severity::Error; });
    const auto warnings = std::count_if(problems.begin(), problems.end(),
                                        [](const Problem& problem) { return problem.severity == Severity::Warning; });
    // The pane left of the pointer's place.
    SetStatusText(wxString::Format(wxPLURAL("%ld error", "%ld errors", errors), long(errors)) + ", " +
                      wxString::Format(wxPLURAL("%ld warning", "%ld warnings", warnings), long(warnings)),
                  m_wndStatusBar->GetFieldsCount() - 2);
}

void CMainFrame::ShowEditViewObjects(const std::vector<CSGNode*>& nodes, bool zoom)
{
    if (!m_pEditView)
        return;
    const std::optional<LevelRect> area = AreaOf(nodes);
    if (!zoom || !area) {
        m_pEditView->ScrollIntoSight(nodes);
        return;
    }
    EditCamera camera = m_pEditView->Camera();
    // A zoom keeps some of the level around the objects in sight.
    constexpr float kRoom = 4.0f;
    FitArea(camera, 0.5f * (area->minX + area->maxX), 0.5f * (area->minZ + area->maxZ), area->maxX - area->minX + kRoom,
            area->maxZ - area->minZ + kRoom);
    m_pEditView->SetCamera(camera);
    m_pEditView->GetCanvas()->Refresh(false);
}

bool CMainFrame::TryBefore(wxEvent& event)
{
    if (event.GetEventType() != wxEVT_MENU)
        return RouteToFocusedText(event) || CFrameWnd::TryBefore(event);
    if (IsUndoOrRedo(event.GetId()))
        return UndoOrRedo(event);
    ClearEarlierStatus();
    return RouteToFocusedText(event) || CFrameWnd::TryBefore(event);
}

bool CMainFrame::UndoOrRedo(wxEvent& event)
{
    if (RouteToFocusedText(event))
        return true;
    CLevelMapDoc* document = m_pEditView ? m_pEditView->GetLevelDocument() : nullptr;
    if (!document)
        return CFrameWnd::TryBefore(event);
    const unsigned long changes = document->m_changeCount;
    const wxString earlier = StatusTextNow();
    const bool undo = event.GetId() == StandardId::EditUndo;
    // The step undone is the current one before, the step redone the current one after.
    const auto currentName = [document] {
        const wxCommand* step = document->GetHistory()->GetCurrentCommand();
        return step ? step->GetName() : wxString();
    };
    const wxString undone = currentName();
    const bool handled = CFrameWnd::TryBefore(event);
    if (document->m_changeCount == changes)
        return handled;
    m_pEditView->ScrollSelectionIntoView();
    // A pick text that followed its object through the step stays; otherwise the line names it.
    const bool followed = (m_pEditView->ShowsPick() || m_p3DView->ShowsPick()) && StatusTextNow() != earlier;
    if (!followed)
        SetStatusText(undo ? wxString::Format(_("Undone: %s"), undone) : wxString::Format(_("Redone: %s"), currentName()),
                      0);
    return handled;
}

bool CMainFrame::RouteToFocusedText(wxEvent& event)
{
    // While a text field has the focus, the editing keys edit its text, never the level.
    auto* text = dynamic_cast<wxTextCtrl*>(FindFocus());
    const wxEventType type = event.GetEventType();
    if (!text || (type != wxEVT_MENU && type != wxEVT_UPDATE_UI))
        return false;
    const TextCommand* command = FindTextCommand(event.GetId());
    if (!command)
        return false;
    if (type == wxEVT_UPDATE_UI)
        static_cast<wxUpdateUIEvent&>(event).Enable(command->can(*text));
    else if (command->can(*text))
        command->run(*text);
    return true;
}

void CMainFrame::ActivateNextPane(bool previous)
{
    if (!m_splitterReady)
        return;
    // The two views, then the inspector's forms, round the end.
    std::vector<wxWindow*> panes = {m_pEditView->GetWindow(), m_p3DView->GetWindow()};
    for (const char* name : {LEVEL_NAME, SELECTION_NAME})
        if (m_docking.GetPane(name).IsShown())
            panes.push_back(m_docking.GetPane(name).window);
    wxWindow* focus = FindFocus();
    auto at = std::find_if(panes.begin(), panes.end(), [focus](wxWindow* pane) {
        for (wxWindow* window = focus; window; window = window->GetParent())
            if (window == pane)
                return true;
        return false;
    });
    const std::size_t count = panes.size();
    std::size_t next = previous ? count - 1 : 0;
    if (at != panes.end())
        next = (static_cast<std::size_t>(at - panes.begin()) + (previous ? count - 1 : 1)) % count;
    panes[next]->SetFocus();
}

void CMainFrame::FitBothViews()
{
    if (m_pEditView)
        m_pEditView->ZoomToFit();
    if (m_p3DView)
        m_p3DView->ZoomToFit();
}

void CMainFrame::OnInitialUpdate()
{
    if (m_pProblems)
        m_pProblems->LevelReplaced();
    if (m_pTextures)
        m_pTextures->LevelReplaced();
    if (m_pEditView)
        m_pEditView->ClearMeasure();
}

void CMainFrame::PlacePreviewFirstCamera()
{
    if (!m_pEditView || !m_p3DView)
        return;
    // The preview starts at its default camera unless the floor is larger than the edit view's
    // default camera shows.
    EditCamera standard;
    standard.aspect = m_pEditView->m_aspect;
    const LevelFloor* floor = m_pEditView->GetFloor();
    m_p3DView->m_zoom = PreviewCamera{}.zoom;
    if (floor && !ShowsWholeFloor(standard, *floor))
        m_p3DView->ZoomToFit();
    m_p3DView->GetCanvas()->Refresh(false);
}

void CMainFrame::ClearEarlierStatus()
{
    if (!m_pEditView || !m_pEditView->GestureRunning())
        SetStatusText(IdleMessage(), 0);
}

void CMainFrame::OnModeCommand(wxCommandEvent& event)
{
    const ModeCommand* command = FindModeCommand(event.GetId());
    if (command && m_pEditView) {
        m_pEditView->m_mode = command->mode;
        m_pEditView->ShowPointerPlaceNow();
    }
}

wxString CMainFrame::StatusTextNow() const
{
    return m_wndStatusBar ? m_wndStatusBar->GetStatusText(0) : wxString();
}

void CMainFrame::OnInsertKind(wxCommandEvent& event)
{
    if (m_pEditView)
        m_pEditView->ChooseItemKind(ItemTypeOf(event.GetId()));
}

void CMainFrame::OnUpdateInsertKind(wxUpdateUIEvent& event)
{
    if (m_pEditView)
        event.Check(m_pEditView->m_insertType == ItemTypeOf(event.GetId()));
}

void CMainFrame::OnUpdateMode(wxUpdateUIEvent& event)
{
    const ModeCommand* command = FindModeCommand(event.GetId());
    if (!command || !m_pEditView)
        return;
    event.Enable(m_pEditView->m_mode != command->mode);
    if (command->showsChecked)
        event.Check(m_pEditView->m_mode == command->mode);
}

void CMainFrame::RestoreWindowState()
{
    wxConfigBase* settings = CurrentAppSettings();
    const bool placed = settings && RestoreWindowGeometry(*this, *settings, WINDOW_SETTINGS);
    if (!placed) {
        const int display = wxDisplay::GetFromWindow(this);
        const wxRect screen = wxDisplay(display == wxNOT_FOUND ? 0u : unsigned(display)).GetClientArea();
        SetSize(std::min(screen.width, FIRST_RUN_LARGEST.x), std::min(screen.height, FIRST_RUN_LARGEST.y));
        CentreOnScreen();
    }
    ResetLayout();
    if (!settings)
        return;
    if (m_pEditView)
        m_pEditView->m_texturedTop = settings->ReadBool(TEXTURED_TOP_SETTING, false);
    RestoreSplitterShares(*m_wndSplitter, *settings, SPLITTER_SETTINGS);
    // The saved layout holds the captions in the language of its run.
    if (RestoreDockingLayout(m_docking, *settings, DOCKING_SETTINGS)) {
        for (const DockedPanel& panel : DOCKED_PANELS)
            m_docking.GetPane(panel.name).Caption(PanelCaption(panel.name));
        // A notice is about the last run's file, not this one's.
        m_docking.GetPane(FILE_NOTICE_NAME).Hide();
        m_docking.Update();
        KeepRoomForPanes();
    }
}

void CMainFrame::ResetLayout()
{
    wxAuiDockArt& art = *m_docking.GetArtProvider();
    const int sash = art.GetMetric(wxAUI_DOCKART_SASH_SIZE) + 2 * art.GetMetric(wxAUI_DOCKART_PANE_BORDER_SIZE);
    const wxSize client = GetClientSize();
    int inspector = 0;
    for (const char* name : {LEVEL_NAME, SELECTION_NAME})
        inspector = std::max(inspector, m_docking.GetPane(name).window->GetBestSize().x);
    const PanelWidths widths = DefaultPanelWidths({client.x, inspector, sash});
    // A layout of the panels alone, without the docks' sizes, makes the docks take the panels'
    // best sizes again.
    wxString perspective = "layout2|";
    for (const DockedPanel& panel : DOCKED_PANELS) {
        wxAuiPaneInfo& pane = m_docking.GetPane(panel.name);
        pane.Direction(panel.direction).Layer(0).Row(0).Position(panel.position).Dock();
        if (panel.direction == wxAUI_DOCK_LEFT)
            pane.BestSize(widths.textures > 0 ? widths.textures : TEXTURES_BEST_WIDTH, client.y).Show(widths.textures > 0);
        else if (panel.direction == wxAUI_DOCK_RIGHT)
            // The two forms share the column's height as their whole columns would.
            pane.BestSize(widths.inspector, pane.window->GetBestSize().y).Show();
        else
            pane.Hide();
        perspective += m_docking.SavePaneInfo(pane) + "|";
    }
    perspective += m_docking.SavePaneInfo(m_docking.GetPane(PANES_NAME)) + "|";
    m_docking.LoadPerspective(perspective);
    SplitViews();
    KeepRoomForPanes();
}

void CMainFrame::SaveWindowState(wxConfigBase& settings) const
{
    SaveWindowGeometry(*this, settings, WINDOW_SETTINGS);
    SaveSplitterShares(*m_wndSplitter, settings, SPLITTER_SETTINGS);
    SaveDockingLayout(m_docking, settings, DOCKING_SETTINGS);
    if (m_pEditView)
        settings.Write(TEXTURED_TOP_SETTING, m_pEditView->m_texturedTop);
}
