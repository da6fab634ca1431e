#include "views/PreviewScene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "scenegraph/CSGNode.h"

namespace {

constexpr double kFieldOfViewDeg = 45.0;
constexpr double kNear = 0.5;
constexpr double kFar = 300.0;

// OpenGL reads matrices column by column; the rotation is kept row by row.
void MultRowMajor(const float* rows)
{
    float columns[16];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            columns[c * 4 + r] = rows[r * 4 + c];
    glMultMatrixf(columns);
}

void SetupLitRenderingState()
{
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_NORMALIZE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
}

} // namespace

void SetupPreviewRenderingState()
{
    SetupLitRenderingState();
    // Textured nodes switch texturing on for themselves. The image library's start switches
    // it on in the context that is current then, which would texture the first frame's
    // untextured nodes with whatever texture was bound last.
    glDisable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void ApplyPreviewCamera(const PreviewCamera& camera)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfViewDeg, camera.aspect, kNear, kFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const double d = camera.distance;
    gluLookAt(0.0, d, d, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glScalef(camera.zoom, camera.zoom, camera.zoom);
    if (camera.rotation)
        MultRowMajor(camera.rotation);
}

void DrawPreviewFrame(const PreviewCamera& camera, CSGNode* root, float t)
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetupPreviewRenderingState();
    ApplyPreviewCamera(camera);
    if (root)
        root->Draw(t);
    glFlush();
}
