#pragma once

#include <string_view>

#include "xml/XmlElement.h"

// Receives the elements of a document while the parser reads it, in document order, so that a
// reader can build what it needs without holding the whole tree. The views point into the
// parsed input and stay valid until the parse ends; an attribute list is valid during the call
// only. After a failed parse the calls so far stand for nothing.
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    // A start tag, with its attributes in CompareAttributeNames order, each name once.
    virtual void StartElement(std::string_view name, const XmlAttributeList& attributes) = 0;
    // A piece of character data of the innermost open element.
    virtual void AppendText(std::string_view text) = 0;
    // The end of the innermost open element.
    virtual void EndElement() = 0;
    // An element that ends with its start tag (`<a b="1"/>`): a start and an end at once.
    virtual void EmptyElement(std::string_view name, const XmlAttributeList& attributes)
    {
        StartElement(name, attributes);
        EndElement();
    }

    // The line of the start tag being handed over (where its name is), during StartElement and
    // EmptyElement; set by the parser, so that a reader can say where an element came from.
    int GetStartLine() const { return m_startLine; }
    void SetStartLine(int line) { m_startLine = line; }

private:
    int m_startLine = 0;
};
