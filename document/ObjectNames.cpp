#include "document/ObjectNames.h"

#include <wx/translation.h>

#include "scenegraph/CSGNode.h"
#include "scenegraph/NodeType.h"

wxString ObjectName(const CSGNode& node)
{
    const int type = node.GetType();
    if (type == WALL_NODE)
        return _("Wall");
    if (type == LEVEL_FLOOR_NODE)
        return _("Floor");
    if (type == START_POSITION_NODE)
        return _("Start Position");
    if (IsItemType(type))
        return _("Item");
    return _("Object");
}
