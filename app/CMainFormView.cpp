#include "app/CMainFormView.h"

#include <wx/panel.h>

wxWindow* CMainFormView::CreateViewWindow(wxWindow* parent)
{
    return new wxPanel(parent);
}
