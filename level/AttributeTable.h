#pragma once

#include <cstddef>

#include "scenegraph/XmlAttributes.h"

// One float attribute of a level element and the field it is read into.
template <class Node>
struct FloatAttribute {
    const char* name;
    float Node::*field;
};

// Reads every attribute of the table with atof rules; a missing one gives 0.
template <class Node, std::size_t N>
void ReadFloatAttributes(const XmlElement& element, Node& node, const FloatAttribute<Node> (&table)[N])
{
    for (const FloatAttribute<Node>& attribute : table)
        node.*attribute.field = ReadFloatAttribute(element, attribute.name);
}
