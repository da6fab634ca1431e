#include "views/EditGestures.h"

#include <cmath>
#include <cstdlib>

#include <wx/cursor.h>
#include <wx/event.h>
#include <wx/glcanvas.h>
#include <wx/window.h>

#include "document/CLevelMapDoc.h"
#include "document/NodeListCommand.h"
#include "document/ObjectNames.h"
#include "document/SelectionSteps.h"
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

DragGesture::DragGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press, CSGNode& pressed,
                         std::vector<CSGNode*> selectionBefore, bool wasSelected, bool toggle)
    : m_view(view), m_document(document), m_pressed(pressed), m_selectionBefore(std::move(selectionBefore)),
      m_wasSelected(wasSelected), m_toggle(toggle)
{
    for (CSGNode* node : MovableSelection(document))
        m_moved.push_back({node, PlacementCommand::Capture(*node)});
    const LevelPoint p = m_view.UnprojectPoint(press.x, press.y);
    m_pressedAt = {static_cast<float>(p.x), static_cast<float>(p.z)};
    m_view.SetStatusText(_("Dragging..."));
}

void DragGesture::Update(const wxPoint& point)
{
    const LevelPoint p = m_view.UnprojectPoint(point.x, point.y);
    float dx = static_cast<float>(p.x) - m_pressedAt.x;
    float dz = static_cast<float>(p.z) - m_pressedAt.z;
    if (m_view.m_snapToGrid) {
        const float grid = static_cast<float>(m_view.m_gridSize);
        dx = std::round(dx / grid) * grid;
        dz = std::round(dz / grid) * grid;
    }
    m_hasMoved = m_hasMoved || dx != 0.0f || dz != 0.0f;
    for (const Moved& moved : m_moved)
        PlacementCommand::Place(*moved.node, {moved.from.x + dx, moved.from.z + dz, moved.from.angle});
    // Both panes show the objects where they are dragged; the step comes at the release.
    m_view.RefreshPanes();
}

void DragGesture::Commit()
{
    if (!m_hasMoved) {
        // A click: it says what it picked. On a selected object it selects it alone, or with
        // Shift or Ctrl takes it out.
        m_view.ShowPick(m_pressed, DescribeObject(m_pressed));
        if (m_wasSelected && m_toggle)
            m_document.m_selection.Remove(&m_pressed);
        else if (m_wasSelected)
            m_document.SetSelection(&m_pressed);
        return;
    }
    std::vector<PlacementCommand::Change> changes;
    std::vector<CSGNode*> nodes;
    for (const Moved& moved : m_moved) {
        changes.push_back({moved.node, moved.from, PlacementCommand::Capture(*moved.node)});
        nodes.push_back(moved.node);
    }
    const wxString name = wxString::Format(_("Move %s"), ObjectsName(nodes));
    m_document.Submit(new PlacementCommand(m_document, name, std::move(changes)));
    m_view.SetStatusText(wxString::Format(_("Moved %s"), CountedObjects(nodes)));
}

void DragGesture::Cancel()
{
    for (const Moved& moved : m_moved)
        PlacementCommand::Place(*moved.node, moved.from);
    m_document.m_selection.Set(m_selectionBefore);
}

// --- box ---

BoxGesture::BoxGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press, CSGNode* pressed, Keys keys)
    : m_view(view), m_document(document), m_pressed(pressed), m_keys(keys), m_pressPixel(press), m_pointPixel(press)
{
    const LevelPoint p = m_view.UnprojectPoint(press.x, press.y);
    m_from = m_to = {static_cast<float>(p.x), static_cast<float>(p.z)};
}

void BoxGesture::Update(const wxPoint& point)
{
    const LevelPoint p = m_view.UnprojectPoint(point.x, point.y);
    m_to = {static_cast<float>(p.x), static_cast<float>(p.z)};
    m_pointPixel = point;
    m_view.GetCanvas()->Refresh(false);
}

LevelRect BoxGesture::Band() const
{
    return LevelRect::Between(m_from.x, m_from.z, m_to.x, m_to.z);
}

void BoxGesture::Commit()
{
    // A band narrower than a few pixels is a click.
    constexpr int CLICK_PIXELS = 3;
    const wxPoint moved = m_pointPixel - m_pressPixel;
    if (std::abs(moved.x) < CLICK_PIXELS && std::abs(moved.y) < CLICK_PIXELS) {
        m_document.m_selection.Click(m_pressed, m_keys.add);
        if (m_pressed)
            m_view.ShowPick(*m_pressed, DescribeObject(*m_pressed));
        else
            m_view.SetStatusText(CFrameWnd::IdleMessage());
        return;
    }
    Selection& selection = m_document.m_selection;
    const std::vector<CSGNode*> inside = ObjectsInRect(*m_document.m_pScene->m_pLevelGroup, Band(), m_keys.alt);
    if (m_keys.add && m_keys.alt) {
        for (CSGNode* node : inside)
            selection.Remove(node);
    } else if (m_keys.add) {
        for (CSGNode* node : inside)
            selection.Add(node);
    } else {
        selection.Set(inside);
    }
    const std::vector<CSGNode*> selected = selection.Nodes();
    m_view.SetStatusText(selected.empty() ? _("Nothing selected")
                                          : wxString::Format(_("Selected %s"), CountedObjects(selected)));
}

// --- wall ---

WallGesture::WallGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press)
    : m_view(view), m_document(document), m_selectionBefore(document.m_selection.Nodes())
{
    const LevelPoint p = m_view.SnappedPoint(press, CornerSnap);
    m_corner = {static_cast<float>(p.x), static_cast<float>(p.z)};
    m_wall = new Wall(m_corner.x, m_corner.z, 0.0f, 0.0f);
    m_document.m_pScene->m_pLevelGroup->AppendChild(m_wall);
    m_document.SetSelection(m_wall);
    m_document.m_bTexturesDirty = true;
    m_view.SetStatusText(NewWallStartStatus(p.x, p.z));
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
    m_document.m_selection.Set(m_selectionBefore);
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
    else
        m_view.SetStatusText(CFrameWnd::IdleMessage()); // the click made no wall
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
