#include "xml/XmlElement.h"

#include <algorithm>
#include <functional>

std::string_view XmlElement::NameAt(std::size_t index) const
{
    if (m_borrowed)
        return (*m_borrowed)[index].first;
    const Slot& slot = m_slots[index];
    return std::string_view(m_attributeText.data() + slot.name, slot.value - slot.name);
}

std::string_view XmlElement::ValueAt(std::size_t index) const
{
    if (m_borrowed)
        return (*m_borrowed)[index].second;
    std::size_t end = index + 1 < m_slots.size() ? m_slots[index + 1].name : m_attributeText.size();
    return std::string_view(m_attributeText.data() + m_slots[index].value, end - m_slots[index].value);
}

XmlElement::Place XmlElement::Find(std::string_view name) const
{
    // A three-way search: it stops at the name itself rather than comparing it once more.
    std::size_t first = 0;
    std::size_t last = GetAttributeCount();
    while (first < last) {
        std::size_t middle = first + (last - first) / 2;
        int order = CompareAttributeNames(NameAt(middle), name);
        if (order == 0)
            return {middle, true};
        if (order < 0)
            first = middle + 1;
        else
            last = middle;
    }
    return {first, false};
}

std::string_view XmlElement::GetAttribute(std::string_view name) const
{
    Place place = Find(name);
    return place.found ? ValueAt(place.index) : std::string_view();
}

XmlAttributeList XmlElement::OrderedAttributes() const
{
    XmlAttributeList attributes;
    attributes.reserve(GetAttributeCount());
    for (std::size_t i = 0; i < GetAttributeCount(); ++i)
        attributes.emplace_back(NameAt(i), ValueAt(i));
    return attributes;
}

XmlAttributeList XmlElement::GetAttributes() const
{
    XmlAttributeList attributes = OrderedAttributes();
    std::sort(attributes.begin(), attributes.end());
    return attributes;
}

void XmlElement::SetAttribute(std::string_view name, std::string_view value)
{
    XmlAttributeList attributes = OrderedAttributes();
    Place place = Find(name);
    if (place.found)
        attributes[place.index].second = value;
    else
        attributes.emplace(attributes.begin() + static_cast<std::ptrdiff_t>(place.index), name, value);
    SetOrderedAttributes(attributes);
}

void XmlElement::Clear()
{
    m_name.clear();
    m_text.clear();
    m_attributeText.clear();
    m_slots.clear();
    m_borrowed = nullptr;
    m_children.clear();
}

bool XmlElement::HoldsAnyOf(const XmlAttributeList& attributes) const
{
    const std::less<const char*> before;
    const char* begin = m_attributeText.data();
    const char* end = begin + m_attributeText.size();
    for (const auto& [name, value] : attributes)
        for (const char* view : {name.data(), value.data()})
            if (!before(view, begin) && before(view, end))
                return true;
    return false;
}

void XmlElement::SetOrderedAttributes(const XmlAttributeList& attributes)
{
    // Built aside and swapped in when the views point into the present text; in place otherwise,
    // so that an element read into again and again allocates nothing.
    m_borrowed = nullptr;
    if (HoldsAnyOf(attributes)) {
        XmlElement aside;
        aside.SetOrderedAttributes(attributes);
        m_attributeText.swap(aside.m_attributeText);
        m_slots.swap(aside.m_slots);
        return;
    }
    std::size_t size = 0;
    for (const auto& [name, value] : attributes)
        size += name.size() + value.size();
    m_attributeText.resize(size);
    m_slots.resize(attributes.size());
    std::size_t at = 0;
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        const auto& [name, value] = attributes[i];
        m_slots[i] = {at, at + name.size()};
        at += name.copy(&m_attributeText[at], name.size());
        at += value.copy(&m_attributeText[at], value.size());
    }
}
