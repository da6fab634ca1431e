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
    const OpenGroup& parent = m_groups.back();
    CSGNode* node = m_factory.CreateNode(std::string(name));
    if (!node) {
        // Refused like CSGGroup::ReadXml refuses it; its subtree is passed over.
        m_factory.ReportUnknownElement(std::string(name), std::string(parent.name));
        m_unknownDepth = 1;
        return;
    }
    // Told by type rather than by a cast, which costs more than anything else per node.
    if (node->GetType() == GROUP) {
        auto* group = static_cast<CSGGroup*>(node);
        parent.group->AppendChild(group);
        StartGroup(*group, name, attributes);
        return;
    }
    m_leaf.reset(node);
    m_leafElement.StartElement(name, attributes);
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

void SceneXmlReader::StartGroup(CSGGroup& group, std::string_view name, const XmlAttributeList& attributes)
{
    m_groupElement.SetOrderedAttributes(attributes);
    group.ReadOwnAttributes(m_groupElement);
    m_groups.push_back({&group, name});
}

void SceneXmlReader::FinishLeaf()
{
    CSGGroup::ReadLeaf(*m_leaf, m_leafElement.Root(), m_factory);
    m_groups.back().group->AppendChild(m_leaf.release());
}
