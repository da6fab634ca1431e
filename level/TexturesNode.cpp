#include "level/TexturesNode.h"

#include <algorithm>

#include "scenegraph/XmlAttributes.h"
#include "xml/XmlElement.h"

namespace {

// Names beyond the attributes the element has are empty; a file may leave a few out, but a
// count far beyond them is hostile and must not make us allocate without bound.
constexpr long kMaxMissingNames = 100000;

} // namespace

void TexturesNode::WriteXml(std::FILE* file)
{
    std::fprintf(file, "<TexturesNode\n");
    std::fprintf(file, "  NumTextures = \"%i\"\n", static_cast<int>(m_names.size()));
    int number = 1;
    for (const std::string& name : m_names)
        std::fprintf(file, "  %i = \"%s\"\n", number++, name.c_str());
    std::fprintf(file, "/>\n");
}

void TexturesNode::ReadXml(const XmlElement& element, CSGScene&)
{
    long count = ReadIntAttribute(element, "NumTextures");
    long limit = static_cast<long>(element.GetAttributeCount()) + kMaxMissingNames;
    count = std::clamp(count, 0L, limit);
    m_names.clear();
    m_names.reserve(static_cast<std::size_t>(count));
    for (long i = 1; i <= count; ++i)
        m_names.emplace_back(element.GetAttribute(std::to_string(i)));
}
