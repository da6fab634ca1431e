#include "document/SelectionSteps.h"

#include <algorithm>
#include <cmath>

#include <wx/translation.h>

#include "document/CLevelMapDoc.h"
#include "document/ObjectNames.h"
#include "document/PlacementCommand.h"
#include "geometry/WallHandles.h"
#include "scenegraph/NodeType.h"

namespace {

// Runs `change` on the placement of each node and submits the result as one step.
template <class Change>
void SubmitPlacements(CLevelMapDoc& document, const std::vector<CSGNode*>& nodes, const wxString& format,
                      Change change)
{
    std::vector<PlacementCommand::Change> changes;
    for (CSGNode* node : nodes) {
        const Placement before = PlacementCommand::Capture(*node);
        Placement after = before;
        change(*node, after);
        changes.push_back({node, before, after});
    }
    if (!changes.empty())
        document.Submit(new PlacementCommand(document, wxString::Format(format, ObjectsName(nodes)), std::move(changes)));
}

bool Turns(const CSGNode& node)
{
    return node.GetType() == WALL_NODE || node.GetType() == START_POSITION_NODE;
}

} // namespace

wxString ObjectsName(const std::vector<CSGNode*>& nodes)
{
    if (nodes.size() == 1)
        return ObjectName(*nodes.front());
    const auto count = static_cast<unsigned>(nodes.size());
    const auto all = [&nodes](bool (*is)(int)) {
        return std::all_of(nodes.begin(), nodes.end(), [is](const CSGNode* node) { return is(node->GetType()); });
    };
    if (all([](int type) { return type == WALL_NODE; }))
        return wxString::Format(wxPLURAL("%u Wall", "%u Walls", count), count);
    if (all(IsItemType))
        return wxString::Format(wxPLURAL("%u Item", "%u Items", count), count);
    return wxString::Format(wxPLURAL("%u Object", "%u Objects", count), count);
}

std::vector<CSGNode*> MovableSelection(const CLevelMapDoc& document)
{
    std::vector<CSGNode*> nodes;
    for (CSGNode* node : document.m_selection.Nodes())
        if (node->GetType() != LEVEL_FLOOR_NODE)
            nodes.push_back(node);
    return nodes;
}

void MoveSelectionBy(CLevelMapDoc& document, float dx, float dz)
{
    document.CancelGesture();
    SubmitPlacements(document, MovableSelection(document), _("Move %s"), [dx, dz](CSGNode&, Placement& placement) {
        placement.x += dx;
        placement.z += dz;
    });
}

void TurnSelection(CLevelMapDoc& document, float degrees, int grid)
{
    document.CancelGesture();
    std::vector<CSGNode*> nodes;
    for (CSGNode* node : document.m_selection.Nodes())
        if (Turns(*node))
            nodes.push_back(node);
    SubmitPlacements(document, nodes, _("Turn %s"), [degrees, grid](CSGNode& node, Placement& placement) {
        placement.angle = std::fmod(placement.angle + degrees + 360.0f, 360.0f);
        Footprint turned;
        if (grid > 0 && Footprint::Of(node, turned)) {
            turned.angleDeg = placement.angle;
            const FlatPoint centre = CornerOnGrid(turned, grid);
            placement.x = static_cast<float>(centre.x);
            placement.z = static_cast<float>(centre.z);
        }
    });
}
