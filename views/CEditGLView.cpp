#include "views/CEditGLView.h"

#include <cmath>

#include <wx/glcanvas.h>
#include <wx/image.h>
#include <wx/imagbmp.h>

#include "framework/Resource.h"
#include "document/CLevelMapDoc.h"
#include "document/NodeListCommand.h"
#include "document/ObjectClipboard.h"
#include "framework/StandardIds.h"
#include "document/ObjectNames.h"
#include "document/SelectionSteps.h"
#include "document/ValueCommand.h"
#include "framework/CFrameWnd.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelObject.h"
#include "level/LevelScene.h"
#include "level/Wall.h"
#include "scenegraph/NumberText.h"

namespace {

// Grid size commands and the spacing each one sets.
struct GridSizeCommand {
    int commandId;
    int gridSize;
};

const GridSizeCommand GRID_SIZE_COMMANDS[] = {
    {ID_GRID_SIZE_1, 1}, {ID_GRID_SIZE_2, 2}, {ID_GRID_SIZE_5, 5}, {ID_GRID_SIZE_10, 10}};

const GridSizeCommand* FindGridSizeCommand(int commandId)
{
    for (const GridSizeCommand& command : GRID_SIZE_COMMANDS)
        if (command.commandId == commandId)
            return &command;
    return nullptr;
}

// The clipboard commands, which act on the level whichever pane is active (a focused text
// field takes them first).
const int CLIPBOARD_COMMANDS[] = {StandardId::EditCut, StandardId::EditCopy, StandardId::EditPaste, ID_EDIT_DUPLICATE,
                                  ID_EDIT_SELECT_ALL};

// A coordinate to two decimals, without the "-0.00" of a point just beside an axis.
double TwoDecimals(double value)
{
    const double rounded = std::round(value * 100.0) / 100.0;
    return rounded == 0.0 ? 0.0 : rounded;
}

wxCursor LoadItemCursor()
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_CUR))
        wxImage::AddHandler(new wxCURHandler);
    if (!wxFileExists(CEditGLView::ITEM_CURSOR_PATH))
        return wxCursor();
    return wxCursor(CEditGLView::ITEM_CURSOR_PATH, wxBITMAP_TYPE_CUR);
}

} // namespace

CEditGLView::CEditGLView() : m_hItemCursor(LoadItemCursor())
{
    m_zoom = 0.05f;
}

wxWindow* CEditGLView::CreateViewWindow(wxWindow* parent)
{
    wxWindow* canvas = CGLView::CreateViewWindow(parent);
    if (!canvas)
        return nullptr;
    // A quick second press comes as a double click: it is a press all the same.
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_DCLICK})
        canvas->Bind(type, &CEditGLView::OnLeftDown, this);
    canvas->Bind(wxEVT_LEFT_UP, &CEditGLView::OnLeftUp, this);
    canvas->Bind(wxEVT_MIDDLE_DOWN, &CEditGLView::OnMiddleDown, this);
    canvas->Bind(wxEVT_MIDDLE_UP, &CEditGLView::OnMiddleUp, this);
    canvas->Bind(wxEVT_MOTION, &CEditGLView::OnMotion, this);
    canvas->Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& event) {
        if (m_pointerReadout)
            m_pointerReadout(wxString());
        event.Skip();
    });
    canvas->Bind(wxEVT_MOUSE_CAPTURE_LOST, &CEditGLView::OnCaptureLost, this);
    canvas->Bind(wxEVT_SET_CURSOR, &CEditGLView::OnSetCursor, this);
    canvas->Bind(wxEVT_KEY_DOWN, &CEditGLView::OnKeyDown, this);
    // The grid settings are the edit view's own, so its commands work whichever pane is
    // active: they are handled where every command ends up, at the frame.
    m_commandFrame = wxGetTopLevelParent(parent);
    if (m_commandFrame) {
        m_commandFrame->Bind(wxEVT_MENU, &CEditGLView::OnGridCommand, this, ID_GRID_SIZE_1, ID_GRID_SNAP);
        m_commandFrame->Bind(wxEVT_UPDATE_UI, &CEditGLView::OnUpdateGridCommand, this, ID_GRID_SIZE_1, ID_GRID_SNAP);
        for (const int command : CLIPBOARD_COMMANDS) {
            m_commandFrame->Bind(wxEVT_MENU, &CEditGLView::OnClipboardCommand, this, command);
            m_commandFrame->Bind(wxEVT_UPDATE_UI, &CEditGLView::OnUpdateClipboardCommand, this, command);
        }
    }
    return canvas;
}

void CEditGLView::OnDestroyWindow()
{
    CancelGesture();
    if (m_commandFrame) {
        m_commandFrame->Unbind(wxEVT_MENU, &CEditGLView::OnGridCommand, this, ID_GRID_SIZE_1, ID_GRID_SNAP);
        m_commandFrame->Unbind(wxEVT_UPDATE_UI, &CEditGLView::OnUpdateGridCommand, this, ID_GRID_SIZE_1, ID_GRID_SNAP);
        for (const int command : CLIPBOARD_COMMANDS) {
            m_commandFrame->Unbind(wxEVT_MENU, &CEditGLView::OnClipboardCommand, this, command);
            m_commandFrame->Unbind(wxEVT_UPDATE_UI, &CEditGLView::OnUpdateClipboardCommand, this, command);
        }
    }
    CGLView::OnDestroyWindow();
}

EditCamera CEditGLView::Camera() const
{
    EditCamera camera;
    camera.zoom = m_zoom;
    camera.copX = m_copX;
    camera.copY = m_copY;
    camera.aspect = m_aspect;
    return camera;
}

void CEditGLView::SetCamera(const EditCamera& camera)
{
    m_zoom = camera.zoom;
    m_copX = camera.copX;
    m_copY = camera.copY;
}

void CEditGLView::ZoomTo(float zoom, const wxPoint& pointer)
{
    EditCamera camera = Camera();
    ZoomAbout(camera, zoom, pointer.x, pointer.y, m_width, m_height);
    SetCamera(camera);
}

void CEditGLView::ZoomToFit()
{
    const LevelFloor* floor = GetFloor();
    if (!floor)
        return;
    EditCamera camera = Camera();
    FitFloor(camera, static_cast<float>(floor->Width), static_cast<float>(floor->Heigth));
    SetCamera(camera);
    GetCanvas()->Refresh(false);
    ShowPointerPlaceNow();
}

void CEditGLView::DrawFrame()
{
    CLevelMapDoc* document = GetLevelDocument();
    CSGGroup* levelGroup = document && document->m_pScene ? document->m_pScene->m_pLevelGroup : nullptr;
    DrawEditFrame(Camera(), m_gridSize, levelGroup, m_texturedTop);
    if (const auto* box = dynamic_cast<const BoxGesture*>(m_gesture.get())) {
        const LevelRect band = box->Band();
        DrawRubberBand(Camera(), band.minX, band.minZ, band.maxX, band.maxZ);
    }
}

void CEditGLView::OnResize(int width, int height)
{
    m_width = width;
    m_height = height;
}

LevelPoint CEditGLView::UnprojectPoint(int x, int y)
{
    MakeCurrent();
    // The camera and size as they are now, not as the last frame left them: Zoom to Fit, the
    // wheel, panning and resizing change them before the pane repaints.
    glViewport(0, 0, m_width, m_height);
    ApplyEditCamera(Camera());
    return ::UnprojectPoint(x, y);
}

LevelPoint CEditGLView::SnappedPoint(const wxPoint& point, SnapRule snap)
{
    LevelPoint p = UnprojectPoint(point.x, point.y);
    if (m_snapToGrid && snap) {
        p.x = snap(p.x, m_gridSize);
        p.z = snap(p.z, m_gridSize);
    }
    return p;
}

CEditGLView::SnapRule CEditGLView::ModeSnap() const
{
    switch (m_mode) {
    case MODE_CREATE_WALL:
        return CornerSnap;
    case MODE_INSERT_ITEM:
        return CellCentreSnap;
    default:
        return nullptr;
    }
}

void CEditGLView::ShowPointerPlace(const wxPoint& point)
{
    if (!m_pointerReadout)
        return;
    // A gesture holds the mouse and reports moves outside the view too.
    if (!wxRect(PhysicalClientSize()).Contains(point)) {
        m_pointerReadout(wxString());
        return;
    }
    const LevelPoint p = SnappedPoint(point, ModeSnap());
    m_pointerReadout(FormatCLocale("X: %.2f  Z: %.2f", TwoDecimals(p.x), TwoDecimals(p.z)));
}

void CEditGLView::StartCapture()
{
    if (!GetCanvas()->HasCapture())
        GetCanvas()->CaptureMouse();
}

void CEditGLView::EndCapture()
{
    if (GetCanvas()->HasCapture())
        GetCanvas()->ReleaseMouse();
}

void CEditGLView::UpdateAllViews()
{
    if (CLevelMapDoc* document = GetLevelDocument())
        document->UpdateAllViews(nullptr);
}

void CEditGLView::RefreshPanes()
{
    for (CView* view : GetLevelDocument()->GetViewList())
        if (auto* pane = dynamic_cast<CGLView*>(view); pane && pane->GetCanvas())
            pane->GetCanvas()->Refresh(false);
}

// --- gestures ---

void CEditGLView::StartGesture(std::unique_ptr<EditGesture> gesture)
{
    m_gesture = std::move(gesture);
    GetLevelDocument()->BeginGesture([this] { EndGesture(false); });
    StartCapture();
}

void CEditGLView::EndGesture(bool commit)
{
    std::unique_ptr<EditGesture> gesture = std::move(m_gesture);
    if (!gesture)
        return;
    if (CLevelMapDoc* document = GetLevelDocument())
        document->EndGesture();
    EndCapture();
    if (commit) {
        gesture->Commit();
    } else {
        gesture->Cancel();
        SetStatusText(CFrameWnd::IdleMessage());
    }
    UpdateAllViews();
}

void CEditGLView::CancelGesture()
{
    EndGesture(false);
}

std::optional<EditGesture::Kind> CEditGLView::RunningGesture() const
{
    return m_gesture ? std::optional(m_gesture->GetKind()) : std::nullopt;
}

void CEditGLView::ReleaseButton(int button)
{
    if (m_gesture && m_gesture->Button() == button)
        EndGesture(true);
}

// --- left button ---

void CEditGLView::OnLeftDown(wxMouseEvent& event)
{
    CLevelMapDoc* document = GetLevelDocument();
    if (m_gesture || !document || !document->m_pScene || !document->m_pScene->m_pLevelGroup)
        return;
    const wxPoint point = PhysicalPosition(event);
    switch (m_mode) {
    case MODE_SELECT:
        SelectOrStartDrag(point, event);
        break;
    case MODE_CREATE_WALL:
        StartGesture(std::make_unique<WallGesture>(*this, *document, point));
        UpdateAllViews();
        break;
    case MODE_INSERT_ITEM:
        InsertItem(point);
        break;
    default:
        break;
    }
}

void CEditGLView::SelectOrStartDrag(const wxPoint& point, const wxMouseEvent& event)
{
    CLevelMapDoc* document = GetLevelDocument();
    Selection& selection = document->m_selection;
    const bool toggle = event.ShiftDown() || event.ControlDown();
    CSGNode* hit = PickNodeAt(point.x, point.y, FLAT_DRAW_TIME);
    if (!hit || hit->GetType() == LEVEL_FLOOR_NODE) {
        // Where there is no wall, item or start marker the press draws a rubber band.
        const BoxGesture::Keys keys{event.AltDown(), toggle};
        StartGesture(std::make_unique<BoxGesture>(*this, *document, point, hit, keys));
        return;
    }
    // A press on an object moves it at once, with the rest of the selection when it is in it.
    std::vector<CSGNode*> before = selection.Nodes();
    const bool wasSelected = selection.Contains(hit);
    if (!wasSelected && toggle)
        selection.Add(hit);
    else if (!wasSelected)
        selection.Set(hit);
    StartGesture(std::make_unique<DragGesture>(*this, *document, point, *hit, std::move(before), wasSelected, toggle));
    UpdateAllViews();
}

void CEditGLView::InsertItem(const wxPoint& point)
{
    CLevelMapDoc* document = GetLevelDocument();
    const LevelPoint p = SnappedPoint(point, CellCentreSnap);
    LevelGroupNode& group = *document->m_pScene->m_pLevelGroup;
    std::vector<NodeListCommand::Addition> additions;
    auto item = std::make_unique<Item>(static_cast<float>(p.x), 0.0f, static_cast<float>(p.z), ITEM_LIFE_EXTRA);
    const wxString inserted = wxString::Format(_("Inserted %s"), DescribeObject(*item));
    additions.push_back({&group, group.ChildCount(), std::move(item), {}});
    m_mode = MODE_SELECT;
    document->Submit(NodeListCommand::Adding(*document, _("Insert Item"), std::move(additions)));
    SetStatusText(inserted);
    ShowPointerPlaceNow();
}

void CEditGLView::OnLeftUp(wxMouseEvent&)
{
    ReleaseButton(wxMOUSE_BTN_LEFT);
}

void CEditGLView::OnKeyDown(wxKeyEvent& event)
{
    const float step = event.ShiftDown() ? 0.1f : 1.0f;
    const float turn = event.ShiftDown() ? 90.0f : 15.0f;
    CLevelMapDoc* document = GetLevelDocument();
    const int code = event.GetKeyCode();
    if (!document || !document->m_pScene || event.HasModifiers()) {
        event.Skip();
        return;
    }
    switch (code) {
    case WXK_ESCAPE:
        if (GestureRunning())
            CancelGesture();
        else
            document->m_selection.Clear();
        SetStatusText(CFrameWnd::IdleMessage());
        UpdateAllViews();
        break;
    case WXK_LEFT:
        MoveSelection(-step, 0.0f);
        break;
    case WXK_RIGHT:
        MoveSelection(step, 0.0f);
        break;
    case WXK_UP:
        MoveSelection(0.0f, -step);
        break;
    case WXK_DOWN:
        MoveSelection(0.0f, step);
        break;
    case 'S':
        SetMode(MODE_SELECT);
        break;
    case 'W':
        SetMode(MODE_CREATE_WALL);
        break;
    case 'I':
        SetMode(MODE_INSERT_ITEM);
        break;
    case '[':
    case '{':
        TurnSelection(*document, -turn);
        break;
    case ']':
    case '}':
        TurnSelection(*document, turn);
        break;
    default:
        event.Skip();
    }
}

void CEditGLView::SetMode(short mode)
{
    if (GestureRunning())
        return;
    m_mode = mode;
    SetStatusText(CFrameWnd::IdleMessage());
    ShowPointerPlaceNow();
}

void CEditGLView::MoveSelection(float dx, float dz)
{
    if (!GestureRunning())
        MoveSelectionBy(*GetLevelDocument(), dx * static_cast<float>(m_gridSize), dz * static_cast<float>(m_gridSize));
}

// --- mouse moves ---

void CEditGLView::OnMotion(wxMouseEvent& event)
{
    const wxPoint point = PhysicalPosition(event);
    ShowPointerPlace(point);
    if (!m_gesture) {
        event.Skip();
        return;
    }
    // A release the view never saw (it happened outside while another window held the mouse)
    // ends the gesture here, as that release would have.
    const bool held = m_gesture->Button() == wxMOUSE_BTN_LEFT ? event.LeftIsDown() : event.MiddleIsDown();
    if (held)
        m_gesture->Update(point);
    else
        EndGesture(true);
}

// --- middle button ---

void CEditGLView::OnMiddleDown(wxMouseEvent& event)
{
    // One gesture at a time: a pan would take the capture away from a drag or a new wall.
    if (m_gesture || !GetLevelDocument())
        return;
    StartGesture(std::make_unique<PanGesture>(*this, PhysicalPosition(event)));
}

void CEditGLView::OnMiddleUp(wxMouseEvent&)
{
    ReleaseButton(wxMOUSE_BTN_MIDDLE);
}

void CEditGLView::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    // Another window took the mouse: the gesture ends as if released.
    EndGesture(true);
}

void CEditGLView::OnSetCursor(wxSetCursorEvent& event)
{
    switch (m_mode) {
    case MODE_SELECT:
        event.SetCursor(wxCursor(wxCURSOR_ARROW));
        break;
    case MODE_CREATE_WALL:
        event.SetCursor(wxCursor(wxCURSOR_CROSS));
        break;
    case MODE_INSERT_ITEM:
        // Without its cursor file the mode shows no cursor in the view.
        event.SetCursor(m_hItemCursor.IsOk() ? m_hItemCursor : wxCursor(wxCURSOR_BLANK));
        break;
    default:
        break;
    }
    if (RunningGesture() == EditGesture::Kind::Pan)
        event.SetCursor(wxCursor(wxCURSOR_SIZING));
}

// --- clipboard ---

void CEditGLView::OnClipboardCommand(wxCommandEvent& event)
{
    CLevelMapDoc* document = GetLevelDocument();
    if (!document || !document->m_pScene)
        return;
    document->CancelGesture();
    const int id = event.GetId();
    if (id == StandardId::EditCut)
        CutSelection(*document);
    else if (id == StandardId::EditCopy)
        CopySelection(*document);
    else if (id == ID_EDIT_DUPLICATE)
        DuplicateSelection(*document, static_cast<float>(m_gridSize));
    else if (id == ID_EDIT_SELECT_ALL)
        document->SelectAllObjects();
    else if (const wxString status = PasteObjects(*document, PastePlaceHere()); !status.empty())
        SetStatusText(status);
    UpdateAllViews();
}

void CEditGLView::OnUpdateClipboardCommand(wxUpdateUIEvent& event)
{
    CLevelMapDoc* document = GetLevelDocument();
    // Cut, Copy and Duplicate take the selected walls and items; Paste and Select All need none.
    const int id = event.GetId();
    const bool needsSelection = id != StandardId::EditPaste && id != ID_EDIT_SELECT_ALL;
    event.Enable(document && document->m_pScene && (!needsSelection || CanCopySelection(*document)));
}

PastePlace CEditGLView::PastePlaceHere()
{
    PastePlace place;
    place.gridStep = static_cast<float>(m_gridSize);
    place.snap = m_snapToGrid;
    const wxPoint point = PointerNow();
    if (wxRect(PhysicalClientSize()).Contains(point)) {
        const LevelPoint p = UnprojectPoint(point.x, point.y);
        place.pointer = ObjectPosition{static_cast<float>(p.x), static_cast<float>(p.z)};
    }
    return place;
}

wxPoint CEditGLView::PointerNow() const
{
    return PhysicalPoint(GetCanvas()->ScreenToClient(wxGetMousePosition()));
}

void CEditGLView::ShowPointerPlaceNow()
{
    ShowPointerPlace(PointerNow());
}

// --- Grid commands ---

// The handlers are bound to the ids 140 to 144: the four sizes and then the snap switch.
void CEditGLView::OnGridCommand(wxCommandEvent& event)
{
    if (const GridSizeCommand* command = FindGridSizeCommand(event.GetId()))
        m_gridSize = command->gridSize;
    else
        m_snapToGrid = !m_snapToGrid;
    GetCanvas()->Refresh(false);
    ShowPointerPlaceNow();
}

void CEditGLView::OnUpdateGridCommand(wxUpdateUIEvent& event)
{
    event.Enable(true);
    if (const GridSizeCommand* command = FindGridSizeCommand(event.GetId()))
        event.Check(m_gridSize == command->gridSize);
    else
        event.Check(m_snapToGrid);
}
