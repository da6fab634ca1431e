#include "framework/CView.h"

#include <wx/frame.h>
#include <wx/statusbr.h>
#include <wx/window.h>

#include "framework/CDocManager.h"
#include "framework/CDocument.h"

namespace {

// Client data of the pane window that owns its view: deleted with the window.
class ViewOwnership : public wxClientData {
public:
    explicit ViewOwnership(CView* view) : m_view(view) {}
    ~ViewOwnership() override { delete m_view; }
    ViewOwnership(const ViewOwnership&) = delete;
    ViewOwnership& operator=(const ViewOwnership&) = delete;

private:
    CView* m_view;
};

} // namespace

bool CView::Create(wxWindow* parent, CDocument* document)
{
    m_window = CreateViewWindow(parent);
    if (!m_window)
        return false;
    SetDocument(document);
    // Bound after the derived view's own handlers, so these run first and pass the event on.
    m_window->Bind(wxEVT_CHILD_FOCUS, &CView::OnChildFocus, this);
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_MIDDLE_DOWN, wxEVT_RIGHT_DOWN})
        m_window->Bind(type, &CView::OnMouseDown, this);
    m_window->Bind(wxEVT_DESTROY, &CView::OnWindowDestroy, this);
    m_window->SetClientObject(new ViewOwnership(this));
    return true;
}

CDocument* CView::GetDocument() const
{
    return static_cast<CDocument*>(wxView::GetDocument());
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, nullptr);
}

void CView::OnUpdate(wxView*, wxObject*)
{
    if (m_window)
        m_window->Refresh();
}

void CView::MakeActive()
{
    if (auto* manager = dynamic_cast<CDocManager*>(GetDocumentManager()))
        manager->SetActiveView(this);
}

bool CView::IsActive() const
{
    const wxDocManager* manager = GetDocumentManager();
    return manager && manager->GetCurrentView() == this;
}

void CView::SetStatusText(const wxString& text) const
{
    auto* frame = m_window ? wxDynamicCast(wxGetTopLevelParent(m_window), wxFrame) : nullptr;
    if (frame && frame->GetStatusBar())
        frame->SetStatusText(text, 0);
}

void CView::OnChildFocus(wxChildFocusEvent& event)
{
    MakeActive();
    event.Skip();
}

void CView::OnMouseDown(wxMouseEvent& event)
{
    // A press acts on the level with every typed value in it; while one is refused, the press
    // does nothing, so that the text stays to be mended.
    if (CDocument* document = GetDocument(); document && !document->CommitPendingEdits())
        return;
    MakeActive();
    if (m_window->AcceptsFocus() && wxWindow::FindFocus() != m_window)
        m_window->SetFocus();
    event.Skip();
}

void CView::OnWindowDestroy(wxWindowDestroyEvent& event)
{
    if (event.GetEventObject() == m_window) {
        if (IsActive())
            GetDocumentManager()->ActivateView(this, false);
        OnDestroyWindow();
    }
    event.Skip();
}
