#pragma once

#include "framework/CView.h"

// The level properties pane.
class CMainFormView : public CView {
protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override;
};
