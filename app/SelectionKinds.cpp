#include "app/SelectionKinds.h"

#include <wx/translation.h>

#include "scenegraph/NodeType.h"

const ItemTypeInfo ITEM_TYPES[5] = {
    {ITEM_LIFE_EXTRA, wxTRANSLATE("ITEM_LIFE_EXTRA"), false, 0.0f, 0.0f, 0.0f},
    {ITEM_NO_GROWTH, wxTRANSLATE("ITEM_NO_GROWTH"), true, 5.0f, 20.0f, 5.0f},
    {ITEM_DECREASE_LENGTH, wxTRANSLATE("ITEM_DECREASE_LENGTH"), true, 0.5f, 2.5f, 0.5f},
    {ITEM_INCREASE_SPEED, wxTRANSLATE("ITEM_INCREASE_SPEED"), true, 0.1f, 1.0f, 0.1f},
    {ITEM_DECREASE_SPEED, wxTRANSLATE("ITEM_DECREASE_SPEED"), true, 0.1f, 1.0f, 0.1f},
};

const ItemTypeInfo* FindItemType(int type)
{
    for (const ItemTypeInfo& info : ITEM_TYPES)
        if (info.type == type)
            return &info;
    return nullptr;
}

const char* SelectionKindLabel(int type)
{
    switch (type) {
    case LEVEL_FLOOR_NODE:
        return wxTRANSLATE("LEVEL_FLOOR");
    case WALL_NODE:
        return wxTRANSLATE("WALL");
    case START_POSITION_NODE:
        return wxTRANSLATE("SNAKE_START_POSITION");
    default:
        break;
    }
    const ItemTypeInfo* item = FindItemType(type);
    return item ? item->name : wxTRANSLATE("UNKNOWN");
}
