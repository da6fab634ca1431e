#pragma once

#include <cstdio>
#include <string>

#include "scenegraph/NodeType.h"

class XmlElement;
class CSGScene;

// Abstract node of the scene graph. A node changes the current OpenGL state or draws in it;
// only groups scope state. Nodes are always deleted through a CSGNode pointer.
class CSGNode {
public:
    CSGNode() = default;
    CSGNode(const CSGNode&) = delete;
    CSGNode& operator=(const CSGNode&) = delete;
    virtual ~CSGNode() = default;

    virtual int GetType() const { return PLAIN_NODE; }
    // Creates the OpenGL resources the node needs; most nodes need none.
    virtual void Prepare() {}
    // t is the animation time in seconds, or exactly -1.0 for the flat edit-view drawing.
    virtual void Draw(float t) = 0;
    // Appends the node's element to an open level map file.
    virtual void WriteXml(std::FILE* file) = 0;
    // Sets the node's fields from a parsed element; child nodes come from the factory.
    virtual void ReadXml(const XmlElement& element, CSGScene& factory) = 0;
    // Whether ReadXml of a node that is not a group reads a child element of this name (a leaf
    // element itself). Any other child element would vanish at the next save.
    virtual bool ReadsChildElement(const std::string& /*name*/) const { return false; }
};

// Edit-view drawing is selected by this exact time value.
constexpr float FLAT_DRAW_TIME = -1.0f;
inline bool IsFlatDraw(float t) { return t == FLAT_DRAW_TIME; }
