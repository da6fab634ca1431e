#include "views/CEditGLView.h"

#include <cmath>

#include <wx/glcanvas.h>
#include <wx/image.h>
#include <wx/imagbmp.h>

#include <algorithm>

#include "batching/FlatHandles.h"
#include "framework/Resource.h"
#include "document/CLevelMapDoc.h"
#include "document/NodeListCommand.h"
#include "document/ObjectClipboard.h"
#include "framework/StandardIds.h"
#include "document/ObjectNames.h"
#include "document/SelectionSteps.h"
#include "document/ValueCommand.h"
#include "framework/CFrameWnd.h"
#include "geometry/Footprint.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelObject.h"
#include "level/GameSettingsNode.h"
#include "level/LevelScene.h"
#include "level/Wall.h"
#include "scenegraph/NodeType.h"
#include "scenegraph/NumberText.h"
#include "views/PickPath.h"
#include "views/RunDrawing.h"

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

// The keys that choose a tool in the view: the item kinds in the order of their type numbers,
// then the measure.
struct ToolKey {
    int key;
    short mode;
    int itemType;
};

const ToolKey TOOL_KEYS[] = {
    {'1', CEditGLView::MODE_INSERT_ITEM, ITEM_NORMAL},
    {'2', CEditGLView::MODE_INSERT_ITEM, ITEM_LIFE_EXTRA},
    {'3', CEditGLView::MODE_INSERT_ITEM, ITEM_NO_GROWTH},
    {'4', CEditGLView::MODE_INSERT_ITEM, ITEM_DECREASE_LENGTH},
    {'5', CEditGLView::MODE_INSERT_ITEM, ITEM_INCREASE_SPEED},
    {'6', CEditGLView::MODE_INSERT_ITEM, ITEM_DECREASE_SPEED},
    {'M', CEditGLView::MODE_MEASURE, 0},
};

// Objects scrolled into sight keep this much of the level around them.
constexpr float kScrollMargin = 1.0f;

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
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_MIDDLE_DOWN, wxEVT_RIGHT_DOWN, wxEVT_MOUSEWHEEL})
        canvas->Bind(type, &CEditGLView::OnDesignerInput, this);
    canvas->Bind(wxEVT_KEY_DOWN, &CEditGLView::OnDesignerInput, this);
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

void CEditGLView::ActualSize()
{
    EditCamera camera;
    camera.aspect = m_aspect;
    SetCamera(camera);
    GetCanvas()->Refresh(false);
    ShowPointerPlaceNow();
}

void CEditGLView::ScrollSelectionIntoView()
{
    if (CLevelMapDoc* document = GetLevelDocument())
        ScrollIntoSight(MovableSelection(*document));
}

void CEditGLView::ScrollIntoSight(const std::vector<CSGNode*>& nodes)
{
    const std::optional<LevelRect> area = AreaOf(nodes);
    if (!area || m_width <= 0 || m_height <= 0)
        return;
    EditCamera camera = Camera();
    ScrollIntoView(camera, area->minX, area->minZ, area->maxX, area->maxZ, kScrollMargin);
    SetCamera(camera);
    GetCanvas()->Refresh(false);
}

void CEditGLView::ChooseItemKind(int itemType)
{
    if (GestureRunning())
        return;
    m_insertType = itemType;
    SetMode(MODE_INSERT_ITEM);
}

void CEditGLView::ClearMeasure()
{
    m_measureLine.reset();
    GetCanvas()->Refresh(false);
}

void CEditGLView::DrawFrame()
{
    CLevelMapDoc* document = GetLevelDocument();
    CSGGroup* levelGroup = document && document->m_pScene ? document->m_pScene->m_pLevelGroup : nullptr;
    DrawEditFrame(Camera(), m_gridSize, levelGroup, m_texturedTop);
    DrawWallHandles(WallsWithHandles(), static_cast<float>(kHandleHalfPixels * LevelUnitsPerPixel()),
                    static_cast<float>(kHandlesFromPixels * LevelUnitsPerPixel()));
    if (const auto* box = dynamic_cast<const BoxGesture*>(m_gesture.get())) {
        const LevelRect band = box->Band();
        DrawRubberBand(Camera(), band.minX, band.minZ, band.maxX, band.maxZ, box->Touching());
    }
    if (ShowsRunTrace())
        DrawRunTrace(Camera(), m_runTrace);
    if (const CSGNode* target = DropTarget())
        DrawHighlight(Camera(), CornersOf(*target));
    if (m_measureLine) {
        const MeasureLine& line = *m_measureLine;
        DrawMeasureLine(Camera(), static_cast<float>(line.from.x), static_cast<float>(line.from.z),
                        static_cast<float>(line.to.x), static_cast<float>(line.to.z));
    }
}

void CEditGLView::ShowRunTrace(std::vector<TracePoint> trace)
{
    CLevelMapDoc* document = GetLevelDocument();
    m_runTrace = document ? std::move(trace) : std::vector<TracePoint>();
    m_runTraceChange = document ? document->m_changeCount : 0;
    GetCanvas()->Refresh(false);
}

bool CEditGLView::ShowsRunTrace() const
{
    const CLevelMapDoc* document = GetLevelDocument();
    return !m_runTrace.empty() && document && document->m_changeCount == m_runTraceChange;
}

void CEditGLView::OnResize(int width, int height)
{
    m_width = width;
    m_height = height;
    if (m_firstCameraFollows && width > 0 && height > 0)
        FitFirstCamera();
}

void CEditGLView::OnInitialUpdate()
{
    CGLView::OnInitialUpdate();
    m_firstCameraFollows = true;
    FitFirstCamera();
}

void CEditGLView::FitFirstCamera()
{
    ZoomToFit();
    if (m_firstCameraFitted)
        m_firstCameraFitted();
}

void CEditGLView::OnDesignerInput(wxEvent& event)
{
    event.Skip();
    m_firstCameraFollows = false;
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
    case MODE_MEASURE:
        return CornerSnap;
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

bool CEditGLView::TakeKeyboard()
{
    GetCanvas()->SetFocus();
    return true;
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
    case MODE_MEASURE:
        StartMeasure(point);
        break;
    default:
        break;
    }
}

CEditGLView::PointPicks CEditGLView::PicksAt(const wxPoint& point)
{
    PointPicks picks;
    CLevelMapDoc* document = GetLevelDocument();
    if (!MakeCurrent())
        return picks;
    // The camera as it is now, as UnprojectPoint takes it.
    glViewport(0, 0, m_width, m_height);
    ApplyEditCamera(Camera());
    const CSGGroup& group = *document->m_pScene->m_pLevelGroup;
    std::vector<CSGNode*> objects;
    for (const std::vector<int>& path : PickLevelPaths(*document->m_pScene, point.x, point.y, FLAT_DRAW_TIME)) {
        CSGNode* node = NodeAtPath(group, path);
        if (node && node->GetType() == LEVEL_FLOOR_NODE)
            picks.floor = node;
        else if (node)
            objects.push_back(node);
    }
    picks.objects = PickCycle::BySize(std::move(objects));
    return picks;
}

void CEditGLView::StartMeasure(const wxPoint& point)
{
    CLevelMapDoc* document = GetLevelDocument();
    const GameSettingsNode* settings = document->m_pScene->m_pGameSettings;
    const double velocity = settings ? settings->SnakeInitialVelocity : 0.0;
    StartGesture(std::make_unique<MeasureGesture>(*this, velocity, ObjectCorners(*document->m_pScene->m_pLevelGroup),
                                                  point));
}

void CEditGLView::SelectOrStartDrag(const wxPoint& point, const wxMouseEvent& event)
{
    CLevelMapDoc* document = GetLevelDocument();
    Selection& selection = document->m_selection;
    const bool toggle = event.ShiftDown() || event.ControlDown();
    if (!event.AltDown() && !event.ControlDown()) {
        Wall* wall = nullptr;
        Handle handle{};
        if (HandleUnder(point, wall, handle)) {
            StartGesture(std::make_unique<ResizeGesture>(*this, *document, point, *wall, handle));
            return;
        }
    }
    const PointPicks picks = PicksAt(point);
    // With Alt the press always draws a band: Alt touches, Ctrl+Alt takes out.
    if (event.AltDown() || picks.objects.empty()) {
        CSGNode* pressed = picks.objects.empty() ? picks.floor : picks.objects.front();
        const BoxGesture::Keys keys{event.AltDown(), toggle};
        StartGesture(std::make_unique<BoxGesture>(*this, *document, point, pressed, keys));
        return;
    }
    // A press on a selected object drags the selection, whatever lies over it; elsewhere the
    // smallest object under the pointer is taken.
    const auto selected = std::find_if(picks.objects.begin(), picks.objects.end(),
                                       [&selection](const CSGNode* node) { return selection.Contains(node); });
    const bool wasSelected = selected != picks.objects.end();
    const std::size_t pressedAt = wasSelected ? static_cast<std::size_t>(selected - picks.objects.begin()) : 0;
    CSGNode* pressed = picks.objects[pressedAt];
    std::size_t picksAt = pressedAt;
    if (!toggle)
        picksAt = m_pickCycle.Take(point.x, point.y, picks.objects, selection.Single(), pressedAt);
    CSGNode* clicked = picks.objects[picksAt];
    const wxString status = picks.objects.size() > 1 ? OneOfHereStatus(*clicked, picksAt, picks.objects.size())
                                                     : DescribeObject(*clicked);
    std::vector<CSGNode*> before = selection.Nodes();
    if (!wasSelected && toggle)
        selection.Add(pressed);
    else if (!wasSelected)
        selection.Set(pressed);
    const DragGesture::Click click{wasSelected, toggle, clicked, status};
    StartGesture(std::make_unique<DragGesture>(*this, *document, point, *pressed, std::move(before), click));
    UpdateAllViews();
}

double CEditGLView::LevelUnitsPerPixel() const
{
    return 2.0 / (std::max(m_height, 1) * static_cast<double>(m_zoom));
}

std::vector<CSGNode*> CEditGLView::WallsWithHandles() const
{
    CLevelMapDoc* document = GetLevelDocument();
    std::vector<CSGNode*> walls;
    if (!document || m_mode != MODE_SELECT)
        return walls;
    for (CSGNode* node : document->m_selection.Nodes()) {
        if (node->GetType() != WALL_NODE)
            continue;
        // Beyond a few, a selection is something to move as a whole, not to reshape.
        if (walls.size() == kMostWallsWithHandles)
            return {};
        walls.push_back(node);
    }
    return walls;
}

bool CEditGLView::HandleUnder(const wxPoint& point, Wall*& wall, Handle& handle)
{
    const std::vector<CSGNode*> walls = WallsWithHandles();
    if (walls.empty())
        return false;
    const LevelPoint p = UnprojectPoint(point.x, point.y);
    const double reach = kHandleReachPixels * LevelUnitsPerPixel();
    const double leastSide = kHandlesFromPixels * LevelUnitsPerPixel();
    for (CSGNode* node : walls) {
        Footprint footprint;
        if (Footprint::Of(*node, footprint) && HasHandles(footprint, leastSide)
            && HandleNear(footprint, p.x, p.z, reach, handle)) {
            wall = static_cast<Wall*>(node);
            return true;
        }
    }
    return false;
}

wxCursor CEditGLView::HandleCursor(const wxPoint& point)
{
    Wall* wall = nullptr;
    Handle handle{};
    if (!HandleUnder(point, wall, handle))
        return wxCursor(wxCURSOR_ARROW);
    Footprint footprint;
    Footprint::Of(*wall, footprint);
    const FlatPoint place = HandlePlace(footprint, handle);
    // Level Z grows downward on the screen, as pixel rows do.
    const double degrees = std::atan2(place.z - wall->z, place.x - wall->x) * 180.0 / 3.14159265358979;
    const double across = std::fmod(degrees + 360.0 + 22.5, 180.0);
    static const wxStockCursor kByDirection[] = {wxCURSOR_SIZEWE, wxCURSOR_SIZENWSE, wxCURSOR_SIZENS, wxCURSOR_SIZENESW};
    return wxCursor(kByDirection[std::min(3, static_cast<int>(across / 45.0))]);
}

void CEditGLView::InsertItem(const wxPoint& point)
{
    CLevelMapDoc* document = GetLevelDocument();
    const LevelPoint p = SnappedPoint(point, CellCentreSnap);
    LevelGroupNode& group = *document->m_pScene->m_pLevelGroup;
    std::vector<NodeListCommand::Addition> additions;
    auto item = std::make_unique<Item>(static_cast<float>(p.x), 0.0f, static_cast<float>(p.z), m_insertType);
    const wxString inserted = wxString::Format(_("Inserted %s"), DescribeObject(*item));
    additions.push_back({&group, group.ChildCount(), std::move(item), {}});
    m_mode = MODE_SELECT;
    CSGNode* added = additions.front().node.get();
    document->Submit(NodeListCommand::Adding(*document, _("Insert Item"), std::move(additions)));
    ShowPick(*added, inserted);
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
        m_runTrace.clear();
        // One thing at a time: the gesture, then the measured line, then the selection.
        if (GestureRunning())
            CancelGesture();
        else if (m_measureLine)
            ClearMeasure();
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
        TurnSelection(*document, -turn, m_snapToGrid ? m_gridSize : 0);
        break;
    case ']':
    case '}':
        TurnSelection(*document, turn, m_snapToGrid ? m_gridSize : 0);
        break;
    default:
        if (!ChooseToolByKey(code))
            event.Skip();
    }
}

bool CEditGLView::ChooseToolByKey(int code)
{
    for (const ToolKey& key : TOOL_KEYS) {
        if (key.key != code)
            continue;
        if (key.mode == MODE_INSERT_ITEM)
            ChooseItemKind(key.itemType);
        else
            SetMode(key.mode);
        return true;
    }
    return false;
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
        if (m_mode == MODE_SELECT)
            GetCanvas()->SetCursor(HandleCursor(point));
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
        event.SetCursor(HandleCursor(PointerNow()));
        break;
    case MODE_CREATE_WALL:
    case MODE_MEASURE:
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
    if (const wxString status = RunClipboardCommand(*document, id); !status.empty())
        SetStatusText(status);
    // What Paste and Duplicate added is selected.
    if (id == ID_EDIT_DUPLICATE || id == StandardId::EditPaste)
        ScrollSelectionIntoView();
    UpdateAllViews();
}

wxString CEditGLView::RunClipboardCommand(CLevelMapDoc& document, int id)
{
    const wxString copied = CountedObjects(CopyableSelection(document));
    if (id == StandardId::EditCut)
        return CutSelection(document) ? wxString::Format(_("Cut %s to the clipboard"), copied) : wxString();
    if (id == StandardId::EditCopy)
        return CopySelection(document) ? wxString::Format(_("Copied %s to the clipboard"), copied) : wxString();
    if (id == ID_EDIT_DUPLICATE)
        return DuplicateSelection(document, static_cast<float>(m_gridSize)) ? wxString::Format(_("Duplicated %s"), copied)
                                                                            : wxString();
    if (id == ID_EDIT_SELECT_ALL) {
        document.SelectAllObjects();
        return wxString::Format(_("Selected %s"), CountedObjects(document.m_selection.Nodes()));
    }
    const std::size_t before = document.m_pScene->m_pLevelGroup->ChildCount();
    const wxString trouble = PasteObjects(document, PastePlaceHere());
    const long pasted = static_cast<long>(document.m_pScene->m_pLevelGroup->ChildCount() - before);
    return trouble.empty() ? wxString::Format(wxPLURAL("Pasted %ld object", "Pasted %ld objects", pasted), pasted) : trouble;
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
