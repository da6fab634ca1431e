#include "views/CGLView.h"

#include <GL/gl.h>
#include <wx/dcclient.h>
#include <wx/glcanvas.h>
#include <wx/settings.h>

#include "framework/Resource.h"
#include "document/CLevelMapDoc.h"
#include "document/ObjectNames.h"
#include "framework/CFrameWnd.h"
#include "framework/MessageBox.h"
#include "level/LevelGroupNode.h"
#include "level/LevelObject.h"
#include "level/LevelScene.h"
#include "views/FocusFrame.h"
#include "views/PickPath.h"
#include "views/ViewMath.h"

namespace {

wxGLAttributes PixelFormat()
{
    wxGLAttributes attributes;
    attributes.PlatformDefaults().RGBA().MinRGBA(8, 8, 8, 0).DoubleBuffer().Depth(24).EndList();
    return attributes;
}

// The panes' contexts share their textures: the preview loads the level's images, and the edit
// view's textured top view shows the same ones.
const wxGLContext* g_sharedContext = nullptr;

} // namespace

CGLView::CGLView() = default;

CGLView::~CGLView() = default;

CLevelMapDoc* CGLView::GetLevelDocument() const
{
    return dynamic_cast<CLevelMapDoc*>(GetDocument());
}

const LevelFloor* CGLView::GetFloor() const
{
    const CLevelMapDoc* document = GetLevelDocument();
    return document && document->m_pScene ? document->m_pScene->m_pFloor : nullptr;
}

wxWindow* CGLView::CreateViewWindow(wxWindow* parent)
{
    const wxGLAttributes format = PixelFormat();
    if (!wxGLCanvas::IsDisplaySupported(format)) {
        ShowMessageBox(_("ChoosePixelFormat failed"), wxString(), wxOK);
        return nullptr;
    }
    auto* canvas = new wxGLCanvas(parent, format, wxID_ANY, wxDefaultPosition, wxSize(0, 0),
                                  wxCLIP_CHILDREN | wxCLIP_SIBLINGS | wxFULL_REPAINT_ON_RESIZE);
    wxGLContextAttrs contextAttributes;
    contextAttributes.PlatformDefaults().CompatibilityProfile().EndList();
    m_context = std::make_unique<wxGLContext>(canvas, g_sharedContext, &contextAttributes);
    if (!m_context->IsOK()) {
        m_context.reset();
        canvas->Destroy();
        ShowMessageBox(_("OpenGL context failed"), wxString(), wxOK);
        return nullptr;
    }
    if (!g_sharedContext)
        g_sharedContext = m_context.get();
    m_canvas = canvas;
    // OpenGL paints every pixel: the toolkit never erases the background first.
    m_canvas->SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_canvas->Bind(wxEVT_PAINT, &CGLView::OnPaint, this);
    m_canvas->Bind(wxEVT_SIZE, &CGLView::OnSize, this);
    m_canvas->Bind(wxEVT_ERASE_BACKGROUND, &CGLView::OnEraseBackground, this);
    m_canvas->Bind(wxEVT_MOUSEWHEEL, &CGLView::OnMouseWheel, this);
    m_canvas->Bind(wxEVT_SET_FOCUS, &CGLView::OnFocusChange, this);
    m_canvas->Bind(wxEVT_KILL_FOCUS, &CGLView::OnFocusChange, this);
    Bind(wxEVT_MENU, &CGLView::OnDelete, this, ID_EDIT_DELETE);
    Bind(wxEVT_UPDATE_UI, &CGLView::OnUpdateDelete, this, ID_EDIT_DELETE);
    return m_canvas;
}

bool CGLView::MakeCurrent()
{
    // A context cannot be bound to a window that is not realised yet.
    if (!m_context || !m_canvas || !m_canvas->IsShownOnScreen())
        return false;
    if (!m_context->SetCurrent(*m_canvas)) {
        if (m_makeCurrentFailures.Failed())
            ShowMessageBox(_("GlMakeCurrent Error"), wxString(), wxOK);
        return false;
    }
    m_makeCurrentFailures.Succeeded();
    m_contextReady = true;
    return true;
}

wxSize CGLView::PhysicalClientSize() const
{
    const double scale = m_canvas->GetContentScaleFactor();
    const wxSize size = m_canvas->GetClientSize();
    return wxSize(static_cast<int>(size.x * scale), static_cast<int>(size.y * scale));
}

wxPoint CGLView::PhysicalPosition(const wxMouseEvent& event) const
{
    return PhysicalPoint(event.GetPosition());
}

wxPoint CGLView::PhysicalPoint(const wxPoint& client) const
{
    const double scale = m_canvas->GetContentScaleFactor();
    return wxPoint(static_cast<int>(client.x * scale), static_cast<int>(client.y * scale));
}

void CGLView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(m_canvas);
    if (!MakeCurrent())
        return;
    const wxSize size = PhysicalClientSize();
    glViewport(0, 0, size.x, size.y);
    DrawFrame();
    if (m_canvas->HasFocus())
        DrawFocusFrameOver(size);
    m_canvas->SwapBuffers();
    ++m_framesDrawn;
}

void CGLView::DrawFocusFrameOver(const wxSize& size) const
{
    // In the colour of selected text, which the desktop's theme keeps visible on any pane.
    const wxColour colour = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    const int thickness = static_cast<int>(FOCUS_FRAME_WIDTH * m_canvas->GetContentScaleFactor() + 0.5);
    DrawFocusFrame(size.x, size.y, thickness, {colour.Red(), colour.Green(), colour.Blue()});
}

void CGLView::OnFocusChange(wxFocusEvent& event)
{
    m_canvas->Refresh(false);
    event.Skip();
}

void CGLView::OnSize(wxSizeEvent& event)
{
    const wxSize size = PhysicalClientSize();
    m_aspect = AspectRatio(size.x, size.y);
    OnResize(size.x, size.y);
    m_canvas->Refresh(false);
    event.Skip();
}

void CGLView::OnMouseWheel(wxMouseEvent& event)
{
    if (event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL) {
        ZoomTo(ZoomStep(m_zoom, event.GetWheelRotation()), PhysicalPosition(event));
        m_canvas->Refresh(true);
    }
    event.Skip();
}

void CGLView::OnDelete(wxCommandEvent&)
{
    CLevelMapDoc* document = GetLevelDocument();
    if (!document)
        return;
    const wxString deleted = CountedObjects(document->DeletableSelection());
    const unsigned long changes = document->m_changeCount;
    document->OnDelete();
    if (document->m_changeCount != changes)
        SetStatusText(wxString::Format(_("Deleted %s"), deleted));
}

void CGLView::ShowDropTarget(const CSGNode* node)
{
    if (node == m_dropTarget)
        return;
    m_dropTarget = node;
    if (m_canvas)
        m_canvas->Refresh(false);
}

void CGLView::ShowPick(const CSGNode& node, const wxString& text)
{
    m_pickNode = &node;
    m_pickDescribed = DescribeObject(node);
    m_pickShown = text;
    SetStatusText(text);
}

void CGLView::OnUpdate(wxView* sender, wxObject* hint)
{
    CView::OnUpdate(sender, hint);
    if (!ShowsPick()) {
        m_pickNode = nullptr;
        return;
    }
    const CLevelMapDoc* document = GetLevelDocument();
    bool inLevel = false;
    if (document && document->m_pScene && document->m_pScene->m_pLevelGroup)
        ForEachNode(*document->m_pScene->m_pLevelGroup, [&](CSGNode& node) { inLevel = inLevel || &node == m_pickNode; });
    if (!inLevel) {
        m_pickNode = nullptr;
        SetStatusText(wxString());
        return;
    }
    if (const wxString now = DescribeObject(*m_pickNode); now != m_pickDescribed)
        ShowPick(*m_pickNode, now);
}

void CGLView::OnUpdateDelete(wxUpdateUIEvent& event)
{
    CLevelMapDoc* document = GetLevelDocument();
    event.Enable(document && document->CanDeleteSelection());
}

void CGLView::OnDestroyWindow()
{
    if (m_contextReady && MakeCurrent()) {
        ReleaseGLObjects();
        glFinish();
    }
    if (g_sharedContext == m_context.get())
        g_sharedContext = nullptr;
    // The context goes before its window; the toolkit unbinds it if it is current.
    m_context.reset();
}

CSGNode* CGLView::PickNodeAt(int x, int y, const float& time)
{
    CLevelMapDoc* document = GetLevelDocument();
    if (!document || !document->m_pScene || !document->m_pScene->m_pLevelGroup || !MakeCurrent())
        return nullptr;
    return NodeAtPath(*document->m_pScene->m_pLevelGroup, PickLevelPath(*document->m_pScene, x, y, time));
}

void CGLView::SelectObjectAt(int x, int y, const float& time, bool toggle)
{
    CLevelMapDoc* document = GetLevelDocument();
    CSGNode* hit = PickNodeAt(x, y, time);
    if (!document)
        return;
    document->m_selection.Click(hit, toggle);
    // A miss too replaces what an earlier pick said.
    if (hit)
        ShowPick(*hit, DescribeObject(*hit));
    else
        SetStatusText(CFrameWnd::IdleMessage());
}
