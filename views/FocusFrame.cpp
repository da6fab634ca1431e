#include "views/FocusFrame.h"

#include <GL/gl.h>

#include "views/PixelMatrices.h"

void DrawFocusFrame(int width, int height, int thickness, const FocusFrameColour& colour)
{
    // The lighting bit too: with colour material on, the colour would change the material.
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_POLYGON_BIT | GL_LIGHTING_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glDisable(GL_FOG);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    {
        const PixelMatrices pixels(width, height);
        glColor3ub(colour.red, colour.green, colour.blue);
        const int t = thickness;
        glRecti(0, 0, width, t);                  // bottom
        glRecti(0, height - t, width, height);    // top
        glRecti(0, t, t, height - t);             // left
        glRecti(width - t, t, width, height - t); // right
    }
    glPopAttrib();
}
