#pragma once

#include <wx/docview.h>

class CDocument;
class wxChildFocusEvent;
class wxWindowDestroyEvent;

// A view of the document shown in one pane of the main frame. The view makes its pane window
// in CreateViewWindow; the window owns the view from then on, so destroying the pane (when
// the frame closes) destroys the view and detaches it from its document.
//
// Commands reach the active view first, then its document, the frame and the application. A
// pane becomes the active view when it or one of its controls takes the focus or is clicked.
class CView : public wxView {
public:
    CView() = default;

    // Makes the pane window as a child of `parent` and attaches the view to `document`. False,
    // with nothing attached, when the window cannot be made; the caller then deletes the view.
    bool Create(wxWindow* parent, CDocument* document);

    wxWindow* GetWindow() const { return m_window; }
    CDocument* GetDocument() const;

    // Runs after every New and Open; the base version calls OnUpdate.
    virtual void OnInitialUpdate();
    // The document changed (UpdateAllViews); the base version repaints the pane.
    void OnUpdate(wxView* sender, wxObject* hint) override;
    void OnDraw(wxDC*) override {}

    // Makes this the active view, the first to receive commands.
    void MakeActive();
    bool IsActive() const;
    // Shows `text` in the message pane of the main frame's status bar.
    void SetStatusText(const wxString& text) const;
    // Puts what the user typed into the pane's fields but has not applied yet into the
    // document. False when some text cannot be applied: the pane then shows which and why,
    // and the caller must not act. The base pane has no fields.
    virtual bool CommitPendingEdits() { return true; }
    // Takes the keyboard focus for the view keys after a form field is done with; false for a
    // pane that does not take it (the base).
    virtual bool TakeKeyboard() { return false; }

protected:
    // Makes the pane window (with `parent` as its parent) and returns it, or null on failure.
    virtual wxWindow* CreateViewWindow(wxWindow* parent) = 0;
    // The pane window is about to be destroyed; it and its children still exist.
    virtual void OnDestroyWindow() {}

    // The document manager passes commands to the view and then to the document itself.
    bool TryBefore(wxEvent&) override { return false; }
    // The frame's title is the manager's business, not the pane's.
    void OnChangeFilename() override {}

private:
    void OnChildFocus(wxChildFocusEvent& event);
    void OnMouseDown(wxMouseEvent& event);
    void OnWindowDestroy(wxWindowDestroyEvent& event);

    wxWindow* m_window = nullptr;
};
