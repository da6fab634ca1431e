#pragma once

#include <GL/gl.h>

// The colour that was current before a node set its own. A node puts it back with Restore
// right before it pops its attributes: with colour material on, Mesa changes the material
// only when glColor changes the colour, so a colour that only the pop puts back would leave
// the node's colour in the material, and the next node drawn in that same colour would show
// the previous node's colour instead.
class SavedColour {
public:
    SavedColour() { glGetFloatv(GL_CURRENT_COLOR, m_rgba); }
    void Restore() const { glColor4fv(m_rgba); }

private:
    GLfloat m_rgba[4];
};
