#pragma once

#include "scenegraph/CSGNode.h"

// Tilts what follows it by DeclinationDeg about a horizontal axis in the X-Y plane that turns
// about Z with the draw time: a precession about the Z axis.
class CSGAnimZPrecession : public CSGNode {
public:
    void Draw(float t) override;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    float DeclinationDeg = 30.0f;
    float AngularSpeedDPS = 10.0f;
    float StartAngleDeg = 0.0f;
};
