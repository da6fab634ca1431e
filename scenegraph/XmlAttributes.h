#pragma once

#include <string_view>

#include "scenegraph/NumberText.h"
#include "scenegraph/SourceNotes.h"
#include "xml/XmlElement.h"

// A float attribute of a file element with atof rules: a missing or non-numeric one gives 0.
// Text that is not one number is told to the current UnreadNumberLog.
inline float ReadFloatAttribute(const XmlElement& element, std::string_view name)
{
    const std::string_view text = element.GetAttribute(name);
    bool whole = false;
    const float value = TextToFloat(text, whole);
    if (!whole)
        UnreadNumberLog::Note(element, name, text, false);
    return value;
}

// The same for an int attribute, with atoi rules.
inline int ReadIntAttribute(const XmlElement& element, std::string_view name)
{
    const std::string_view text = element.GetAttribute(name);
    bool whole = false;
    const int value = TextToInt(text, whole);
    if (!whole)
        UnreadNumberLog::Note(element, name, text, true);
    return value;
}
