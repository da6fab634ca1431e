#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CSGNode;
class XmlElement;

// An attribute that a node reads as a number although its text is not one as a whole: the node
// took 0 or the number the text begins with.
struct UnreadNumber {
    std::string name;
    std::string text;
    bool integer; // read as a whole number
};

// What a file reader keeps of each node it made, for a level checker: the line of the node's
// start tag and the attributes it could not read as numbers.
struct NodeSource {
    int line = 0;
    std::vector<UnreadNumber> unreadNumbers;
};
using SourceNotes = std::unordered_map<const CSGNode*, NodeSource>;

// While alive, the number readers of this thread (XmlAttributes.h) add every attribute they could
// not read as a number to `found`. Logs nest; the innermost one collects.
class UnreadNumberLog {
public:
    explicit UnreadNumberLog(std::vector<UnreadNumber>& found);
    ~UnreadNumberLog();
    UnreadNumberLog(const UnreadNumberLog&) = delete;
    UnreadNumberLog& operator=(const UnreadNumberLog&) = delete;

    // Adds the attribute to the current log, if any; a missing attribute is no text and not added.
    static void Note(const XmlElement& element, std::string_view name, std::string_view text, bool integer);

private:
    std::vector<UnreadNumber>* m_previous;
};
