#pragma once

#include "views/CDriveMode.h"
#include "batching/MeshCache.h"
#include "views/CGLView.h"
#include "views/PreviewNavigation.h"
#include "views/PreviewScene.h"

class wxKeyEvent;

// The perspective preview pane: the whole level lit and textured, seen from above and in front
// at a distance that grows with the floor. A left drag (with or without Shift) turns it about
// the level's centre with a virtual trackball, a left click without motion selects, a middle
// drag pans, the wheel zooms toward the pointer, F frames the selection (or the level), Home
// goes back to the first view, and the right button's menu toggles the animation. Before it
// draws, it carries out the document's pending texture work in its own context, which owns the
// level's textures and display lists.
class C3DGLView : public CGLView {
public:
    C3DGLView();
    ~C3DGLView() override;

    void OnInitialUpdate() override;
    // Zooms so that the whole floor shows, turned as it is now, in the middle of the view.
    void ZoomToFit();
    // The snake's run shown in this pane instead of the level's preview.
    CDriveMode& DriveMode() { return m_drive; }
    // Centres the selection and zooms so that it shows whole; the level without a selection.
    void FrameSelection();
    // The first view: no turn, no pan, the whole floor in sight.
    void ResetCamera();

    PreviewNavigation& Navigation() { return m_navigation; }
    bool IsTurning() const { return m_gesture == Gesture::Turn; }
    bool IsPanning() const { return m_gesture == Gesture::Pan; }

protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override;
    void DrawFrame() override;
    void OnResize(int width, int height) override;
    void ReleaseGLObjects() override;
    void ZoomTo(float zoom, const wxPoint& pointer) override;

private:
    // The extension loader and the image library, once, with this view's context current.
    void InitialiseOpenGL();
    // The larger side of the floor: the eye's height and distance.
    float CameraDistance() const;
    // The camera as the next frame draws it.
    PreviewCamera Camera() const;
    // Shows the notices of images refused since the last frame in the status bar, on one line.
    void ShowImageNotices() const;

    // What the held button does: a left press waits to see whether it becomes a turn or
    // stays a click.
    enum class Gesture { None, Press, Turn, Pan };

    void StartGesture(Gesture gesture, const wxPoint& point);
    void EndGesture();
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMiddleDown(wxMouseEvent& event);
    void OnMiddleUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnToggleAnimation(wxCommandEvent& event);

    PreviewNavigation m_navigation;
    // The walls' and the signs' corners from frame to frame: a frame builds only what changed.
    MeshCache m_meshes;
    Gesture m_gesture = Gesture::None;
    wxPoint m_pressPoint;
    bool m_pressToggles = false;
    bool m_navigationReady = false;
    bool m_openGLReady = false;
    CDriveMode m_drive{*this};
};
