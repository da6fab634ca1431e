#include "xml/XmlElement.h"

#include <algorithm>

namespace {

// The first attribute whose name is not less than `name`.
template <typename Attributes>
auto FindSlot(Attributes& attributes, const std::string& name)
{
    return std::lower_bound(attributes.begin(), attributes.end(), name,
                            [](const auto& attribute, const std::string& key) { return attribute.first < key; });
}

} // namespace

const std::string& XmlElement::GetAttribute(const std::string& name) const
{
    static const std::string empty;
    auto slot = FindSlot(m_attributes, name);
    return slot != m_attributes.end() && slot->first == name ? slot->second : empty;
}

void XmlElement::SetAttribute(std::string name, std::string value)
{
    auto slot = FindSlot(m_attributes, name);
    if (slot != m_attributes.end() && slot->first == name)
        slot->second = std::move(value);
    else
        m_attributes.emplace(slot, std::move(name), std::move(value));
}
