#pragma once

#include "scenegraph/CSGAxisNode.h"

// A fixed rotation of what follows it: AngleDeg degrees about the axis.
class CSGRotation : public CSGAxisNode {
public:
    void Draw(float t) override;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    float AngleDeg = 0.0f;
};
