#pragma once

class CSGGroup;

// The preview's perspective camera and lit drawing state, free of the window toolkit.

struct PreviewCamera {
    float aspect = 1.0f;
    float zoom = 1.0f;
    // The larger of the floor's width and depth: the eye stands at (0, d, d).
    float distance = 20.0f;
    // Rotation applied to the level, row by row, acting on column vectors.
    const float* rotation = nullptr;
};

// The zoom at which the floor slab (width x depth about the origin, Y from -1 to 0) shows
// whole, turned by the camera's rotation, with a small margin on the tighter side.
float FloorFitZoom(const PreviewCamera& camera, float width, float depth);

// Lit, depth-tested, back-face-culled drawing with colour material for ambient and diffuse,
// textures modulating the lit colour.
void SetupPreviewRenderingState();
// Loads projection and modelview of the camera, the rotation included.
void ApplyPreviewCamera(const PreviewCamera& camera);
// One whole frame of the preview: black background, the whole scene at time t (none when root
// is null).
void DrawPreviewFrame(const PreviewCamera& camera, CSGGroup* root, float t);
