#pragma once

// What the selection form knows of each kind of node and each item type.

// The selection form's label of a node kind (GetType), before translation: the designer's
// name of it (KindName), so an item shows its type ("Extra life").
const char* SelectionKindLabel(int type);

// The special item types of the type list, in list order.
struct ItemTypeInfo {
    int type;            // ItemTypeID, the list entry's data
    const char* name;    // list text and kind label, before translation
    bool hasAmount;      // whether the amount applies to this type
    float minAmount, maxAmount; // accepted amounts, inclusive
    float defaultAmount; // the amount a change to this type puts in
};

extern const ItemTypeInfo ITEM_TYPES[5];

// The entry of a special item type, or null for any other value.
const ItemTypeInfo* FindItemType(int type);
