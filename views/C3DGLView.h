#pragma once

#include "views/CDriveMode.h"
#include "views/CGLView.h"
#include "views/CTrackball.h"
#include "views/PreviewScene.h"

// The perspective preview pane: the whole level lit and textured, seen from above and in front
// at a distance that grows with the floor. Shift + left drag turns it with a virtual trackball,
// a plain left click selects, the wheel zooms, and the right button's menu toggles the
// animation. Before it draws, it carries out the document's pending texture work in its own
// context, which owns the level's textures and display lists.
class C3DGLView : public CGLView {
public:
    C3DGLView();
    ~C3DGLView() override;

    CTrackball m_trackball;
    // Rotation applied to the level, row by row, acting on column vectors.
    float m_rotation[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    bool m_rotating = false;

    void OnInitialUpdate() override;
    // Zooms so that the whole floor shows, turned as it is now.
    void ZoomToFit();
    // The snake's run shown in this pane instead of the level's preview.
    CDriveMode& DriveMode() { return m_drive; }

protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override;
    void DrawFrame() override;
    void OnResize(int width, int height) override;
    void ReleaseGLObjects() override;

private:
    // The extension loader and the image library, once, with this view's context current.
    void InitialiseOpenGL();
    // The larger side of the floor: the eye's height and distance.
    float CameraDistance() const;
    // The camera as the next frame draws it.
    PreviewCamera Camera() const;
    // Shows the notices of images refused since the last frame in the status bar, on one line.
    void ShowImageNotices() const;

    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnToggleAnimation(wxCommandEvent& event);

    bool m_trackballReady = false;
    bool m_openGLReady = false;
    CDriveMode m_drive{*this};
};
