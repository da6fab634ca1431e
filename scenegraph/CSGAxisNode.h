#pragma once

#include "scenegraph/CSGNode.h"
#include "scenegraph/XmlAttributes.h"

// Common part of the nodes that rotate about a free axis (AxisX, AxisY, AxisZ).
class CSGAxisNode : public CSGNode {
public:
    float AxisX = 0.0f;
    float AxisY = 0.0f;
    float AxisZ = 0.0f;

protected:
    void ReadAxis(const XmlElement& element)
    {
        AxisX = ReadFloatAttribute(element, "AxisX");
        AxisY = ReadFloatAttribute(element, "AxisY");
        AxisZ = ReadFloatAttribute(element, "AxisZ");
    }
};
