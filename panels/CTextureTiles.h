#pragma once

#include <functional>
#include <vector>

#include <wx/bitmap.h>
#include <wx/scrolwin.h>

#include "textures/TileCatalogue.h"

// How one tile shows: its picture (none while it is being made or when the image fails), the
// text on hover, how many walls and floors use it, and whether the selection shows it.
struct TileLook {
    const Tile* tile = nullptr;
    wxString heading; // of the tile's group
    const wxBitmap* picture = nullptr;
    wxString hover;
    int users = 0;
    bool failed = false;
    bool framed = false;
};

// The texture browser's grid of tiles under a heading per group, scrolled up and down. Only the
// tiles in the part to repaint are drawn, so a thousand tiles cost what the visible ones cost.
// A double-click, a click, a drag and a context menu on a tile are handed to the owner.
class CTextureTiles : public wxScrolledCanvas {
public:
    static constexpr int PICTURE = 64;

    explicit CTextureTiles(wxWindow* parent);

    // The tiles to show, in order; a heading goes before each new group.
    void Show(std::vector<TileLook> looks);
    // The tiles as they show now.
    const std::vector<TileLook>& Looks() const { return m_looks; }
    // Where the tile of a path lies, in client coordinates; empty when it is not shown.
    wxRect TileRect(const std::string& path) const;

    std::function<void(const Tile&)> m_onActivate;
    std::function<void(const Tile&)> m_onClick;
    std::function<void(const Tile&)> m_onDrag;
    std::function<void(const Tile&, const wxPoint&)> m_onMenu;

private:
    struct Placed {
        wxRect rect; // in content coordinates
        std::size_t look;
    };
    struct Heading {
        wxRect rect;
        wxString text;
    };

    void PlaceTiles();
    void OnPaint(wxPaintEvent& event);
    void DrawTile(wxDC& dc, const Placed& placed) const;
    // The tile under a point in client coordinates; null for none.
    const TileLook* LookAt(const wxPoint& client) const;
    // The tooltip of the tile under a point in client coordinates.
    void HoverAt(const wxPoint& client);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);

    std::vector<TileLook> m_looks;
    std::vector<Placed> m_placed;
    std::vector<Heading> m_headings;
    const TileLook* m_hovered = nullptr;
    const TileLook* m_pressed = nullptr;
    wxPoint m_pressPoint;
    int m_placedWidth = -1; // the client width the tiles were placed for
};
