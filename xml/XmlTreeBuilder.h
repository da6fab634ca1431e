#pragma once

#include <vector>

#include "xml/XmlElement.h"
#include "xml/XmlHandler.h"

// Builds the element tree of what it is handed: a whole document, or one element and its
// subtree at a time.
class XmlTreeBuilder : public XmlHandler {
public:
    void StartElement(std::string_view name, const XmlAttributeList& attributes) override;
    void AppendText(std::string_view text) override;
    void EndElement() override;

    // Whether an element is started and not yet ended.
    bool IsBuilding() const { return !m_open.empty(); }
    // The last element ended outermost, with its subtree, until the next one starts.
    const XmlElement& Root() const { return m_root; }
    XmlElement TakeRoot() { return std::move(m_root); }

private:
    // The elements started and not ended, outermost first.
    std::vector<XmlElement> m_open;
    XmlElement m_root;
};
