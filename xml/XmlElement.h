#pragma once

#include <string>
#include <utility>
#include <vector>

// An element's attributes as (name, value) pairs in ascending byte order of the names, each
// name once. A sorted vector rather than a map: a level file holds hundreds of thousands of
// attributes, and one block per element reads and frees far faster than a node per attribute.
using XmlAttributeList = std::vector<std::pair<std::string, std::string>>;

// One element of a parsed level map file: name, character data, attributes by name and
// child elements in document order. An element owns its whole subtree.
class XmlElement {
public:
    const std::string& GetName() const { return m_name; }
    const std::string& GetText() const { return m_text; }
    // A missing attribute reads as the empty string; the lookup never fails.
    const std::string& GetAttribute(const std::string& name) const;
    const XmlAttributeList& GetAttributes() const { return m_attributes; }
    const std::vector<XmlElement>& GetChildren() const { return m_children; }

    void SetName(std::string name) { m_name = std::move(name); }
    void AppendText(const std::string& text) { m_text += text; }
    // A repeated name keeps the last value.
    void SetAttribute(std::string name, std::string value);
    // Replaces all attributes by ones already in name order, each name once.
    void SetSortedAttributes(XmlAttributeList attributes) { m_attributes = std::move(attributes); }
    void AppendChild(XmlElement child) { m_children.push_back(std::move(child)); }

private:
    std::string m_name;
    std::string m_text;
    XmlAttributeList m_attributes;
    std::vector<XmlElement> m_children;
};
