#pragma once

#include <vector>

#include <wx/window.h>

// A fixed grid of panes (rows x columns) separated by bars the user can drag. Every row and
// column has an ideal and a minimum size; RecalcLayout gives each row and column but the last
// its ideal size (never less than its minimum while space allows) and the last the rest.
class CStaticSplitter : public wxWindow {
public:
    static constexpr int BAR_SIZE = 6;

    struct Track {
        int ideal = 0;
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

    void SetRowInfo(int row, int ideal, int minimum);
    void SetColumnInfo(int column, int ideal, int minimum);
    const Track& GetRowInfo(int row) const { return m_rows.at(static_cast<size_t>(row)); }
    const Track& GetColumnInfo(int column) const { return m_columns.at(static_cast<size_t>(column)); }
    // Sizes and places the panes from the ideal and minimum sizes and the window's size.
    void RecalcLayout();

    // Moves the focus to the next pane (or the previous one), in row order, wrapping round.
    void ActivateNextPane(bool previous);

private:
    static void LayoutTracks(std::vector<Track>& tracks, int available);
    // The bar under a client point: the index of the track before it, or -1.
    static int BarAt(const std::vector<Track>& tracks, int position);
    // Moves bar `bar` (none when negative) so that it starts at `position`.
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
