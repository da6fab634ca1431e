#include "xml/XmlElement.h"

const std::string& XmlElement::GetAttribute(const std::string& name) const
{
    static const std::string empty;
    auto it = m_attributes.find(name);
    return it == m_attributes.end() ? empty : it->second;
}
