#pragma once

#include <vector>

#include <wx/window.h>

// A fixed grid of panes (rows x columns) separated by bars the user can drag. Every row and
// column has a share of the room the bars leave and a minimum size: RecalcLayout, which runs
// at every resize, gives each row and column but the last its share of the room (never less
// than its minimum, and leaving the tracks after it theirs while space allows) and the last
// the rest. Dragging a bar changes the shares, so the proportions the user chose stay.
class CStaticSplitter : public wxWindow {
public:
    static constexpr int BAR_SIZE = 6;

    struct Track {
        double share = 1.0; // relative to the other tracks' shares
        int minimum = 0;
        int current = 0;
    };

    CStaticSplitter() = default;
    bool Create(wxWindow* parent, int rows, int columns, wxWindowID id = wxID_ANY);

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    // The panes are children of the splitter, set in any order.
    void SetPane(int row, int column, wxWindow* pane);
    wxWindow* GetPane(int row, int column) const;

    void SetRowInfo(int row, double share, int minimum);
    void SetColumnInfo(int column, double share, int minimum);
    const Track& GetRowInfo(int row) const { return m_rows.at(static_cast<size_t>(row)); }
    const Track& GetColumnInfo(int column) const { return m_columns.at(static_cast<size_t>(column)); }
    // Sizes and places the panes from the shares and minimum sizes and the window's size.
    void RecalcLayout();
    // The smallest size that gives every row and column its minimum.
    wxSize GetMinimumSize() const;
    // The smallest size in which, at the current shares, every pane has its best size.
    wxSize GetSizeToShowPanes() const;

    // The bars are no stop of keyboard navigation.
    bool AcceptsFocus() const override { return false; }

    // Moves the focus to the next pane (or the previous one), in row order, wrapping round.
    void ActivateNextPane(bool previous);

private:
    static int BarsLength(const std::vector<Track>& tracks);
    static double TotalShare(const std::vector<Track>& tracks);
    static void LayoutTracks(std::vector<Track>& tracks, int available);
    static int MinimumLength(const std::vector<Track>& tracks);
    // The length in which each track, at its share, is at least `needed[track]` long.
    static int LengthToShow(const std::vector<Track>& tracks, const std::vector<int>& needed);
    // The bar under a client point: the index of the track before it, or -1.
    static int BarAt(const std::vector<Track>& tracks, int position);
    // Moves bar `bar` (none when negative) towards `position` between the minimums of the
    // tracks on either side, and takes the tracks' new sizes as their shares.
    static void DragBar(std::vector<Track>& tracks, int bar, int position);
    int PaneIndexOf(const wxWindow* window) const;

    void OnSize(wxSizeEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    std::vector<Track> m_rows;
    std::vector<Track> m_columns;
    std::vector<wxWindow*> m_panes;
    int m_dragRow = -1;
    int m_dragColumn = -1;
};
