#pragma once

#include <map>
#include <string>
#include <vector>

// One element of a parsed level map file: name, character data, attributes by name and
// child elements in document order. An element owns its whole subtree.
class XmlElement {
public:
    const std::string& GetName() const { return m_name; }
    const std::string& GetText() const { return m_text; }
    // A missing attribute reads as the empty string; the lookup never fails.
    const std::string& GetAttribute(const std::string& name) const;
    const std::map<std::string, std::string>& GetAttributes() const { return m_attributes; }
    const std::vector<XmlElement>& GetChildren() const { return m_children; }

    void SetName(std::string name) { m_name = std::move(name); }
    void AppendText(const std::string& text) { m_text += text; }
    // A repeated name keeps the last value.
    void SetAttribute(const std::string& name, std::string value) { m_attributes[name] = std::move(value); }
    void AppendChild(XmlElement child) { m_children.push_back(std::move(child)); }

private:
    std::string m_name;
    std::string m_text;
    std::map<std::string, std::string> m_attributes;
    std::vector<XmlElement> m_children;
};
