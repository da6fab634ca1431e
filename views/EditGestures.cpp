#include "views/EditGestures.h"

#include <cmath>
#include <cstdlib>

#include <wx/cursor.h>
#include <wx/event.h>
#include <wx/glcanvas.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "document/CLevelMapDoc.h"
#include "document/NodeListCommand.h"
#include "document/ObjectNames.h"
#include "document/ObjectValuesCommand.h"
#include "document/SelectionSteps.h"
#include "framework/CFrameWnd.h"
#include "level/LevelGroupNode.h"
#include "level/LevelObject.h"
#include "level/LevelScene.h"
#include "level/Wall.h"
#include "scenegraph/NumberText.h"
#include "views/CEditGLView.h"
#include "views/EditProjection.h"

wxString PointStatus(const wxString& format, double x, double z)
{
    return wxString::FromUTF8(FormatCLocale(format.utf8_str(), x, z));
}

namespace {

// A pointer that moved less than this many pixels since the press still clicks.
constexpr int kClickPixels = 3;

bool NearPress(const wxPoint& press, const wxPoint& point)
{
    const wxPoint moved = point - press;
    return std::abs(moved.x) < kClickPixels && std::abs(moved.y) < kClickPixels;
}

// The point of an object that a snapped drag puts on the grid.
FlatPoint SnapAnchor(const CSGNode& node, const ObjectPosition& press)
{
    Footprint footprint;
    if (const auto* wall = dynamic_cast<const Wall*>(&node); wall && Footprint::Of(*wall, footprint))
        return NearestCorner(footprint.Bounds(), press.x, press.z);
    const auto& object = dynamic_cast<const LevelObject&>(node);
    return {object.x, object.z};
}

} // namespace

// --- drag ---

DragGesture::DragGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press, CSGNode& pressed,
                         std::vector<CSGNode*> selectionBefore, Click click)
    : m_view(view), m_document(document), m_pressed(pressed), m_selectionBefore(std::move(selectionBefore)),
      m_click(std::move(click)), m_pressPixel(press)
{
    for (CSGNode* node : MovableSelection(document))
        m_moved.push_back({node, PlacementCommand::Capture(*node)});
    const LevelPoint p = m_view.UnprojectPoint(press.x, press.y);
    m_pressedAt = {static_cast<float>(p.x), static_cast<float>(p.z)};
    m_anchor = SnapAnchor(pressed, m_pressedAt);
    m_view.SetStatusText(_("Dragging..."));
}

void DragGesture::Update(const wxPoint& point)
{
    if (!m_hasMoved && NearPress(m_pressPixel, point))
        return;
    m_hasMoved = true;
    const LevelPoint p = m_view.UnprojectPoint(point.x, point.y);
    FlatPoint move{p.x - m_pressedAt.x, p.z - m_pressedAt.z};
    if (m_view.m_snapToGrid)
        move = SnapAnchorMove(m_anchor, move.x, move.z, m_view.m_gridSize);
    const auto dx = static_cast<float>(move.x);
    const auto dz = static_cast<float>(move.z);
    for (const Moved& moved : m_moved)
        PlacementCommand::Place(*moved.node, {moved.from.x + dx, moved.from.z + dz, moved.from.angle});
    // Both panes show the objects where they are dragged; the step comes at the release.
    m_view.RefreshPanes();
}

void DragGesture::Commit()
{
    if (!m_hasMoved) {
        // A click: it says what it picked. On a selected object it selects what the click picks
        // alone, or with Shift or Ctrl takes the pressed one out.
        m_view.SetStatusText(m_click.status);
        if (m_click.wasSelected && m_click.toggle)
            m_document.m_selection.Remove(&m_pressed);
        else if (m_click.wasSelected)
            m_document.SetSelection(m_click.picks);
        return;
    }
    m_view.SetStatusText(CFrameWnd::IdleMessage());
    std::vector<PlacementCommand::Change> changes;
    std::vector<CSGNode*> nodes;
    for (const Moved& moved : m_moved) {
        changes.push_back({moved.node, moved.from, PlacementCommand::Capture(*moved.node)});
        nodes.push_back(moved.node);
    }
    const wxString name = wxString::Format(_("Move %s"), ObjectsName(nodes));
    m_document.Submit(new PlacementCommand(m_document, name, std::move(changes)));
}

void DragGesture::Cancel()
{
    for (const Moved& moved : m_moved)
        PlacementCommand::Place(*moved.node, moved.from);
    m_document.m_selection.Set(m_selectionBefore);
}

// --- resize ---

ResizeGesture::ResizeGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press, Wall& wall,
                             Handle handle)
    : m_view(view), m_document(document), m_wall(wall), m_handle(handle), m_before(CaptureWithPosition(wall)),
      m_pressPixel(press)
{
    Footprint::Of(wall, m_start);
    const LevelPoint p = m_view.UnprojectPoint(press.x, press.y);
    const FlatPoint place = HandlePlace(m_start, handle);
    m_offset = {place.x - p.x, place.z - p.z};
    m_view.SetStatusText(WallSizeStatus(wall.Width, wall.Depth));
}

void ResizeGesture::Update(const wxPoint& point)
{
    // A click on a handle leaves the wall as it is, even off the grid.
    if (!m_hasMoved && NearPress(m_pressPixel, point))
        return;
    m_hasMoved = true;
    const LevelPoint p = m_view.UnprojectPoint(point.x, point.y);
    const ResizeRule rule{m_view.m_snapToGrid ? m_view.m_gridSize : 0, wxGetKeyState(WXK_SHIFT)};
    const Footprint shape = ResizeWall(m_start, m_handle, p.x + m_offset.x, p.z + m_offset.z, rule);
    m_wall.x = shape.x;
    m_wall.z = shape.z;
    m_wall.Width = 2.0f * shape.halfX;
    m_wall.Depth = 2.0f * shape.halfZ;
    m_view.SetStatusText(WallSizeStatus(m_wall.Width, m_wall.Depth));
    m_view.RefreshPanes();
}

void ResizeGesture::Commit()
{
    std::vector<ObjectValues> changes{WallChange{&m_wall, m_before, CaptureWithPosition(m_wall)}};
    m_document.Submit(new ObjectValuesCommand(m_document, _("Resize Wall"), std::move(changes)));
}

void ResizeGesture::Cancel()
{
    Restore(m_document, m_wall, m_before);
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

bool BoxGesture::Touching() const
{
    return m_keys.alt || m_to.x < m_from.x;
}

void BoxGesture::Commit()
{
    // A band narrower than a few pixels is a click.
    if (NearPress(m_pressPixel, m_pointPixel)) {
        m_document.m_selection.Click(m_pressed, m_keys.add);
        m_view.SetStatusText(m_pressed ? DescribeObject(*m_pressed) : CFrameWnd::IdleMessage());
        return;
    }
    Selection& selection = m_document.m_selection;
    const std::vector<CSGNode*> inside = ObjectsInRect(*m_document.m_pScene->m_pLevelGroup, Band(), Touching());
    if (m_keys.add && m_keys.alt) {
        for (CSGNode* node : inside)
            selection.Remove(node);
    } else if (m_keys.add) {
        for (CSGNode* node : inside)
            selection.Add(node);
    } else {
        selection.Set(inside);
    }
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
