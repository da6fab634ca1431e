#include "app/Screenshot.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/window.h>

bool SaveWindowScreenshot(wxWindow& window, const wxString& path)
{
    wxRect area = window.GetScreenRect();
    if (area.IsEmpty())
        return false;
    wxScreenDC screen;
    wxBitmap picture(area.GetWidth(), area.GetHeight(), 24);
    wxMemoryDC memory(picture);
    bool copied = memory.Blit(0, 0, area.GetWidth(), area.GetHeight(), &screen, area.GetX(), area.GetY());
    memory.SelectObject(wxNullBitmap);
    if (!copied)
        return false;
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    return picture.SaveFile(path, wxBITMAP_TYPE_PNG);
}
