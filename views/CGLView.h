#pragma once

#include <memory>

#include "framework/CView.h"

class wxGLCanvas;
class wxGLContext;
class wxPaintEvent;

// Base of the two OpenGL panes: a view whose window is an OpenGL canvas with its own
// rendering context. The application's idle processing repaints these panes continuously.
class CGLView : public CView {
public:
    CGLView();
    ~CGLView() override;

    wxGLCanvas* GetCanvas() const { return m_canvas; }

protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override;
    void OnDraw(wxDC* dc) override;

private:
    void OnPaint(wxPaintEvent& event);

    wxGLCanvas* m_canvas = nullptr;
    std::unique_ptr<wxGLContext> m_context;
};
