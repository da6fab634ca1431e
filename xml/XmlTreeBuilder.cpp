#include "xml/XmlTreeBuilder.h"

#include <string>
#include <type_traits>
#include <utility>

// Finished children are moved into their parent's vector; a copying move would make every
// reallocation copy whole subtrees.
static_assert(std::is_nothrow_move_constructible_v<XmlElement>);

void XmlTreeBuilder::StartElement(std::string_view name, const XmlAttributeList& attributes)
{
    if (m_open.empty()) {
        // The element last ended outermost lends its storage to the next one.
        m_open.push_back(std::move(m_root));
        m_open.back().Clear();
    } else {
        m_open.emplace_back();
    }
    m_open.back().SetName(std::string(name));
    m_open.back().SetOrderedAttributes(attributes);
}

void XmlTreeBuilder::AppendText(std::string_view text)
{
    m_open.back().AppendText(text);
}

void XmlTreeBuilder::EndElement()
{
    XmlElement element = std::move(m_open.back());
    m_open.pop_back();
    if (m_open.empty())
        m_root = std::move(element);
    else
        m_open.back().AppendChild(std::move(element));
}
