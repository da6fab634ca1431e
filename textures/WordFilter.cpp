#include "textures/WordFilter.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

WordFilter::WordFilter(const std::string& text)
{
    std::istringstream words(Lower(text));
    for (std::string word; words >> word;)
        m_words.push_back(word);
}

bool WordFilter::Matches(const std::string& path) const
{
    const std::string lower = Lower(path);
    return std::all_of(m_words.begin(), m_words.end(),
                       [&lower](const std::string& word) { return lower.find(word) != std::string::npos; });
}
