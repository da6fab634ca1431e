#include "views/C3DGLView.h"

#include <algorithm>

#include <wx/glcanvas.h>

#include "document/AnimationClock.h"
#include "framework/Resource.h"
#include "document/CLevelMapDoc.h"
#include "glext/GLExtensions.h"
#include "image/ImageFile.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"
#include "views/PreviewScene.h"

namespace {

// The eye's distance when the level has no floor to measure.
constexpr float kDefaultCameraDistance = 20.0f;

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
    canvas->Bind(wxEVT_MOTION, &C3DGLView::OnMotion, this);
    canvas->Bind(wxEVT_MOUSE_CAPTURE_LOST, &C3DGLView::OnCaptureLost, this);
    canvas->Bind(wxEVT_RIGHT_DOWN, &C3DGLView::OnRightDown, this);
    // The popup menu's command comes back to the canvas that showed it.
    canvas->Bind(wxEVT_MENU, &C3DGLView::OnToggleAnimation, this, ID_TOGGLE_ANIMATION);
    canvas->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) { event.Skip(!m_drive.OnKey(event)); });
    return canvas;
}

void C3DGLView::OnInitialUpdate()
{
    CGLView::OnInitialUpdate();
    // The rotation lives in the view and survives opening another level.
    if (m_trackballReady)
        return;
    const wxSize size = PhysicalClientSize();
    m_trackball.Init(size.x, size.y);
    m_trackball.BuildRotationMatrix(m_rotation);
    m_trackballReady = true;
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
    m_trackball.Resize(width, height);
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
    camera.rotation = m_rotation;
    return camera;
}

void C3DGLView::ZoomToFit()
{
    const LevelFloor* floor = GetFloor();
    if (!floor)
        return;
    m_zoom = FloorFitZoom(Camera(), static_cast<float>(floor->Width), static_cast<float>(floor->Heigth));
    GetCanvas()->Refresh(false);
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
        DrawPreviewFrame(Camera(), scene ? &scene->Root() : nullptr, document ? document->m_animTime : 0.0f);
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

void C3DGLView::OnLeftDown(wxMouseEvent& event)
{
    const wxPoint point = PhysicalPosition(event);
    if (!m_rotating && event.ShiftDown()) {
        m_trackball.Start(point.x, point.y);
        GetCanvas()->CaptureMouse();
        m_rotating = true;
        return;
    }
    CLevelMapDoc* document = GetLevelDocument();
    if (!document)
        return;
    // Shift turns the level here, so Ctrl alone adds to the selection or takes out of it.
    SelectObjectAt(point.x, point.y, document->m_animTime, event.ControlDown());
    document->UpdateAllViews(nullptr);
}

void C3DGLView::OnMotion(wxMouseEvent& event)
{
    if (!m_rotating) {
        event.Skip();
        return;
    }
    const wxPoint point = PhysicalPosition(event);
    m_trackball.Motion(point.x, point.y);
    m_trackball.BuildRotationMatrix(m_rotation);
    GetCanvas()->Refresh(true);
}

void C3DGLView::OnLeftUp(wxMouseEvent&)
{
    if (!m_rotating)
        return;
    if (GetCanvas()->HasCapture())
        GetCanvas()->ReleaseMouse();
    m_rotating = false;
}

void C3DGLView::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_rotating = false;
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
