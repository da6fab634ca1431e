#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Attributes as (name, value) views.
using XmlAttribute = std::pair<std::string_view, std::string_view>;
using XmlAttributeList = std::vector<XmlAttribute>;

// The order an element keeps its attributes in for lookups, negative, zero or positive like
// memcmp: shorter names first, names of one length in byte order. Lengths settle most
// comparisons at once, where the names of one level element share long prefixes
// ("TexScaleX", "TexScaleY", "TexTX"); lookups and tag sorting compare names more than
// anything else while a level loads.
inline int CompareAttributeNames(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// One element of a parsed level map file: name, character data, attributes by name and
// child elements in document order. An element owns its whole subtree.
//
// A level file holds hundreds of thousands of attributes, so an element keeps all its
// attribute names and values back to back in one string, in lookup order, with a table of
// where each begins: two blocks per element, however many attributes it has.
class XmlElement {
public:
    const std::string& GetName() const { return m_name; }
    const std::string& GetText() const { return m_text; }
    // A missing attribute reads as the empty string; the lookup never fails. The view is valid
    // until the element's attributes change.
    std::string_view GetAttribute(std::string_view name) const;
    // Whether the element has the attribute, even with an empty value.
    bool HasAttribute(std::string_view name) const { return Find(name).found; }
    std::size_t GetAttributeCount() const { return m_borrowed ? m_borrowed->size() : m_slots.size(); }
    // In ascending byte order of the names, each name once.
    XmlAttributeList GetAttributes() const;
    const std::vector<XmlElement>& GetChildren() const { return m_children; }

    // Empties the element, keeping its storage for the next element read into it.
    void Clear();
    void SetName(std::string name) { m_name = std::move(name); }
    void AppendText(std::string_view text) { m_text += text; }
    // A repeated name keeps the last value.
    void SetAttribute(std::string_view name, std::string_view value);
    // Replaces all attributes by copies of ones already in CompareAttributeNames order, each
    // name once (the views may point into this element).
    void SetOrderedAttributes(const XmlAttributeList& attributes);
    // Reads its attributes through `attributes` (in CompareAttributeNames order, each name once)
    // instead of copies of them, until its attributes are set again or it is cleared: the list
    // and the text it points into must live that long. Spares the copies for an element that
    // is read once, straight from the parser.
    void BorrowAttributes(const XmlAttributeList& attributes) { m_borrowed = &attributes; }
    void AppendChild(XmlElement child) { m_children.push_back(std::move(child)); }

private:
    // Where an attribute's name and value begin in m_attributeText; each ends where the next
    // part begins.
    struct Slot {
        std::size_t name;
        std::size_t value;
    };

    std::string_view NameAt(std::size_t index) const;
    std::string_view ValueAt(std::size_t index) const;
    // Where the attribute `name` is, or where it would go.
    struct Place {
        std::size_t index;
        bool found;
    };
    Place Find(std::string_view name) const;
    // The attributes in lookup order.
    XmlAttributeList OrderedAttributes() const;
    // Whether a name or value of `attributes` points into this element's attribute text.
    bool HoldsAnyOf(const XmlAttributeList& attributes) const;

    std::string m_name;
    std::string m_text;
    std::string m_attributeText;
    std::vector<Slot> m_slots;
    // The attributes borrowed in place of m_attributeText and m_slots, or null.
    const XmlAttributeList* m_borrowed = nullptr;
    std::vector<XmlElement> m_children;
};
