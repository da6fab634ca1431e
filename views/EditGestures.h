#pragma once

#include <memory>

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "document/EditStates.h"

class CEditGLView;
class CLevelMapDoc;
class CSGNode;
class Wall;

// A status text in the desktop's language with two coordinates, always with a decimal point.
wxString PointStatus(const wxString& format, double x, double z);

// A gesture of the edit view, from a button's press to its release: it changes the level or
// the camera live, ends in at most one step of the history (Commit), or puts back everything
// it changed since the press (Cancel: Escape, or any other change of the level while it runs).
// No step can run while a gesture does, so the nodes it holds stay alive until it ends.
class EditGesture {
public:
    enum class Kind { Drag, Wall, Pan };

    virtual ~EditGesture() = default;
    virtual Kind GetKind() const = 0;
    // The mouse button that holds the gesture (wxMOUSE_BTN_LEFT or wxMOUSE_BTN_MIDDLE).
    virtual int Button() const = 0;
    virtual void Update(const wxPoint& point) = 0;
    virtual void Commit() = 0;
    virtual void Cancel() = 0;
};

// Moves the selected wall, item, floor or start marker with the pointer.
class DragGesture : public EditGesture {
public:
    DragGesture(CEditGLView& view, CLevelMapDoc& document, CSGNode& node, const wxPoint& press);
    Kind GetKind() const override { return Kind::Drag; }
    int Button() const override;
    void Update(const wxPoint& point) override;
    void Commit() override;
    void Cancel() override;

private:
    CEditGLView& m_view;
    CLevelMapDoc& m_document;
    CSGNode& m_node;
    LevelObject& m_object;
    ObjectPosition m_from; // where the object stood at the press
    ObjectPosition m_pressedAt;
};

// Draws a new wall from the pressed corner to the pointer; the wall is in the level only to be
// seen until the release adds it as one step. The status bar keeps the wall's first corner.
class WallGesture : public EditGesture {
public:
    WallGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press);
    Kind GetKind() const override { return Kind::Wall; }
    int Button() const override;
    void Update(const wxPoint& point) override;
    void Commit() override;
    void Cancel() override;

private:
    // Takes the drawn wall out of the level (from `index`) and gives the selection back.
    std::unique_ptr<CSGNode> TakeWallOut(std::size_t& index);

    CEditGLView& m_view;
    CLevelMapDoc& m_document;
    CSGNode* m_selectionBefore;
    Wall* m_wall; // a child of the level group until the gesture ends
    ObjectPosition m_corner;
};

// Moves the camera with the middle button; it changes nothing of the level.
class PanGesture : public EditGesture {
public:
    PanGesture(CEditGLView& view, const wxPoint& press);
    Kind GetKind() const override { return Kind::Pan; }
    int Button() const override;
    void Update(const wxPoint& point) override;
    void Commit() override { End(); }
    void Cancel() override { End(); }

private:
    void End();

    CEditGLView& m_view;
    wxPoint m_last;
};
