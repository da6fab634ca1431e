#include "level/PickWalk.h"

#include <GL/gl.h>

#include "level/DrawnBox.h"
#include "level/Item.h"
#include "level/Wall.h"
#include "scenegraph/CSGGroup.h"

void PickWalk::Group(const CSGGroup& group)
{
    GLfloat saved[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, saved);
    int index = 0;
    for (const auto& child : group.Children()) {
        m_path.push_back(index++);
        if (const auto* nested = dynamic_cast<const CSGGroup*>(child.get()))
            Group(*nested);
        else
            Leaf(*child);
        m_path.pop_back();
    }
    glLoadMatrixf(saved);
    m_clipKnown = false;
}

void PickWalk::Leaf(CSGNode& node)
{
    // Walls and items put back the modelview they found; any other node may change it.
    DrawnBox box{};
    bool known = false;
    if (const auto* wall = dynamic_cast<const Wall*>(&node)) {
        box = BoxOf(*wall);
        known = true;
    } else if (const auto* item = dynamic_cast<const Item*>(&node)) {
        box = BoxOf(*item);
        known = true;
    }
    if (known && Outside(box.centre, box.half))
        return;
    glLoadName(static_cast<GLuint>(m_paths.size()));
    m_paths.push_back(m_path);
    node.Draw(m_time);
    if (!known)
        m_clipKnown = false;
}

bool PickWalk::Outside(const float centre[3], const float half[3])
{
    if (!m_clipKnown) {
        m_clip = CurrentClipMatrix();
        m_clipKnown = true;
    }
    // One bit per clip plane: set while every corner so far lies beyond that plane.
    unsigned beyondAll = 0x3F;
    for (int corner = 0; corner < 8 && beyondAll; ++corner) {
        float p[4];
        for (int r = 0; r < 4; ++r) {
            p[r] = m_clip.m[12 + r];
            for (int k = 0; k < 3; ++k)
                p[r] += m_clip.m[k * 4 + r] * (centre[k] + ((corner >> k) & 1 ? half[k] : -half[k]));
        }
        unsigned beyond = 0;
        for (int axis = 0; axis < 3; ++axis) {
            beyond |= (p[axis] > p[3] ? 1u : 0u) << (2 * axis);
            beyond |= (p[axis] < -p[3] ? 1u : 0u) << (2 * axis + 1);
        }
        beyondAll &= beyond;
    }
    return beyondAll != 0;
}

std::vector<int> PickWalk::PathOf(const std::vector<int>& names) const
{
    if (names.size() != 2 || names[1] < 0 || static_cast<std::size_t>(names[1]) >= m_paths.size())
        return names;
    return m_paths[static_cast<std::size_t>(names[1])];
}
