#pragma once

#include <climits>
#include <cmath>
#include <string_view>

#include "scenegraph/NumberText.h"
#include "scenegraph/SourceNotes.h"
#include "xml/XmlElement.h"

// A number attribute of a file element read by `parse` (atof or atoi rules): a missing or
// non-numeric one gives 0, and text that is not one number, or one too large for its kind, is
// told to the current UnreadNumberLog.
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
    const auto parse = [](std::string_view text, bool& whole) {
        const float value = TextToFloat(text, whole);
        // "inf" is an infinity as written; "1e39" only became one.
        whole = whole && (std::isfinite(value) || text.find_first_of("iI") != text.npos);
        return value;
    };
    return ReadNumberAttribute(element, name, parse, false);
}

inline int ReadIntAttribute(const XmlElement& element, std::string_view name)
{
    const auto parse = [](std::string_view text, bool& whole) {
        const int value = TextToInt(text, whole);
        // Beyond int the reading saturates.
        const bool saturated = value == INT_MAX || value == INT_MIN;
        whole = whole && (!saturated || std::fabs(TextToDouble(text)) <= static_cast<double>(INT_MAX) + 1.0);
        return value;
    };
    return ReadNumberAttribute(element, name, parse, true);
}
