#pragma once

class CSGGroup;
class MeshCache;

// The preview's perspective camera and lit drawing state, free of the window toolkit.

struct PreviewCamera {
    float aspect = 1.0f;
    float zoom = 1.0f;
    // The larger of the floor's width and depth: the eye stands at (0, d, d).
    float distance = 20.0f;
    // Rotation applied to the level, row by row, acting on column vectors.
    const float* rotation = nullptr;
    // A shift of the whole picture across the view, in eye units at the level centre's depth.
    float panX = 0.0f;
    float panY = 0.0f;
};

// Where a window point lies on the plane through the level's centre that faces the eye, in
// eye units from the view's axis; ndcX and ndcY run from -1 to 1 across the window.
void ViewPlanePoint(const PreviewCamera& camera, double ndcX, double ndcY, double out[2]);
// A level point in the eye's axes before the zoom and the pan: across, up and towards the
// eye, each measured from the level's centre.
void EyeAxes(const PreviewCamera& camera, const double level[3], double out[3]);
// The largest zoom (up to a limit) at which a ball of `radius` about the level point `centre`
// shows whole once the pan puts that point in the middle of the view; 0 when none does.
float BallFitZoom(const PreviewCamera& camera, const double centre[3], double radius);

// The zoom at which the floor slab (width x depth about the origin, Y from -1 to 0) shows
// whole, turned by the camera's rotation, with a small margin on the tighter side.
float FloorFitZoom(const PreviewCamera& camera, float width, float depth);

// Lit, depth-tested, back-face-culled drawing with colour material for ambient and diffuse,
// textures modulating the lit colour.
void SetupPreviewRenderingState();
// Loads projection and modelview of the camera, the rotation included.
void ApplyPreviewCamera(const PreviewCamera& camera);
// One whole frame of the preview: black background, the whole scene at time t (none when root
// is null). The meshes of the walls are kept in `meshes` from frame to frame; without a cache
// they are built for this frame alone.
void DrawPreviewFrame(const PreviewCamera& camera, CSGGroup* root, float t, MeshCache* meshes = nullptr);
