#include "document/NodeListCommand.h"

#include <algorithm>

#include "document/CLevelMapDoc.h"
#include "document/MappingEditors.h"
#include "level/LevelScene.h"
#include "level/TexturedObject.h"
#include "scenegraph/CSGGroup.h"
#include "scenegraph/NodeType.h"


NodeListCommand::NodeListCommand(CLevelMapDoc& document, const wxString& name, bool adds)
    : LevelCommand(document, name), m_adds(adds)
{
}

NodeListCommand* NodeListCommand::Adding(CLevelMapDoc& document, const wxString& name, std::vector<Addition> additions)
{
    auto* command = new NodeListCommand(document, name, true);
    for (Addition& addition : additions) {
        CSGNode* node = addition.node.get();
        command->m_outside.push_back(std::move(addition.node));
        command->m_entries.push_back({addition.parent, addition.index, node, std::prev(command->m_outside.end()),
                                      std::nullopt, std::move(addition.texturePath)});
    }
    return command;
}

NodeListCommand* NodeListCommand::Removing(CLevelMapDoc& document, const wxString& name, const std::vector<CSGNode*>& nodes)
{
    auto* command = new NodeListCommand(document, name, false);
    // One walk over the level finds them all; a node named twice is taken once.
    auto locations = document.m_pScene->Root().Locate(nodes);
    for (CSGNode* node : nodes) {
        auto found = locations.find(node);
        if (found == locations.end())
            continue;
        command->m_entries.push_back({found->second.parent, 0, node, found->second.position, std::nullopt, {}});
        locations.erase(found);
    }
    return command;
}

bool NodeListCommand::Execute()
{
    if (m_entries.empty())
        return false;
    CountReferences();
    Redo();
    return true;
}

void NodeListCommand::CountReferences()
{
    for (Entry& entry : m_entries) {
        TextureMapping* mapping = MappingOf(*entry.node);
        if (!mapping)
            continue;
        if (!m_adds) {
            m_document.ReleaseTexture(mapping->GetTextureID());
            continue;
        }
        // Counted first: the image it brings then takes the place of that reference.
        m_document.CountReference(*mapping);
        if (!entry.texturePath.empty())
            m_document.AssignTextureFile(*mapping, entry.texturePath);
    }
}

void NodeListCommand::Redo()
{
    MoveAll(m_adds, true);
}

void NodeListCommand::Revert()
{
    MoveAll(!m_adds, false);
}

void NodeListCommand::MoveAll(bool attach, bool forward)
{
    // Nodes that come into the level become the selection; nodes that leave it leave it too.
    std::vector<CSGNode*> nodes;
    nodes.reserve(m_entries.size());
    for (const Entry& entry : m_entries)
        nodes.push_back(entry.node);
    if (!attach)
        m_document.m_selection.Drop(nodes);
    const auto move = [this, attach](Entry& entry) { attach ? Attach(entry) : Detach(entry); };
    if (forward)
        std::for_each(m_entries.begin(), m_entries.end(), move);
    else
        std::for_each(m_entries.rbegin(), m_entries.rend(), move);
    if (attach)
        m_document.m_selection.Set(nodes);
}

void NodeListCommand::Attach(Entry& entry)
{
    if (!entry.next)
        entry.next = entry.parent->PositionAt(entry.index);
    entry.parent->MoveIn(*entry.next, m_outside, entry.position);
    if (TextureMapping* mapping = MappingOf(*entry.node))
        mapping->SetNeedsTextureUpdate(true);
    m_document.m_bTexturesDirty = true;
}

void NodeListCommand::Detach(Entry& entry)
{
    CloseMappingEditorsBelow(*entry.node);
    entry.next = entry.parent->MoveOut(entry.position, m_outside);
}
