#pragma once

#include "scenegraph/CSGAxisNode.h"

// A rotation about a fixed axis whose angle grows with the draw time:
// StartAngleDeg + t * AngularSpeedDPS degrees.
class CSGAnimRotation : public CSGAxisNode {
public:
    void Draw(float t) override;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    float AngularSpeedDPS = 0.0f;
    float StartAngleDeg = 0.0f;
};
