#include "document/PlacementCommand.h"

#include <algorithm>

#include "document/CLevelMapDoc.h"
#include "level/LevelObject.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"

PlacementCommand::PlacementCommand(CLevelMapDoc& document, const wxString& name, std::vector<Change> changes)
    : LevelCommand(document, name), m_changes(std::move(changes))
{
}

Placement PlacementCommand::Capture(const CSGNode& node)
{
    const auto& object = dynamic_cast<const LevelObject&>(node);
    float angle = 0.0f;
    if (const auto* wall = dynamic_cast<const Wall*>(&node))
        angle = wall->OrientationAngle;
    else if (const auto* marker = dynamic_cast<const StartPositionNode*>(&node))
        angle = marker->angle;
    return {object.x, object.z, angle};
}

void PlacementCommand::Place(CSGNode& node, const Placement& placement)
{
    auto& object = dynamic_cast<LevelObject&>(node);
    object.x = placement.x;
    object.z = placement.z;
    if (auto* wall = dynamic_cast<Wall*>(&node))
        wall->OrientationAngle = placement.angle;
    else if (auto* marker = dynamic_cast<StartPositionNode*>(&node))
        marker->angle = placement.angle;
}

bool PlacementCommand::Execute()
{
    const bool changes = std::any_of(m_changes.begin(), m_changes.end(),
                                     [](const Change& change) { return !(change.before == change.after); });
    if (changes)
        Redo();
    return changes;
}

void PlacementCommand::Apply(bool after)
{
    std::vector<CSGNode*> nodes;
    nodes.reserve(m_changes.size());
    for (const Change& change : m_changes) {
        Place(*change.node, after ? change.after : change.before);
        nodes.push_back(change.node);
    }
    m_document.m_selection.Set(nodes);
}
