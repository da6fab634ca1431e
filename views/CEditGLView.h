#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <wx/cursor.h>

#include "document/EditStates.h"
#include "document/ObjectClipboard.h"
#include "play/PlayRun.h"
#include "scenegraph/NodeType.h"
#include "views/CGLView.h"
#include "views/EditGestures.h"
#include "views/EditProjection.h"
#include "views/MeasureGesture.h"
#include "views/PickPath.h"

class wxKeyEvent;
class wxMouseCaptureLostEvent;
class wxSetCursorEvent;
class wxUpdateUIEvent;

// The top-down edit pane: the level's outlines over a grid, seen from above with X to the
// right and Z downward. The left button selects and drags (MODE_SELECT), drags out a new wall
// (MODE_CREATE_WALL) or places one item (MODE_INSERT_ITEM); the middle button pans; the wheel
// zooms about the pointer. The Grid commands (140-144) set the spacing and snapping.
// A gesture (EditGestures.h) ends as one step of the undo history; Escape, or any other change
// of the level while it runs, cancels it and puts back what it changed. The arrow keys move
// the selection by a grid step (Shift: a tenth of one).
class CEditGLView : public CGLView {
public:
    static constexpr short MODE_SELECT = 1;
    static constexpr short MODE_CREATE_WALL = 2;
    static constexpr short MODE_INSERT_ITEM = 3;
    static constexpr short MODE_MEASURE = 4;
    // The cursor of the item insertion mode, relative to the working directory.
    static constexpr const char* ITEM_CURSOR_PATH = "res/Item_insert.cur";

    CEditGLView();

    // Level coordinates under pixel (x, y) (physical pixels from the top left) with the
    // matrices of the last frame; Y is the near plane and means nothing.
    LevelPoint UnprojectPoint(int x, int y);
    // The camera as the next frame draws it.
    EditCamera Camera() const;
    // Ends a drag, a new wall or a pan without a step: what it changed is put back.
    void CancelGesture();
    bool GestureRunning() const { return m_gesture != nullptr; }
    std::optional<EditGesture::Kind> RunningGesture() const;
    // Centres the floor and zooms so that all of it shows.
    void ZoomToFit();
    // A level came: its first camera shows the whole floor, fitted again at each new size of the
    // view (docked panes get their sizes only once the window shows), until the designer presses
    // a button, turns the wheel or types in the view.
    void OnInitialUpdate() override;
    // The view keys (S, W, I, arrows, Delete) act here again once a form field is done with.
    bool TakeKeyboard() override;
    // Shows the head's path of a run over the level until the level changes or Escape.
    void ShowRunTrace(std::vector<TracePoint> trace);
    bool ShowsRunTrace() const;
    // The default camera: the origin in the middle, 40 units from top to bottom.
    void ActualSize();
    // Scrolls the selected objects into sight where they are out of it; the zoom stays.
    void ScrollSelectionIntoView();
    // The same for the objects given.
    void ScrollIntoSight(const std::vector<CSGNode*>& nodes);
    // The next click in the view inserts an item of `itemType`, and I inserts that kind from
    // then on; not during a gesture.
    void ChooseItemKind(int itemType);
    // Takes the measured line away.
    void ClearMeasure();

    // --- for the gestures ---
    void SetCamera(const EditCamera& camera);
    // A grid rounding rule of EditProjection (CornerSnap, CellCentreSnap).
    using SnapRule = double (*)(double, int);
    // The level point under the pixel, put on the grid by `snap` when snapping is on and the
    // mode has a snap (null: none).
    LevelPoint SnappedPoint(const wxPoint& point, SnapRule snap);
    // Both panes draw again (a dragged object moved).
    void RefreshPanes();

    wxCursor m_hItemCursor;
    int m_gridSize = 1;
    // The floor and the walls show their images under the lines (View > Textured Top View).
    bool m_texturedTop = false;
    bool m_snapToGrid = true;
    int m_width = 0;
    int m_height = 0;
    float m_copX = 0.0f;
    float m_copY = 0.0f;
    // Interaction mode, set by the frame's mode commands.
    short m_mode = MODE_SELECT;
    // The item type that the item insertion mode inserts: the last kind chosen.
    int m_insertType = ITEM_LIFE_EXTRA;
    // The measured line while it shows.
    std::optional<MeasureLine> m_measureLine;
    // Shows the pointer's level coordinates ("X: 1.00  Z: 2.00", snapped as a click of the
    // current mode would be), or an empty text when the pointer leaves the view.
    std::function<void(const wxString&)> m_pointerReadout;
    // After each fit of the level's first camera, which the preview's first camera goes by.
    std::function<void()> m_firstCameraFitted;
    // The readout for where the pointer is now: after a change of mode, grid or camera, which
    // the next move would otherwise be the first to show.
    void ShowPointerPlaceNow();

protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override;
    void OnDestroyWindow() override;
    void DrawFrame() override;
    void OnResize(int width, int height) override;
    void ZoomTo(float zoom, const wxPoint& pointer) override;

private:
    // Left-button actions by mode.
    // Select mode: a press on a selected wall's handle resizes it, on an object drags it,
    // elsewhere (and with Alt anywhere) it draws a rubber band.
    void SelectOrStartDrag(const wxPoint& point, const wxMouseEvent& event);
    // What lies under a pixel: the walls, items and start marker in the order clicks take them,
    // and the floor when it is there.
    struct PointPicks {
        std::vector<CSGNode*> objects;
        CSGNode* floor = nullptr;
    };
    PointPicks PicksAt(const wxPoint& point);
    // The selected walls that show handles: in select mode, while no more than
    // kMostWallsWithHandles walls are selected.
    std::vector<CSGNode*> WallsWithHandles() const;
    // The handle of a selected wall under the pixel.
    bool HandleUnder(const wxPoint& point, Wall*& wall, Handle& handle);
    // The sizing cursor of the handle under the pixel; the arrow elsewhere.
    wxCursor HandleCursor(const wxPoint& point);
    double LevelUnitsPerPixel() const;
    void InsertItem(const wxPoint& point);
    // The gesture runs from now until EndGesture; the document can cancel it.
    void StartGesture(std::unique_ptr<EditGesture> gesture);
    // Commits or cancels the running gesture, if any, and lets go of the mouse.
    void EndGesture(bool commit);
    // Ends the gesture held by `button` as its release does.
    void ReleaseButton(int button);
    // The snap a click applies in the current mode: corners for walls, cell centres for items.
    SnapRule ModeSnap() const;
    void ShowPointerPlace(const wxPoint& point);
    // The pointer in physical pixels of the canvas, from its top left.
    wxPoint PointerNow() const;
    // The mode keys S, W and I, as the frame's mode commands set it; not during a gesture.
    void SetMode(short mode);
    // The keys that choose a tool (an item kind, the measure); false for any other key.
    bool ChooseToolByKey(int code);
    void StartMeasure(const wxPoint& point);
    // Arrow keys: the selection moves by (dx, dz) grid steps.
    void MoveSelection(float dx, float dz);
    void StartCapture();
    void EndCapture();
    void UpdateAllViews();
    void FitFirstCamera();

    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMiddleDown(wxMouseEvent& event);
    void OnMiddleUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    // A press, a wheel turn or a key: the camera is the designer's from now on.
    void OnDesignerInput(wxEvent& event);
    void OnSetCursor(wxSetCursorEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnGridCommand(wxCommandEvent& event);
    void OnUpdateGridCommand(wxUpdateUIEvent& event);
    void OnClipboardCommand(wxCommandEvent& event);
    // Runs Cut, Copy, Duplicate, Select All or Paste; the line that says what it did, or what
    // went wrong (empty: nothing to say).
    wxString RunClipboardCommand(CLevelMapDoc& document, int id);
    void OnUpdateClipboardCommand(wxUpdateUIEvent& event);
    // Paste goes to the pointer while it is over this view.
    PastePlace PastePlaceHere();

    // The frame that carries the Grid commands for this view, whichever pane is active.
    wxWindow* m_commandFrame = nullptr;
    std::unique_ptr<EditGesture> m_gesture;
    PickCycle m_pickCycle;
    // A handle is drawn this many pixels from its place to each side, and taken this far away.
    static constexpr double kHandleHalfPixels = 3.5;
    static constexpr double kHandleReachPixels = 5.0;
    // A wall smaller than this on the screen has none: its handles would cover it.
    static constexpr double kHandlesFromPixels = 12.0;
    static constexpr std::size_t kMostWallsWithHandles = 8;
    std::vector<TracePoint> m_runTrace;
    // The document's change count when the run ended: the path shows while it is unchanged.
    unsigned long m_runTraceChange = 0;
    // The level's first camera is fitted again at each new size.
    bool m_firstCameraFollows = false;
};
