#include "document/ObjectValuesCommand.h"

#include <algorithm>

#include "document/CLevelMapDoc.h"
#include "level/Item.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"

namespace {

template <class Change>
std::optional<ObjectValues> CaptureAs(CSGNode& node)
{
    auto* target = dynamic_cast<decltype(Change::node)>(&node);
    if (!target)
        return std::nullopt;
    const auto values = CaptureWithPosition(*target);
    return Change{target, values, values};
}

bool Changes(const ObjectValues& values)
{
    return std::visit([](const auto& change) { return !SameState(change.before, change.after); }, values);
}

} // namespace

std::optional<ObjectValues> CaptureValues(CSGNode& node)
{
    if (auto values = CaptureAs<WallChange>(node))
        return values;
    if (auto values = CaptureAs<ItemChange>(node))
        return values;
    return CaptureAs<MarkerChange>(node);
}

CSGNode* NodeOf(const ObjectValues& values)
{
    return std::visit([](const auto& change) -> CSGNode* { return change.node; }, values);
}

ObjectValuesCommand::ObjectValuesCommand(CLevelMapDoc& document, const wxString& name,
                                         std::vector<ObjectValues> changes)
    : LevelCommand(document, name), m_changes(Changed(std::move(changes)))
{
}

std::vector<ObjectValues> ObjectValuesCommand::Changed(std::vector<ObjectValues> changes)
{
    changes.erase(std::remove_if(changes.begin(), changes.end(), [](const ObjectValues& values) { return !Changes(values); }),
                  changes.end());
    return changes;
}

bool ObjectValuesCommand::Execute()
{
    if (m_changes.empty())
        return false;
    Put(true);
    return true;
}

void ObjectValuesCommand::Redo()
{
    Put(true);
    SelectObjects();
}

void ObjectValuesCommand::Revert()
{
    Put(false);
    SelectObjects();
}

void ObjectValuesCommand::Put(bool after)
{
    for (const ObjectValues& values : m_changes)
        std::visit([this, after](const auto& change) { Restore(m_document, *change.node, after ? change.after : change.before); },
                   values);
}

void ObjectValuesCommand::SelectObjects()
{
    std::vector<CSGNode*> nodes;
    nodes.reserve(m_changes.size());
    for (const ObjectValues& values : m_changes)
        nodes.push_back(NodeOf(values));
    m_document.m_selection.Set(nodes);
}
