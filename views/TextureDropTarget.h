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

    // `time` is the animation time the view draws at, which moves its objects.
    TextureDropTarget(CGLView& view, std::function<float()> time, Drop drop);

    // The data a drag of a tile carries: its path in the editor's own format, which no other
    // program takes by mistake.
    static wxDataObject* DataOf(const std::string& path);

    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult result) override;

private:
    static wxDataFormat Format();

    CGLView& m_view;
    std::function<float()> m_time;
    Drop m_drop;
    wxCustomDataObject* m_data;
};
