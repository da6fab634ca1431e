#include "app/SelectionKinds.h"

#include "document/ObjectNames.h"
#include "scenegraph/NodeType.h"

// The names come from the one table of the designer's words (constant data, ready before this).
const ItemTypeInfo ITEM_TYPES[5] = {
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

const char* SelectionKindLabel(int type)
{
    return KindName(type);
}
