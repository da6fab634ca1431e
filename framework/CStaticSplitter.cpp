#include "framework/CStaticSplitter.h"

#include <algorithm>
#include <cmath>

#include <wx/dcclient.h>
#include <wx/settings.h>

bool CStaticSplitter::Create(wxWindow* parent, int rows, int columns, wxWindowID id)
{
    if (rows < 1 || columns < 1 || !wxWindow::Create(parent, id, wxDefaultPosition, wxDefaultSize,
                                                     wxFULL_REPAINT_ON_RESIZE | wxCLIP_CHILDREN))
        return false;
    m_rows.assign(static_cast<size_t>(rows), Track{});
    m_columns.assign(static_cast<size_t>(columns), Track{});
    m_panes.assign(static_cast<size_t>(rows * columns), nullptr);
    Bind(wxEVT_SIZE, &CStaticSplitter::OnSize, this);
    Bind(wxEVT_PAINT, &CStaticSplitter::OnPaint, this);
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_MOTION, wxEVT_LEAVE_WINDOW})
        Bind(type, &CStaticSplitter::OnMouse, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CStaticSplitter::OnCaptureLost, this);
    return true;
}

void CStaticSplitter::SetPane(int row, int column, wxWindow* pane)
{
    m_panes.at(static_cast<size_t>(row * GetColumnCount() + column)) = pane;
}

wxWindow* CStaticSplitter::GetPane(int row, int column) const
{
    return m_panes.at(static_cast<size_t>(row * GetColumnCount() + column));
}

void CStaticSplitter::SetRowInfo(int row, double share, int minimum)
{
    Track& track = m_rows.at(static_cast<size_t>(row));
    track.share = share;
    track.minimum = minimum;
}

void CStaticSplitter::SetColumnInfo(int column, double share, int minimum)
{
    Track& track = m_columns.at(static_cast<size_t>(column));
    track.share = share;
    track.minimum = minimum;
}

int CStaticSplitter::BarsLength(const std::vector<Track>& tracks)
{
    return BAR_SIZE * static_cast<int>(tracks.size() - 1);
}

double CStaticSplitter::TotalShare(const std::vector<Track>& tracks)
{
    double shares = 0.0;
    for (const Track& track : tracks)
        shares += std::max(track.share, 0.0);
    return shares;
}

void CStaticSplitter::LayoutTracks(std::vector<Track>& tracks, int available)
{
    const int room = std::max(available - BarsLength(tracks), 0);
    const double shares = TotalShare(tracks);
    int left = room;
    int minimumsAfter = MinimumLength(tracks) - BarsLength(tracks);
    for (size_t i = 0; i + 1 < tracks.size(); ++i) {
        Track& track = tracks[i];
        minimumsAfter -= track.minimum;
        const int wanted = shares > 0.0 ? static_cast<int>(std::lround(room * track.share / shares)) : 0;
        track.current = std::max(std::min(std::max(wanted, track.minimum), left - minimumsAfter), 0);
        left -= track.current;
    }
    tracks.back().current = std::max(left, 0);
}

int CStaticSplitter::MinimumLength(const std::vector<Track>& tracks)
{
    int length = BarsLength(tracks);
    for (const Track& track : tracks)
        length += track.minimum;
    return length;
}

wxSize CStaticSplitter::GetMinimumSize() const
{
    return wxSize(MinimumLength(m_columns), MinimumLength(m_rows));
}

int CStaticSplitter::LengthToShow(const std::vector<Track>& tracks, const std::vector<int>& needed)
{
    const double shares = TotalShare(tracks);
    double room = 0.0;
    for (size_t i = 0; i < tracks.size(); ++i)
        if (tracks[i].share > 0.0)
            room = std::max(room, needed[i] * shares / tracks[i].share);
    // One pixel more, for the rounding of the shares.
    const int length = static_cast<int>(std::ceil(room)) + 1 + BarsLength(tracks);
    return std::max(length, MinimumLength(tracks));
}

wxSize CStaticSplitter::GetSizeToShowPanes() const
{
    std::vector<int> widths(m_columns.size(), 0);
    std::vector<int> heights(m_rows.size(), 0);
    for (int row = 0; row < GetRowCount(); ++row)
        for (int column = 0; column < GetColumnCount(); ++column)
            if (const wxWindow* pane = GetPane(row, column)) {
                const wxSize best = pane->GetBestSize();
                int& width = widths[static_cast<size_t>(column)];
                int& height = heights[static_cast<size_t>(row)];
                width = std::max(width, best.x);
                height = std::max(height, best.y);
            }
    return wxSize(LengthToShow(m_columns, widths), LengthToShow(m_rows, heights));
}

void CStaticSplitter::RecalcLayout()
{
    wxSize size = GetClientSize();
    LayoutTracks(m_rows, size.y);
    LayoutTracks(m_columns, size.x);
    int y = 0;
    for (int row = 0; row < GetRowCount(); ++row) {
        int x = 0;
        for (int column = 0; column < GetColumnCount(); ++column) {
            const Track& width = m_columns[static_cast<size_t>(column)];
            if (wxWindow* pane = GetPane(row, column))
                pane->SetSize(x, y, width.current, m_rows[static_cast<size_t>(row)].current);
            x += width.current + BAR_SIZE;
        }
        y += m_rows[static_cast<size_t>(row)].current + BAR_SIZE;
    }
    Refresh();
}

int CStaticSplitter::BarAt(const std::vector<Track>& tracks, int position)
{
    int edge = 0;
    for (size_t i = 0; i + 1 < tracks.size(); ++i) {
        edge += tracks[i].current;
        if (position >= edge && position < edge + BAR_SIZE)
            return static_cast<int>(i);
        edge += BAR_SIZE;
    }
    return -1;
}

void CStaticSplitter::DragBar(std::vector<Track>& tracks, int bar, int position)
{
    if (bar < 0)
        return;
    int start = 0;
    for (int i = 0; i < bar; ++i)
        start += tracks[static_cast<size_t>(i)].current + BAR_SIZE;
    Track& before = tracks[static_cast<size_t>(bar)];
    Track& after = tracks[static_cast<size_t>(bar) + 1];
    const int both = before.current + after.current;
    before.current = std::max(std::min(position - start, both - after.minimum), before.minimum);
    before.current = std::min(before.current, both);
    after.current = both - before.current;
    for (Track& track : tracks)
        track.share = track.current;
}

int CStaticSplitter::PaneIndexOf(const wxWindow* window) const
{
    for (; window; window = window->GetParent()) {
        auto found = std::find(m_panes.begin(), m_panes.end(), window);
        if (found != m_panes.end())
            return static_cast<int>(found - m_panes.begin());
    }
    return -1;
}

void CStaticSplitter::ActivateNextPane(bool previous)
{
    int count = static_cast<int>(m_panes.size());
    int current = PaneIndexOf(wxWindow::FindFocus());
    for (int step = 1; step <= count; ++step) {
        int index = current < 0 ? (previous ? count - step : step - 1)
                                : (current + (previous ? count - step : step)) % count;
        if (wxWindow* pane = m_panes[static_cast<size_t>(index)]) {
            pane->SetFocus();
            return;
        }
    }
}

void CStaticSplitter::OnSize(wxSizeEvent&)
{
    RecalcLayout();
}

void CStaticSplitter::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
    dc.Clear();
}

void CStaticSplitter::OnMouse(wxMouseEvent& event)
{
    int x = event.GetX();
    int y = event.GetY();
    if (event.LeftDown()) {
        m_dragRow = BarAt(m_rows, y);
        m_dragColumn = BarAt(m_columns, x);
        if ((m_dragRow >= 0 || m_dragColumn >= 0) && !HasCapture())
            CaptureMouse();
    } else if (event.LeftUp()) {
        m_dragRow = m_dragColumn = -1;
        if (HasCapture())
            ReleaseMouse();
    } else if (event.Dragging() && HasCapture()) {
        DragBar(m_rows, m_dragRow, y);
        DragBar(m_columns, m_dragColumn, x);
        RecalcLayout();
    }
    bool overRow = BarAt(m_rows, y) >= 0 || m_dragRow >= 0;
    bool overColumn = BarAt(m_columns, x) >= 0 || m_dragColumn >= 0;
    SetCursor(overRow && overColumn ? wxCursor(wxCURSOR_SIZING)
              : overRow             ? wxCursor(wxCURSOR_SIZENS)
              : overColumn          ? wxCursor(wxCURSOR_SIZEWE)
                                    : wxNullCursor);
    event.Skip();
}

void CStaticSplitter::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_dragRow = m_dragColumn = -1;
}
