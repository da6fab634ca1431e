#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "scenegraph/CSGNode.h"
#include "tests/support/WrittenText.h"
#include "xml/XmlElement.h"

namespace scenegraph_test {

using GLMatrix = std::array<float, 16>;

// Records the OpenGL state it meets at every draw; in selection mode it also draws a point at
// the origin so that the name stack is reported in a hit record.
class ProbeNode : public CSGNode {
public:
    void Draw(float t) override;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement&, CSGScene&) override {}

    std::vector<GLMatrix> modelviews;
    std::vector<int> nameStackDepths;
};

// Counts the instances alive, to prove that owners delete what they own.
class CountingNode : public CSGNode {
public:
    CountingNode() { ++s_alive; }
    ~CountingNode() override { --s_alive; }
    void Draw(float) override {}
    void WriteXml(std::FILE*) override {}
    void ReadXml(const XmlElement&, CSGScene&) override {}

    static int s_alive;
};

GLMatrix CurrentModelview();
// The modelview that `transform` makes from the identity (state restored afterwards).
GLMatrix ModelviewAfter(const std::function<void()>& transform);
void ExpectMatrixNear(const GLMatrix& actual, const GLMatrix& expected, float tolerance = 1e-5f);

// What the node writes with WriteXml.
// A minimal reading of written element text (names, quoted attributes, nesting) into an element,
// enough to feed a node's ReadXml with what it wrote.
XmlElement ElementFromText(const std::string& text);

} // namespace scenegraph_test
