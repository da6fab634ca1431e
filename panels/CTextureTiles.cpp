#include "panels/CTextureTiles.h"

#include <algorithm>

#include <wx/control.h>
#include <wx/dcbuffer.h>
#include <wx/settings.h>

namespace {

constexpr int GAP = 6;
constexpr int LABEL = 16;
constexpr int HEADING = 22;
constexpr int FRAME = 3;
// A press must move this far before it is a drag rather than a click.
constexpr int DRAG_DISTANCE = 6;

const wxColour FRAME_COLOUR(0, 90, 255);
const wxColour FAILED_COLOUR(210, 30, 30);

} // namespace

CTextureTiles::CTextureTiles(wxWindow* parent) : wxScrolledCanvas(parent, wxID_ANY)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetScrollRate(0, FromDIP(16));
    Bind(wxEVT_PAINT, &CTextureTiles::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CTextureTiles::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
        event.Skip();
        if (m_pressed && m_onClick)
            m_onClick(*m_pressed->tile);
        m_pressed = nullptr;
    });
    Bind(wxEVT_MOTION, &CTextureTiles::OnMotion, this);
    Bind(wxEVT_LEFT_DCLICK, &CTextureTiles::OnDoubleClick, this);
    Bind(wxEVT_CONTEXT_MENU, &CTextureTiles::OnContextMenu, this);
}

void CTextureTiles::Show(std::vector<TileLook> looks)
{
    m_looks = std::move(looks);
    m_hovered = m_pressed = nullptr;
    PlaceTiles();
    // A tile under the pointer says at once what it says now (a new count, its picture's size).
    const wxPoint pointer = ScreenToClient(wxGetMousePosition());
    if (GetClientRect().Contains(pointer))
        HoverAt(pointer);
}

void CTextureTiles::HoverAt(const wxPoint& client)
{
    const TileLook* look = LookAt(client);
    if (look == m_hovered)
        return;
    m_hovered = look;
    SetToolTip(look ? look->hover : wxString());
}

void CTextureTiles::PlaceTiles()
{
    const int picture = FromDIP(PICTURE);
    const int cellWidth = picture + FromDIP(GAP) * 2;
    const int cellHeight = picture + FromDIP(GAP + LABEL);
    const int columns = std::max(1, GetClientSize().x / cellWidth);
    m_placedWidth = GetClientSize().x;
    m_placed.clear();
    m_headings.clear();
    int y = 0, column = 0;
    for (std::size_t i = 0; i < m_looks.size(); ++i) {
        const Tile& tile = *m_looks[i].tile;
        if (i == 0 || tile.group != m_looks[i - 1].tile->group) {
            y += i == 0 ? 0 : cellHeight;
            m_headings.push_back({wxRect(0, y, GetClientSize().x, FromDIP(HEADING)), m_looks[i].heading});
            y += FromDIP(HEADING);
            column = 0;
        } else if (column == columns) {
            y += cellHeight;
            column = 0;
        }
        m_placed.push_back({wxRect(column * cellWidth, y, cellWidth, cellHeight), i});
        ++column;
    }
    SetVirtualSize(GetClientSize().x, m_placed.empty() ? 0 : y + cellHeight);
    Refresh(false);
}

wxRect CTextureTiles::TileRect(const std::string& path) const
{
    for (const Placed& placed : m_placed)
        if (m_looks[placed.look].tile->path == path)
            return wxRect(CalcScrolledPosition(placed.rect.GetTopLeft()), placed.rect.GetSize());
    return {};
}

void CTextureTiles::OnPaint(wxPaintEvent&)
{
    // Placed again for a new width here: the scrolled window takes the size events itself.
    if (m_placedWidth != GetClientSize().x)
        PlaceTiles();
    wxAutoBufferedPaintDC dc(this);
    DoPrepareDC(dc);
    dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
    dc.Clear();
    wxRect visible(CalcUnscrolledPosition(wxPoint(0, 0)), GetClientSize());
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    for (const Heading& heading : m_headings)
        if (heading.rect.Intersects(visible))
            dc.DrawLabel(heading.text, heading.rect.Deflate(FromDIP(GAP), 0), wxALIGN_LEFT | wxALIGN_CENTRE_VERTICAL);
    // Tiles lie in order from the top: the visible ones are a run of them.
    auto first = std::lower_bound(m_placed.begin(), m_placed.end(), visible.y,
                                  [](const Placed& placed, int top) { return placed.rect.GetBottom() < top; });
    for (auto it = first; it != m_placed.end() && it->rect.y <= visible.GetBottom(); ++it)
        DrawTile(dc, *it);
}

void CTextureTiles::DrawTile(wxDC& dc, const Placed& placed) const
{
    const TileLook& look = m_looks[placed.look];
    const int picture = FromDIP(PICTURE);
    const wxRect box(placed.rect.x + FromDIP(GAP), placed.rect.y + FromDIP(GAP) / 2, picture, picture);
    if (look.picture && look.picture->IsOk())
        dc.DrawBitmap(*look.picture, box.x + (picture - look.picture->GetWidth()) / 2,
                      box.y + (picture - look.picture->GetHeight()) / 2, true);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    if (look.failed) {
        dc.SetPen(wxPen(FAILED_COLOUR, FromDIP(2)));
        dc.DrawLine(box.GetTopLeft(), box.GetBottomRight());
        dc.DrawLine(box.GetTopRight(), box.GetBottomLeft());
    }
    dc.SetPen(look.framed ? wxPen(FRAME_COLOUR, FromDIP(FRAME)) : wxPen(wxColour(160, 160, 160)));
    dc.DrawRectangle(wxRect(box).Inflate(look.framed ? FromDIP(FRAME) / 2 : 0));
    if (look.users > 0) {
        const wxString count = wxString::Format("%d", look.users);
        const wxSize extent = dc.GetTextExtent(count);
        const wxRect badge(box.GetRight() - extent.x - 4, box.y + 1, extent.x + 4, extent.y);
        dc.SetBrush(wxBrush(FRAME_COLOUR));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(badge);
        dc.SetTextForeground(*wxWHITE);
        dc.DrawLabel(count, badge, wxALIGN_CENTRE);
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    }
    const wxRect label(placed.rect.x, box.GetBottom() + 2, placed.rect.width, FromDIP(LABEL));
    dc.DrawLabel(wxControl::Ellipsize(wxString::FromUTF8(look.tile->name), dc, wxELLIPSIZE_MIDDLE, label.width - 2),
                 label, wxALIGN_CENTRE_HORIZONTAL | wxALIGN_TOP);
}

const TileLook* CTextureTiles::LookAt(const wxPoint& client) const
{
    const wxPoint point = CalcUnscrolledPosition(client);
    for (const Placed& placed : m_placed)
        if (placed.rect.Contains(point))
            return &m_looks[placed.look];
    return nullptr;
}

void CTextureTiles::OnLeftDown(wxMouseEvent& event)
{
    event.Skip();
    SetFocus();
    m_pressed = LookAt(event.GetPosition());
    m_pressPoint = event.GetPosition();
}

void CTextureTiles::OnMotion(wxMouseEvent& event)
{
    event.Skip();
    HoverAt(event.GetPosition());
    const wxPoint moved = event.GetPosition() - m_pressPoint;
    if (m_pressed && event.LeftIsDown() && std::max(std::abs(moved.x), std::abs(moved.y)) >= FromDIP(DRAG_DISTANCE)) {
        const Tile& tile = *m_pressed->tile;
        m_pressed = nullptr;
        if (m_onDrag)
            m_onDrag(tile);
    }
}

void CTextureTiles::OnDoubleClick(wxMouseEvent& event)
{
    if (const TileLook* look = LookAt(event.GetPosition()); look && m_onActivate)
        m_onActivate(*look->tile);
}

void CTextureTiles::OnContextMenu(wxContextMenuEvent& event)
{
    const wxPoint client = event.GetPosition() == wxDefaultPosition ? wxPoint(0, 0) : ScreenToClient(event.GetPosition());
    if (const TileLook* look = LookAt(client); look && m_onMenu)
        m_onMenu(*look->tile, client);
}
