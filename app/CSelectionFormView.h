#pragma once

#include "framework/CView.h"

// The selection properties pane.
class CSelectionFormView : public CView {
protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override;
};
