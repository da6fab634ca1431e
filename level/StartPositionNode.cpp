#include "level/StartPositionNode.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "level/FlatStyle.h"
#include "level/SavedColour.h"

namespace {

constexpr FlatColour kColour = {1.0f, 0.5f, 0.5f};

} // namespace

StartPositionNode::StartPositionNode(float posX, float posY, float posZ, float angleDeg)
    : angle(angleDeg)
{
    x = posX;
    y = posY;
    z = posZ;
}

StartPositionNode::~StartPositionNode()
{
    if (m_disk)
        gluDeleteQuadric(m_disk);
    if (m_cone)
        gluDeleteQuadric(m_cone);
}

void StartPositionNode::Draw(float t)
{
    if (!m_disk)
        m_disk = gluNewQuadric();
    if (!m_cone)
        m_cone = gluNewQuadric();
    const SavedColour colour;
    glPushAttrib(GL_CURRENT_BIT | GL_LINE_BIT);
    glPushMatrix();
    if (IsFlatDraw(t))
        SetFlatOutline(kColour, selected);
    else if (selected)
        glColor3f(1.0f, 0.0f, 0.0f);
    else
        glColor3f(kColour.r, kColour.g, kColour.b);
    glTranslatef(0.0f, 0.8f, 0.0f);
    glTranslatef(x, y, z);
    glRotatef(angle, 0.0f, 1.0f, 0.0f);
    gluDisk(m_disk, 0.0, 0.8, 12, 1);
    // The cone's tip points along -Z of the marker's frame.
    glPushMatrix();
    glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    gluCylinder(m_cone, 0.8, 0.0, 2.0, 12, 1);
    glPopMatrix();
    glPopMatrix();
    colour.Restore();
    glPopAttrib();
}
