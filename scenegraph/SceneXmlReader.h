#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "scenegraph/SourceNotes.h"
#include "xml/XmlElement.h"
#include "xml/XmlHandler.h"
#include "xml/XmlTreeBuilder.h"

class CSGGroup;
class CSGNode;
class CSGScene;

// Loads a document into a scene while the parser reads it, to the same nodes that
// CSGGroup::ReadXml makes of the document's tree: the root element is read into `root`, groups
// are made at their start tags and every other node once its element (with the few elements a
// leaf may hold) has ended. A level's element tree never exists whole, which keeps the memory
// of an open near the file and the scene alone. Given `notes`, it keeps there the line of every
// node's start tag and the attributes each leaf could not read as numbers.
class SceneXmlReader : public XmlHandler {
public:
    SceneXmlReader(CSGGroup& root, CSGScene& factory, SourceNotes* notes = nullptr)
        : m_root(root), m_factory(factory), m_notes(notes)
    {
    }

    void StartElement(std::string_view name, const XmlAttributeList& attributes) override;
    void AppendText(std::string_view text) override;
    void EndElement() override;
    void EmptyElement(std::string_view name, const XmlAttributeList& attributes) override;

private:
    struct OpenGroup {
        CSGGroup* group;
        std::string_view name;
    };

    // The node of an element in the innermost open group; null, with the element reported, when
    // the factory knows no such element.
    CSGNode* CreateChild(std::string_view name);
    // When the node is a group: appends it to the innermost open group and opens it.
    bool StartIfGroup(CSGNode& node, std::string_view name, const XmlAttributeList& attributes);
    void StartGroup(CSGGroup& group, std::string_view name, const XmlAttributeList& attributes);
    void FinishLeaf();
    // CSGGroup::ReadLeaf, with what it could not read as numbers noted.
    void ReadLeaf(CSGNode& leaf, const XmlElement& element);
    void NoteStartLine(const CSGNode& node);

    CSGGroup& m_root;
    CSGScene& m_factory;
    SourceNotes* m_notes;
    // The groups whose elements are open, outermost first.
    std::vector<OpenGroup> m_groups;
    // The leaf whose element is open, and that element as far as it is read.
    std::unique_ptr<CSGNode> m_leaf;
    XmlTreeBuilder m_leafElement;
    // How deep the parse is inside an unknown element, whose subtree is passed over.
    std::size_t m_unknownDepth = 0;
    // A group's own attributes, reused from group to group.
    XmlElement m_groupElement;
    // The element of an empty leaf, borrowing the parser's attributes for the one read.
    XmlElement m_emptyLeaf;
};
