#pragma once

#include <vector>

#include "scenegraph/Matrix4.h"

class CSGGroup;
class CSGNode;

// Draws the objects below a group in selection mode, each under the one name [0, i] where i is
// its place in the walk's list of name paths, and skips every object whose drawing lies wholly
// outside the pick region (it could not give a hit). Groups keep their matrix in memory instead
// of on the matrix stack, and the name stack never grows with the depth, so objects nested
// any number of groups deep are picked. Needs the pick projection loaded and a current
// modelview; leaves the modelview as it found it.
class PickWalk {
public:
    explicit PickWalk(float time) : m_time(time) {}
    void Group(const CSGGroup& group);
    // The name path [0, k, j, ...] of the object a hit record names, or the record's names
    // when they name no object of the walk.
    std::vector<int> PathOf(const std::vector<int>& names) const;

private:
    void Leaf(CSGNode& node);
    // Whether the box (centre and half extents, in the coordinates current for the node) lies
    // wholly outside one plane of the pick region.
    bool Outside(const float centre[3], const float half[3]);

    float m_time;
    std::vector<int> m_path{0};
    std::vector<std::vector<int>> m_paths;
    // Projection times modelview, column by column, while the modelview is known.
    Matrix4 m_clip = Matrix4::Identity();
    bool m_clipKnown = false;
};
