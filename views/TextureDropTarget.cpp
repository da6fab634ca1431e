#include "views/TextureDropTarget.h"

#include <wx/glcanvas.h>

#include "views/CGLView.h"

TextureDropTarget::TextureDropTarget(CGLView& view, std::function<float()> time, Takes takes, Drop drop)
    : m_view(view), m_time(std::move(time)), m_takes(std::move(takes)), m_drop(std::move(drop)),
      m_data(new wxCustomDataObject(Format()))
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

CSGNode* TextureDropTarget::HitAt(wxCoord x, wxCoord y) const
{
    // The pick reads pixels as the viewport counts them.
    const double scale = m_view.GetCanvas()->GetContentScaleFactor();
    return m_view.PickNodeAt(int(x * scale), int(y * scale), m_time());
}

wxDragResult TextureDropTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult result)
{
    CSGNode* hit = HitAt(x, y);
    const bool takes = m_takes(hit);
    m_view.ShowDropTarget(takes ? hit : nullptr);
    return takes ? result : wxDragNone;
}

void TextureDropTarget::OnLeave()
{
    m_view.ShowDropTarget(nullptr);
}

wxDragResult TextureDropTarget::OnData(wxCoord x, wxCoord y, wxDragResult result)
{
    m_view.ShowDropTarget(nullptr);
    if (!GetData())
        return wxDragNone;
    const std::string path(static_cast<const char*>(m_data->GetData()), m_data->GetSize());
    return m_drop(HitAt(x, y), path) ? result : wxDragNone;
}
