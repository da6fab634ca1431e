#include "app/CSelectionFormView.h"

#include <wx/panel.h>

wxWindow* CSelectionFormView::CreateViewWindow(wxWindow* parent)
{
    return new wxPanel(parent);
}
