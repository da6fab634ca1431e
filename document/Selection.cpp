#include "document/Selection.h"

#include <algorithm>

#include "level/LevelObject.h"
#include "scenegraph/CSGGroup.h"
#include "scenegraph/NodeType.h"

namespace {

bool IsFloor(const CSGNode* node)
{
    return node->GetType() == LEVEL_FLOOR_NODE;
}

} // namespace

void Selection::Flag(CSGNode* node, bool selected)
{
    if (auto* object = dynamic_cast<LevelObject*>(node))
        object->selected = selected;
}

void Selection::Clear()
{
    for (CSGNode* node : m_nodes)
        Flag(node, false);
    m_nodes.clear();
    m_members.clear();
}

void Selection::Set(CSGNode* node)
{
    Clear();
    if (node)
        Add(node);
}

void Selection::Set(const std::vector<CSGNode*>& nodes)
{
    Clear();
    for (CSGNode* node : nodes)
        Add(node);
}

void Selection::Add(CSGNode* node)
{
    if (!node || Contains(node))
        return;
    if (IsFloor(node))
        Clear();
    else if (!m_nodes.empty() && IsFloor(m_nodes.front()))
        Remove(m_nodes.front());
    m_nodes.push_back(node);
    m_members.insert(node);
    Flag(node, true);
}

void Selection::Remove(CSGNode* node)
{
    if (!m_members.erase(node))
        return;
    m_nodes.erase(std::find(m_nodes.begin(), m_nodes.end(), node));
    Flag(node, false);
}

void Selection::Toggle(CSGNode* node)
{
    if (Contains(node))
        Remove(node);
    else
        Add(node);
}

void Selection::Click(CSGNode* hit, bool toggle)
{
    if (!toggle)
        Set(hit);
    else if (hit && !IsFloor(hit))
        Toggle(hit);
}

void Selection::Drop(const std::vector<CSGNode*>& leaving)
{
    if (m_nodes.empty())
        return;
    std::unordered_set<const CSGNode*> gone;
    for (CSGNode* node : leaving) {
        gone.insert(node);
        if (auto* group = dynamic_cast<CSGGroup*>(node))
            ForEachNode(*group, [&gone](CSGNode& below) { gone.insert(&below); });
    }
    const auto end = std::remove_if(m_nodes.begin(), m_nodes.end(), [&](CSGNode* node) {
        if (!gone.count(node))
            return false;
        m_members.erase(node);
        Flag(node, false);
        return true;
    });
    m_nodes.erase(end, m_nodes.end());
}
