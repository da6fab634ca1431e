#include "document/ObjectNames.h"

#include "scenegraph/CSGNode.h"
#include "scenegraph/NodeType.h"

wxString ObjectName(const CSGNode& node)
{
    const int type = node.GetType();
    if (type == WALL_NODE)
        return "Wall";
    if (type == LEVEL_FLOOR_NODE)
        return "Floor";
    if (type == START_POSITION_NODE)
        return "Start Position";
    if (IsItemType(type))
        return "Item";
    return "Object";
}
