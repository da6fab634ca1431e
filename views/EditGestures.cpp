#include "views/EditGestures.h"

#include <wx/cursor.h>
#include <wx/event.h>
#include <wx/glcanvas.h>
#include <wx/window.h>

#include "document/CLevelMapDoc.h"
#include "document/NodeListCommand.h"
#include "document/ObjectNames.h"
#include "framework/CFrameWnd.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/Wall.h"
#include "scenegraph/NumberText.h"
#include "views/CEditGLView.h"
#include "views/EditProjection.h"

wxString PointStatus(const wxString& format, double x, double z)
{
    return wxString::FromUTF8(FormatCLocale(format.utf8_str(), x, z));
}

// --- drag ---

DragGesture::DragGesture(CEditGLView& view, CLevelMapDoc& document, CSGNode& node, const wxPoint& press)
    : m_view(view), m_document(document), m_node(node), m_object(dynamic_cast<LevelObject&>(node)),
      m_from(Capture(m_object))
{
    const LevelPoint p = m_view.UnprojectPoint(press.x, press.y);
    m_pressedAt = {static_cast<float>(p.x), static_cast<float>(p.z)};
    m_view.SetStatusText(_("Dragging..."));
}

int DragGesture::Button() const
{
    return wxMOUSE_BTN_LEFT;
}

void DragGesture::Update(const wxPoint& point)
{
    const LevelPoint p = m_view.UnprojectPoint(point.x, point.y);
    const double dx = p.x - m_pressedAt.x;
    const double dz = p.z - m_pressedAt.z;
    const int grid = m_view.m_gridSize;
    const bool snap = m_view.m_snapToGrid;
    m_object.x = static_cast<float>(snap ? StepSnap(m_from.x, dx, grid) : m_from.x + dx);
    m_object.z = static_cast<float>(snap ? StepSnap(m_from.z, dz, grid) : m_from.z + dz);
    // Both panes show the object where it is dragged; the step comes at the release.
    m_view.RefreshPanes();
}

void DragGesture::Commit()
{
    m_view.SetStatusText(CFrameWnd::IdleMessage());
    CEditGLView::SubmitMove(m_document, m_node, m_from);
}

void DragGesture::Cancel()
{
    Restore(m_document, m_object, m_from);
}

// --- wall ---

WallGesture::WallGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press)
    : m_view(view), m_document(document), m_selectionBefore(document.m_pSelection)
{
    const LevelPoint p = m_view.SnappedPoint(press, CornerSnap);
    m_corner = {static_cast<float>(p.x), static_cast<float>(p.z)};
    m_wall = new Wall(m_corner.x, m_corner.z, 0.0f, 0.0f);
    m_document.m_pScene->m_pLevelGroup->AppendChild(m_wall);
    m_document.SetSelection(m_wall);
    m_document.m_bTexturesDirty = true;
    m_view.SetStatusText(PointStatus(_("Creating WALL: start creation point = (%f, %f)"), p.x, p.z));
}

int WallGesture::Button() const
{
    return wxMOUSE_BTN_LEFT;
}

void WallGesture::Update(const wxPoint& point)
{
    const LevelPoint p = m_view.SnappedPoint(point, CornerSnap);
    const WallSpan width = SpanWall(m_corner.x, p.x, m_view.m_gridSize);
    const WallSpan depth = SpanWall(m_corner.z, p.z, m_view.m_gridSize);
    m_wall->x = static_cast<float>(width.centre);
    m_wall->z = static_cast<float>(depth.centre);
    m_wall->Width = static_cast<float>(width.size);
    m_wall->Depth = static_cast<float>(depth.size);
    m_view.SetStatusText(NewWallStatus(width.size, depth.size));
    m_document.UpdateAllViews();
}

std::unique_ptr<CSGNode> WallGesture::TakeWallOut(std::size_t& index)
{
    std::unique_ptr<CSGNode> wall = m_document.m_pScene->m_pLevelGroup->TakeChild(m_wall, index);
    m_document.SetSelection(m_selectionBefore);
    return wall;
}

void WallGesture::Commit()
{
    const bool hasArea = m_wall->Width != 0.0f && m_wall->Depth != 0.0f;
    // The wall comes back as one step of the history, unless it has no area.
    std::vector<NodeListCommand::Addition> additions(1);
    additions[0].parent = m_document.m_pScene->m_pLevelGroup;
    additions[0].node = TakeWallOut(additions[0].index);
    if (hasArea)
        m_document.Submit(NodeListCommand::Adding(m_document, _("Create Wall"), std::move(additions)));
}

void WallGesture::Cancel()
{
    std::size_t index = 0;
    TakeWallOut(index);
}

// --- pan ---

PanGesture::PanGesture(CEditGLView& view, const wxPoint& press) : m_view(view), m_last(press)
{
    m_view.SetStatusText(_("Panning enabled"));
    m_view.GetCanvas()->SetCursor(wxCursor(wxCURSOR_SIZING));
}

int PanGesture::Button() const
{
    return wxMOUSE_BTN_MIDDLE;
}

void PanGesture::Update(const wxPoint& point)
{
    EditCamera camera = m_view.Camera();
    PanCamera(camera, point.x - m_last.x, point.y - m_last.y, m_view.m_width, m_view.m_height);
    m_last = point;
    m_view.SetCamera(camera);
    m_view.SetStatusText(PointStatus(_("Panning enabled: COP = (%f, %f)"), camera.copX, camera.copY));
    m_view.GetCanvas()->Refresh(true);
}

void PanGesture::End()
{
    m_view.SetStatusText(CFrameWnd::IdleMessage());
    m_view.GetCanvas()->SetCursor(wxNullCursor);
}
