#pragma once

#include <string>
#include <vector>

#include "scenegraph/CSGNode.h"

// The texture rows a level can have: row 0, the no-texture image, and the file's textures
// "1" .. MAX_TEXTURE_ROWS - 1. A file listing more is refused.
constexpr int MAX_TEXTURE_ROWS = 1000;

// Carries the document's texture table through the file: filled just before a save and after a
// read, empty otherwise. Draws nothing.
class TexturesNode : public CSGNode {
public:
    void Draw(float) override {}
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    std::vector<std::string> m_names; // texture "1" first
};
