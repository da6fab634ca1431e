#pragma once

#include "scenegraph/CSGNode.h"

// Moves what follows it by (VX, VY, VZ) level units.
class CSGTranslation : public CSGNode {
public:
    void Draw(float t) override;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    float VX = 0.0f;
    float VY = 0.0f;
    float VZ = 0.0f;
};
