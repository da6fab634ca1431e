#include "views/C3DGLView.h"

#include <algorithm>
#include <cmath>

#include <wx/glcanvas.h>

#include "document/AnimationClock.h"
#include "framework/Resource.h"
#include "document/CLevelMapDoc.h"
#include "glext/GLExtensions.h"
#include "image/ImageFile.h"
#include "level/DrawnBox.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"
#include "views/PreviewScene.h"

namespace {

// The eye's distance when the level has no floor to measure.
constexpr float kDefaultCameraDistance = 20.0f;
// A left press that moves further than this, in pixels, turns the level instead of clicking.
constexpr int kClickSlack = 3;

// The union of the boxes of the selected objects: false when none has one.
bool SelectionBox(const std::vector<CSGNode*>& nodes, double low[3], double high[3])
{
    bool any = false;
    for (const CSGNode* node : nodes) {
        DrawnBox box;
        if (!ObjectBox(*node, box))
            continue;
        for (int k = 0; k < 3; ++k) {
            const double from = static_cast<double>(box.centre[k]) - box.half[k];
            const double to = static_cast<double>(box.centre[k]) + box.half[k];
            low[k] = any ? std::min(low[k], from) : from;
            high[k] = any ? std::max(high[k], to) : to;
        }
        any = true;
    }
    return any;
}

} // namespace

C3DGLView::C3DGLView()
{
    m_popupMenu.Append(ID_TOGGLE_ANIMATION, _("&Toggle Animation"));
}

C3DGLView::~C3DGLView()
{
    // The document outlives its views; it must not call back into a destroyed one.
    if (CLevelMapDoc* document = GetLevelDocument())
        document->m_makePreviewCurrent = nullptr;
}

wxWindow* C3DGLView::CreateViewWindow(wxWindow* parent)
{
    wxWindow* canvas = CGLView::CreateViewWindow(parent);
    if (!canvas)
        return nullptr;
    // A quick second press comes as a double click: it is a press all the same.
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_DCLICK})
        canvas->Bind(type, &C3DGLView::OnLeftDown, this);
    canvas->Bind(wxEVT_LEFT_UP, &C3DGLView::OnLeftUp, this);
    for (const auto& type : {wxEVT_MIDDLE_DOWN, wxEVT_MIDDLE_DCLICK})
        canvas->Bind(type, &C3DGLView::OnMiddleDown, this);
    canvas->Bind(wxEVT_MIDDLE_UP, &C3DGLView::OnMiddleUp, this);
    canvas->Bind(wxEVT_MOTION, &C3DGLView::OnMotion, this);
    canvas->Bind(wxEVT_MOUSE_CAPTURE_LOST, &C3DGLView::OnCaptureLost, this);
    canvas->Bind(wxEVT_KEY_DOWN, &C3DGLView::OnKeyDown, this);
    canvas->Bind(wxEVT_RIGHT_DOWN, &C3DGLView::OnRightDown, this);
    // The popup menu's command comes back to the canvas that showed it.
    canvas->Bind(wxEVT_MENU, &C3DGLView::OnToggleAnimation, this, ID_TOGGLE_ANIMATION);
    canvas->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) { event.Skip(!m_drive.OnKey(event)); });
    return canvas;
}

void C3DGLView::OnInitialUpdate()
{
    CGLView::OnInitialUpdate();
    // The camera lives in the view and survives opening another level.
    if (m_navigationReady)
        return;
    const wxSize size = PhysicalClientSize();
    m_navigation.Resize(size.x, size.y);
    m_navigation.Reset(false);
    m_navigationReady = true;
}

void C3DGLView::InitialiseOpenGL()
{
    if (m_openGLReady)
        return;
    InitExtensions();
    InitImageLibrary();
    if (CLevelMapDoc* document = GetLevelDocument())
        document->m_makePreviewCurrent = [this] { return MakeCurrent(); };
    m_openGLReady = true;
}

void C3DGLView::OnResize(int width, int height)
{
    m_navigation.Resize(width, height);
}

float C3DGLView::CameraDistance() const
{
    const LevelFloor* floor = GetFloor();
    return floor ? static_cast<float>(std::max(floor->Width, floor->Heigth)) : kDefaultCameraDistance;
}

PreviewCamera C3DGLView::Camera() const
{
    PreviewCamera camera;
    camera.aspect = m_aspect;
    camera.zoom = m_zoom;
    camera.distance = CameraDistance();
    return m_navigation.Applied(camera);
}

void C3DGLView::ZoomToFit()
{
    const LevelFloor* floor = GetFloor();
    if (!floor)
        return;
    m_navigation.Reset(true);
    m_zoom = FloorFitZoom(Camera(), static_cast<float>(floor->Width), static_cast<float>(floor->Heigth));
    GetCanvas()->Refresh(false);
}

void C3DGLView::FrameSelection()
{
    const CLevelMapDoc* document = GetLevelDocument();
    double low[3];
    double high[3];
    if (!document || !SelectionBox(document->m_selection.Nodes(), low, high)) {
        ZoomToFit();
        return;
    }
    double centre[3];
    double squares = 0.0;
    for (int k = 0; k < 3; ++k) {
        centre[k] = 0.5 * (low[k] + high[k]);
        squares += 0.25 * (high[k] - low[k]) * (high[k] - low[k]);
    }
    m_zoom = m_navigation.Frame(Camera(), centre, std::sqrt(squares));
    GetCanvas()->Refresh(false);
}

void C3DGLView::ResetCamera()
{
    m_navigation.Reset(false);
    m_zoom = PreviewCamera{}.zoom;
    ZoomToFit();
    GetCanvas()->Refresh(false);
}

void C3DGLView::ZoomTo(float zoom, const wxPoint& pointer)
{
    m_navigation.ZoomToward(Camera(), zoom, pointer.x, pointer.y);
    m_zoom = zoom;
}

void C3DGLView::DrawFrame()
{
    InitialiseOpenGL();
    CLevelMapDoc* document = GetLevelDocument();
    LevelScene* scene = document ? document->m_pScene.get() : nullptr;
    if (scene)
        document->RunTextureWork(scene->Root());
    const wxSize size = PhysicalClientSize();
    if (m_drive.IsOn())
        m_drive.Draw(m_aspect, size.x, size.y);
    else
        DrawPreviewFrame(Camera(), scene ? &scene->Root() : nullptr, document ? document->m_animTime : 0.0f, &m_meshes);
    ShowImageNotices();
}

void C3DGLView::ShowImageNotices() const
{
    // Images refused while loading textures or the sky box (both happen in this drawing).
    wxString line;
    for (const std::string& notice : TakeImageNotices())
        line += (line.empty() ? "" : "; ") + wxString::FromUTF8(notice);
    if (!line.empty())
        SetStatusText(line);
}

void C3DGLView::ReleaseGLObjects()
{
    if (CLevelMapDoc* document = GetLevelDocument())
        document->ReleaseGLResources();
}

void C3DGLView::StartGesture(Gesture gesture, const wxPoint& point)
{
    EndGesture();
    m_gesture = gesture;
    m_pressPoint = point;
    if (gesture == Gesture::Turn)
        m_navigation.BeginTurn(point.x, point.y);
    else if (gesture == Gesture::Pan)
        m_navigation.BeginPan(point.x, point.y);
    GetCanvas()->SetFocus();
    GetCanvas()->CaptureMouse();
}

void C3DGLView::EndGesture()
{
    m_gesture = Gesture::None;
    if (GetCanvas()->HasCapture())
        GetCanvas()->ReleaseMouse();
}

void C3DGLView::OnLeftDown(wxMouseEvent& event)
{
    // Shift turns at once, as it always did; a plain press may still become a click.
    StartGesture(event.ShiftDown() ? Gesture::Turn : Gesture::Press, PhysicalPosition(event));
    // Shift turns here, so Ctrl alone adds to the selection or takes out of it.
    m_pressToggles = event.ControlDown();
}

void C3DGLView::OnMiddleDown(wxMouseEvent& event)
{
    StartGesture(Gesture::Pan, PhysicalPosition(event));
}

void C3DGLView::OnMotion(wxMouseEvent& event)
{
    const wxPoint point = PhysicalPosition(event);
    if (m_gesture == Gesture::Press) {
        const wxPoint moved = point - m_pressPoint;
        if (std::max(std::abs(moved.x), std::abs(moved.y)) <= kClickSlack)
            return;
        m_gesture = Gesture::Turn;
        m_navigation.BeginTurn(m_pressPoint.x, m_pressPoint.y);
    }
    if (m_gesture == Gesture::Turn)
        m_navigation.Turn(point.x, point.y);
    else if (m_gesture == Gesture::Pan)
        m_navigation.Pan(Camera(), point.x, point.y);
    else
        event.Skip();
    if (m_gesture != Gesture::None)
        GetCanvas()->Refresh(false);
}

void C3DGLView::OnLeftUp(wxMouseEvent&)
{
    const bool click = m_gesture == Gesture::Press;
    if (m_gesture != Gesture::Pan)
        EndGesture();
    CLevelMapDoc* document = GetLevelDocument();
    if (!click || !document)
        return;
    SelectObjectAt(m_pressPoint.x, m_pressPoint.y, document->m_animTime, m_pressToggles);
    document->UpdateAllViews(nullptr);
}

void C3DGLView::OnMiddleUp(wxMouseEvent&)
{
    if (m_gesture == Gesture::Pan)
        EndGesture();
}

void C3DGLView::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_gesture = Gesture::None;
}

void C3DGLView::OnKeyDown(wxKeyEvent& event)
{
    if (event.HasModifiers()) {
        event.Skip();
        return;
    }
    switch (event.GetKeyCode()) {
    case 'F':
        FrameSelection();
        break;
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
        ResetCamera();
        break;
    default:
        event.Skip();
    }
}

void C3DGLView::OnRightDown(wxMouseEvent& event)
{
    GetCanvas()->PopupMenu(&m_popupMenu, event.GetPosition());
}

void C3DGLView::OnToggleAnimation(wxCommandEvent&)
{
    CLevelMapDoc* document = GetLevelDocument();
    if (!document)
        return;
    // The clock catches up first, so that the time since the last idle pass counts in the state
    // it was spent in: switched on, the animation goes on from where it stood.
    AdvanceAnimationClock(*document, ProcessSeconds());
    document->m_bAnimate = !document->m_bAnimate;
    // The idle passes pace the animated frames from here on.
    wxWakeUpIdle();
}
