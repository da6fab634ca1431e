#include "forms/SelectionKinds.h"

#include <wx/translation.h>

#include "document/ObjectNames.h"
#include "scenegraph/CSGNode.h"
#include "scenegraph/NodeType.h"

// The names come from the one table of the designer's words (constant data, ready before this).
const ItemTypeInfo ITEM_TYPES[6] = {
    {ITEM_NORMAL, KindName(ITEM_NORMAL), false, 0.0f, 0.0f, 0.0f},
    {ITEM_LIFE_EXTRA, KindName(ITEM_LIFE_EXTRA), false, 0.0f, 0.0f, 0.0f},
    {ITEM_NO_GROWTH, KindName(ITEM_NO_GROWTH), true, 5.0f, 20.0f, 5.0f},
    {ITEM_DECREASE_LENGTH, KindName(ITEM_DECREASE_LENGTH), true, 0.5f, 2.5f, 0.5f},
    {ITEM_INCREASE_SPEED, KindName(ITEM_INCREASE_SPEED), true, 0.1f, 1.0f, 0.1f},
    {ITEM_DECREASE_SPEED, KindName(ITEM_DECREASE_SPEED), true, 0.1f, 1.0f, 0.1f},
};

const ItemTypeInfo* FindItemType(int type)
{
    for (const ItemTypeInfo& info : ITEM_TYPES)
        if (info.type == type)
            return &info;
    return nullptr;
}

wxString SelectionLabel(const std::vector<CSGNode*>& nodes)
{
    if (nodes.empty())
        return _("NONE");
    if (nodes.size() == 1)
        return wxGetTranslation(KindName(nodes.front()->GetType()));
    unsigned walls = 0;
    unsigned items = 0;
    bool start = false;
    for (const CSGNode* node : nodes) {
        walls += node->GetType() == WALL_NODE;
        items += IsItemType(node->GetType());
        start = start || node->GetType() == START_POSITION_NODE;
    }
    wxString label;
    const auto append = [&label](const wxString& part) { label += (label.empty() ? "" : ", ") + part; };
    if (walls > 0)
        append(wxString::Format(wxPLURAL("%u Wall", "%u Walls", walls), walls));
    if (items > 0)
        append(wxString::Format(wxPLURAL("%u Item", "%u Items", items), items));
    if (start)
        append(wxGetTranslation(KindName(START_POSITION_NODE)));
    return label;
}
