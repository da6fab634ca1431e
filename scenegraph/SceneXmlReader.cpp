#include "scenegraph/SceneXmlReader.h"

#include <string>

#include "scenegraph/CSGGroup.h"
#include "scenegraph/CSGScene.h"

void SceneXmlReader::StartElement(std::string_view name, const XmlAttributeList& attributes)
{
    if (m_leafElement.IsBuilding()) {
        m_leafElement.StartElement(name, attributes);
        return;
    }
    if (m_unknownDepth > 0) {
        ++m_unknownDepth;
        return;
    }
    // The root element is read into the root group whatever its name.
    if (m_groups.empty()) {
        StartGroup(m_root, name, attributes);
        return;
    }
    CSGNode* node = CreateChild(name);
    if (!node) {
        m_unknownDepth = 1;
        return;
    }
    if (!StartIfGroup(*node, name, attributes)) {
        NoteStartLine(*node);
        m_leaf.reset(node);
        m_leafElement.StartElement(name, attributes);
    }
}

void SceneXmlReader::AppendText(std::string_view text)
{
    // Groups have no use for text; a leaf may.
    if (m_leafElement.IsBuilding())
        m_leafElement.AppendText(text);
}

void SceneXmlReader::EndElement()
{
    if (m_leafElement.IsBuilding()) {
        m_leafElement.EndElement();
        if (!m_leafElement.IsBuilding())
            FinishLeaf();
    } else if (m_unknownDepth > 0) {
        --m_unknownDepth;
    } else {
        m_groups.pop_back();
    }
}

void SceneXmlReader::EmptyElement(std::string_view name, const XmlAttributeList& attributes)
{
    if (m_leafElement.IsBuilding() || m_unknownDepth > 0 || m_groups.empty()) {
        XmlHandler::EmptyElement(name, attributes);
        return;
    }
    // An empty leaf, what most of a level is, is read straight from the parser's attributes.
    std::unique_ptr<CSGNode> node(CreateChild(name));
    if (!node)
        return;
    if (StartIfGroup(*node, name, attributes)) {
        node.release();
        m_groups.pop_back();
        return;
    }
    NoteStartLine(*node);
    m_emptyLeaf.SetName(std::string(name));
    m_emptyLeaf.BorrowAttributes(attributes);
    ReadLeaf(*node, m_emptyLeaf);
    m_groups.back().group->AppendChild(node.release());
}

CSGNode* SceneXmlReader::CreateChild(std::string_view name)
{
    CSGNode* node = m_factory.CreateNode(std::string(name));
    // Refused like CSGGroup::ReadXml refuses it.
    if (!node)
        m_factory.ReportUnknownElement(std::string(name), std::string(m_groups.back().name));
    return node;
}

bool SceneXmlReader::StartIfGroup(CSGNode& node, std::string_view name, const XmlAttributeList& attributes)
{
    // Told by type rather than by a cast, which costs more than anything else per node.
    if (node.GetType() != GROUP)
        return false;
    auto& group = static_cast<CSGGroup&>(node);
    m_groups.back().group->AppendChild(&group);
    StartGroup(group, name, attributes);
    return true;
}

void SceneXmlReader::StartGroup(CSGGroup& group, std::string_view name, const XmlAttributeList& attributes)
{
    NoteStartLine(group);
    m_groupElement.SetOrderedAttributes(attributes);
    group.ReadOwnAttributes(m_groupElement);
    m_groups.push_back({&group, name});
}

void SceneXmlReader::FinishLeaf()
{
    ReadLeaf(*m_leaf, m_leafElement.Root());
    m_groups.back().group->AppendChild(m_leaf.release());
}

void SceneXmlReader::ReadLeaf(CSGNode& leaf, const XmlElement& element)
{
    if (!m_notes) {
        CSGGroup::ReadLeaf(leaf, element, m_factory);
        return;
    }
    UnreadNumberLog log((*m_notes)[&leaf].unreadNumbers);
    CSGGroup::ReadLeaf(leaf, element, m_factory);
}

void SceneXmlReader::NoteStartLine(const CSGNode& node)
{
    if (m_notes)
        (*m_notes)[&node].line = GetStartLine();
}
