#pragma once

#include <string_view>

#include "scenegraph/NumberText.h"
#include "xml/XmlElement.h"

// A float attribute of a file element with atof rules: a missing or non-numeric one gives 0.
inline float ReadFloatAttribute(const XmlElement& element, std::string_view name)
{
    return TextToFloat(element.GetAttribute(name));
}
