#include "views/TextureDropTarget.h"

#include <wx/glcanvas.h>

#include "views/CGLView.h"

TextureDropTarget::TextureDropTarget(CGLView& view, std::function<float()> time, Drop drop)
    : m_view(view), m_time(std::move(time)), m_drop(std::move(drop)), m_data(new wxCustomDataObject(Format()))
{
    SetDataObject(m_data);
}

wxDataFormat TextureDropTarget::Format()
{
    return wxDataFormat("application/x-trelkan-texture");
}

wxDataObject* TextureDropTarget::DataOf(const std::string& path)
{
    auto* data = new wxCustomDataObject(Format());
    data->SetData(path.size(), path.data());
    return data;
}

wxDragResult TextureDropTarget::OnData(wxCoord x, wxCoord y, wxDragResult result)
{
    if (!GetData())
        return wxDragNone;
    const std::string path(static_cast<const char*>(m_data->GetData()), m_data->GetSize());
    // The pick reads pixels as the viewport counts them.
    const double scale = m_view.GetCanvas()->GetContentScaleFactor();
    CSGNode* hit = m_view.PickNodeAt(int(x * scale), int(y * scale), m_time());
    return m_drop(hit, path) ? result : wxDragNone;
}
