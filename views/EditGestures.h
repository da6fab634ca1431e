#pragma once

#include <memory>
#include <vector>

#include <wx/gdicmn.h>
#include <wx/mousestate.h>
#include <wx/string.h>

#include "document/EditStates.h"
#include "document/PlacementCommand.h"
#include "geometry/Footprint.h"
#include "geometry/WallHandles.h"

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
    enum class Kind { Drag, Wall, Pan, Box, Resize };

    virtual ~EditGesture() = default;
    virtual Kind GetKind() const = 0;
    // The mouse button that holds the gesture (wxMOUSE_BTN_LEFT or wxMOUSE_BTN_MIDDLE).
    virtual int Button() const = 0;
    virtual void Update(const wxPoint& point) = 0;
    virtual void Commit() = 0;
    virtual void Cancel() = 0;
};

// Moves the selected walls, items and start marker with the pointer. While snapping is on, the
// corner of the pressed object's bounds nearest the press (an item's or the start marker's
// centre) lands on the grid, so walls can be made flush. A release without a move is a click:
// on an object that was selected it selects `picks` alone (the next one under the spot when
// clicks cycle), or with Shift or Ctrl takes the pressed one out.
class DragGesture : public EditGesture {
public:
    struct Click {
        bool wasSelected, toggle;
        CSGNode* picks;
        wxString status;
    };

    // The press was on `pressed`, now selected.
    DragGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press, CSGNode& pressed,
                std::vector<CSGNode*> selectionBefore, Click click);
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
    Click m_click;
    std::vector<Moved> m_moved;
    wxPoint m_pressPixel;
    ObjectPosition m_pressedAt;
    // The point of the pressed object that snapping puts on the grid.
    FlatPoint m_anchor;
    bool m_hasMoved = false;
};

// Drags one handle of a selected wall: that edge or corner follows the pointer with the opposite
// one fixed (Shift, held at any time: the centre fixed), on the grid while snapping is on. The
// status shows the size; the release makes it one step.
class ResizeGesture : public EditGesture {
public:
    ResizeGesture(CEditGLView& view, CLevelMapDoc& document, const wxPoint& press, Wall& wall, Handle handle);
    Kind GetKind() const override { return Kind::Resize; }
    int Button() const override { return wxMOUSE_BTN_LEFT; }
    void Update(const wxPoint& point) override;
    void Commit() override;
    void Cancel() override;

private:
    using Shape = StatePair<ObjectPosition, WallShape>;

    CEditGLView& m_view;
    CLevelMapDoc& m_document;
    Wall& m_wall;
    Handle m_handle;
    Shape m_before;
    Footprint m_start;
    // From the pointer to the handle at the press, so the handle does not jump to the pointer.
    FlatPoint m_offset;
    wxPoint m_pressPixel;
    bool m_hasMoved = false;
};

// A rubber band from where the press was: at the release, the walls and items wholly inside it
// become the selection, or with Shift or Ctrl are added, or with Ctrl+Alt taken out. Drawn from
// right to left, or with Alt, it takes those it touches instead (and is drawn dashed). A release
// where the press was is a click on `pressed`.
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
    // Whether it takes what it touches rather than what it encloses.
    bool Touching() const;

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
