#pragma once

#include <string>
#include <vector>

// The texture browser's text filter: a path passes when every word typed occurs in it, ignoring
// case, so that each word narrows the tiles down ("wall brick" keeps Walls/brick.jpg, not
// Walls/wood.tga). Words are separated by blanks; no word at all keeps every path.
class WordFilter {
public:
    WordFilter() = default;
    explicit WordFilter(const std::string& text);

    bool Matches(const std::string& path) const;
    bool Empty() const { return m_words.empty(); }

private:
    std::vector<std::string> m_words; // lower case
};
