#pragma once

#include <string_view>

#include "scenegraph/NumberText.h"
#include "scenegraph/SourceNotes.h"
#include "xml/XmlElement.h"

// A number attribute of a file element read by `parse` (atof or atoi rules): a missing or
// non-numeric one gives 0, and text that is not one number is told to the current
// UnreadNumberLog.
template <class Parse>
auto ReadNumberAttribute(const XmlElement& element, std::string_view name, Parse parse, bool integer)
{
    const std::string_view text = element.GetAttribute(name);
    bool whole = false;
    const auto value = parse(text, whole);
    if (!whole)
        UnreadNumberLog::Note(element, name, text, integer);
    return value;
}

inline float ReadFloatAttribute(const XmlElement& element, std::string_view name)
{
    const auto parse = [](std::string_view text, bool& whole) { return TextToFloat(text, whole); };
    return ReadNumberAttribute(element, name, parse, false);
}

inline int ReadIntAttribute(const XmlElement& element, std::string_view name)
{
    const auto parse = [](std::string_view text, bool& whole) { return TextToInt(text, whole); };
    return ReadNumberAttribute(element, name, parse, true);
}
