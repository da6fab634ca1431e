#pragma once

#include <functional>
#include <string>

#include <wx/dnd.h>

class CGLView;
class CSGNode;

// Takes a texture tile dragged from the texture browser onto an OpenGL pane: the object under the
// drop point is picked as a click there would pick it, and handed with the tile's path to `drop`.
class TextureDropTarget : public wxDropTarget {
public:
    // The object under the drop point (null: none) and the dropped tile's path; false refuses it.
    using Drop = std::function<bool(CSGNode* hit, const std::string& path)>;
    // Whether the tile being dragged would go to the object under the pointer (null: none).
    using Takes = std::function<bool(CSGNode* hit)>;

    // `time` is the animation time the view draws at, which moves its objects.
    TextureDropTarget(CGLView& view, std::function<float()> time, Takes takes, Drop drop);

    // The data a drag of a tile carries: its path in the editor's own format, which no other
    // program takes by mistake.
    static wxDataObject* DataOf(const std::string& path);

    // While a tile is dragged over the pane, the object that would take it is highlighted.
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult result) override;
    void OnLeave() override;
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult result) override;

private:
    static wxDataFormat Format();
    // The object under a point of the canvas's client area.
    CSGNode* HitAt(wxCoord x, wxCoord y) const;

    CGLView& m_view;
    std::function<float()> m_time;
    Takes m_takes;
    Drop m_drop;
    wxCustomDataObject* m_data;
};
