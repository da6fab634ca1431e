#pragma once

#include <memory>

#include <wx/gdicmn.h>
#include <wx/menu.h>

#include "framework/CView.h"
#include "views/FailureReport.h"

class CLevelMapDoc;
class CSGNode;
class LevelFloor;
class wxCommandEvent;
class wxEraseEvent;
class wxFocusEvent;
class wxGLCanvas;
class wxGLContext;
class wxMouseEvent;
class wxPaintEvent;
class wxSizeEvent;
class wxUpdateUIEvent;

// Base of the two OpenGL panes: a view whose window is an OpenGL canvas with a rendering
// context of its own (a legacy compatibility context, double-buffered RGBA with 24 colour bits
// and a depth buffer). Every OpenGL call of a view runs after MakeCurrent; the context is made
// current only once the canvas is shown on screen. The wheel zooms; Delete (152) deletes the
// document's selection. While the pane has the keyboard focus a frame runs along its edges.
// A pane repaints only when what it shows changes (the document's views are updated, its
// camera, size or focus changes); the animated preview is repainted by the idle processing.
class CGLView : public CView {
public:
    CGLView();
    ~CGLView() override;

    wxGLCanvas* GetCanvas() const { return m_canvas; }
    CLevelMapDoc* GetLevelDocument() const;
    // The level's floor; null without a level.
    const LevelFloor* GetFloor() const;

    // Makes this view's context current. False when it fails, after the "GlMakeCurrent Error"
    // message the first time it fails since the last success; false without a message while
    // the canvas is not yet shown on screen.
    bool MakeCurrent();
    // The wall, item, start marker or floor under pixel (x, y) (physical pixels from the top
    // left) with the matrices of the last frame; null outside the floor.
    CSGNode* PickNodeAt(int x, int y, const float& time);
    // A click at pixel (x, y): the object under it becomes the selection alone, or with
    // `toggle` (Shift or Ctrl) is added or taken out (Selection::Click).
    void SelectObjectAt(int x, int y, const float& time, bool toggle);
    // Shows `text` about `node` in the message pane. While the pane keeps it, it follows the
    // node: after a change of the node it says what the node is now, and goes when the node
    // leaves the level.
    void ShowPick(const CSGNode& node, const wxString& text);
    // The message pane shows what ShowPick put there.
    bool ShowsPick() const { return m_pickNode && StatusText() == m_pickShown; }
    // The document changed: the pane repaints, and a pick text follows its node.
    void OnUpdate(wxView* sender, wxObject* hint) override;
    // Highlights the object that a dragged texture would go to (null: none).
    void ShowDropTarget(const CSGNode* node);
    const CSGNode* DropTarget() const { return m_dropTarget; }
    // Frames drawn since the pane was made.
    unsigned long FramesDrawn() const { return m_framesDrawn; }

    // Uniform zoom of the derived views' drawing, changed by the wheel only.
    float m_zoom = 1.0f;
    // The view's context menu; empty unless a derived view fills it.
    wxMenu m_popupMenu;
    // Width over height of the client area at the last resize.
    float m_aspect = 1.0f;

protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override;
    void OnDestroyWindow() override;

    // Draws one frame with the context current and the viewport set; the base swaps buffers.
    virtual void DrawFrame() = 0;
    // The client area is now width x height physical pixels.
    virtual void OnResize(int /*width*/, int /*height*/) {}
    // The view's own OpenGL objects go away, its context current (the window is closing).
    virtual void ReleaseGLObjects() {}
    // A wheel step sets the zoom; `pointer` is where the wheel turned, in physical pixels.
    virtual void ZoomTo(float zoom, const wxPoint& /*pointer*/) { m_zoom = zoom; }

    // A mouse event's position in physical pixels, as the viewport counts them.
    wxPoint PhysicalPosition(const wxMouseEvent& event) const;
    // A point in the canvas's client coordinates, in pixels of the OpenGL pane.
    wxPoint PhysicalPoint(const wxPoint& client) const;
    wxSize PhysicalClientSize() const;

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnEraseBackground(wxEraseEvent&) {}
    // The pane shows that it has the keyboard focus by a frame along its edges.
    void DrawFocusFrameOver(const wxSize& size) const;
    void OnFocusChange(wxFocusEvent& event);
    void OnMouseWheel(wxMouseEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnUpdateDelete(wxUpdateUIEvent& event);

    // The node of the pick text, what it said of the node, and what the pane was given.
    const CSGNode* m_pickNode = nullptr;
    const CSGNode* m_dropTarget = nullptr;
    wxString m_pickDescribed, m_pickShown;
    wxGLCanvas* m_canvas = nullptr;
    std::unique_ptr<wxGLContext> m_context;
    // The context has been current once: its window is realised and OpenGL may be used.
    bool m_contextReady = false;
    FailureReport m_makeCurrentFailures;
    unsigned long m_framesDrawn = 0;
};
