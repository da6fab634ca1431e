#include "views/CGLView.h"

#include <GL/gl.h>
#include <wx/dcclient.h>
#include <wx/glcanvas.h>

CGLView::CGLView() = default;

CGLView::~CGLView() = default;

wxWindow* CGLView::CreateViewWindow(wxWindow* parent)
{
    wxGLAttributes attributes;
    attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).EndList();
    m_canvas = new wxGLCanvas(parent, attributes);
    m_context = std::make_unique<wxGLContext>(m_canvas);
    if (!m_context->IsOK()) {
        m_canvas->Destroy();
        m_canvas = nullptr;
        return nullptr;
    }
    m_canvas->Bind(wxEVT_PAINT, &CGLView::OnPaint, this);
    return m_canvas;
}

void CGLView::OnDraw(wxDC*)
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
    m_canvas->SwapBuffers();
}

void CGLView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(m_canvas);
    if (m_canvas->IsShownOnScreen() && m_context->SetCurrent(*m_canvas))
        OnDraw(&dc);
}
