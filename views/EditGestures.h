#pragma once

#include <memory>
#include <vector>

#include <wx/gdicmn.h>
#include <wx/mousestate.h>
#include <wx/string.h>

#include "document/EditStates.h"
#include "document/PlacementCommand.h"
#include "geometry/Footprint.h"

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
    enum class Kind { Drag, Wall, Pan, Box, Measure };

    virtual ~EditGesture() = default;
    virtual Kind GetKind() const = 0;
    // The mouse button that holds the gesture (wxMOUSE_BTN_LEFT or wxMOUSE_BTN_MIDDLE).
    virtual int Button() const = 0;
    virtual void Update(const wxPoint& point) = 0;
    virtual void Commit() = 0;
    virtual void Cancel() = 0;
};

// Moves the selected walls, items and start marker with the pointer, by its displacement in
// whole grid steps while snapping is on, so the object under the pointer lands where it is
// dropped. A release without a move is a click: it selects the pressed object alone, or with
// Shift or Ctrl takes a selected one out.
class DragGesture : public EditGesture {
public:
    // The press was on `pressed`, now selected; `wasSelected` says whether it was before.
    DragGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press, CSGNode& pressed,
                std::vector<CSGNode*> selectionBefore, bool wasSelected, bool toggle);
    Kind GetKind() const override { return Kind::Drag; }
    int Button() const override { return wxMOUSE_BTN_LEFT; }
    void Update(const wxPoint& point) override;
    void Commit() override;
    void Cancel() override;

private:
    struct Moved {
        CSGNode* node;
        Placement from;
    };

    CEditGLView& m_view;
    CLevelMapDoc& m_document;
    CSGNode& m_pressed;
    std::vector<CSGNode*> m_selectionBefore;
    bool m_wasSelected, m_toggle;
    std::vector<Moved> m_moved;
    ObjectPosition m_pressedAt;
    bool m_hasMoved = false;
};

// A rubber band from where the press was: at the release, the walls and items wholly inside it
// (Alt: touching it) become the selection, or with Shift or Ctrl are added, or with Ctrl+Alt
// taken out. A release where the press was is a click on the floor (or outside it).
class BoxGesture : public EditGesture {
public:
    struct Keys {
        bool alt, add;
    };

    BoxGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press, CSGNode* pressed, Keys keys);
    Kind GetKind() const override { return Kind::Box; }
    int Button() const override { return wxMOUSE_BTN_LEFT; }
    void Update(const wxPoint& point) override;
    void Commit() override;
    void Cancel() override {}
    // The band's corners in level units.
    LevelRect Band() const;

private:
    CEditGLView& m_view;
    CLevelMapDoc& m_document;
    CSGNode* m_pressed;
    Keys m_keys;
    wxPoint m_pressPixel, m_pointPixel;
    ObjectPosition m_from, m_to;
};

// Draws a new wall from the pressed corner to the pointer; the wall is in the level only to be
// seen until the release adds it as one step. The status bar keeps the wall's first corner.
class WallGesture : public EditGesture {
public:
    WallGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press);
    Kind GetKind() const override { return Kind::Wall; }
    int Button() const override { return wxMOUSE_BTN_LEFT; }
    void Update(const wxPoint& point) override;
    void Commit() override;
    void Cancel() override;

private:
    // Takes the drawn wall out of the level (from `index`) and gives the selection back.
    std::unique_ptr<CSGNode> TakeWallOut(std::size_t& index);

    CEditGLView& m_view;
    CLevelMapDoc& m_document;
    std::vector<CSGNode*> m_selectionBefore;
    Wall* m_wall; // a child of the level group until the gesture ends
    ObjectPosition m_corner;
};

// Moves the camera with the middle button; it changes nothing of the level.
class PanGesture : public EditGesture {
public:
    PanGesture(CEditGLView& view, const wxPoint& press);
    Kind GetKind() const override { return Kind::Pan; }
    int Button() const override { return wxMOUSE_BTN_MIDDLE; }
    void Update(const wxPoint& point) override;
    void Commit() override { End(); }
    void Cancel() override { End(); }

private:
    void End();

    CEditGLView& m_view;
    wxPoint m_last;
};
