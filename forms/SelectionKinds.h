#pragma once

#include <vector>

#include <wx/string.h>

class CSGNode;

// What the selection form knows of each kind of node and each item type.

// The selection form's label of the selection, translated: "NONE", the designer's name of one
// node (KindName, so an item shows its type: "Extra life"), or the count of each kind of several:
// "3 Walls", "2 Walls, 1 Item", "1 Wall, Start position".
wxString SelectionLabel(const std::vector<CSGNode*>& nodes);

// The item types of the type list, in list order (the order of their numbers).
struct ItemTypeInfo {
    int type;            // ItemTypeID, the list entry's data
    const char* name;    // list text and kind label, before translation
    bool hasAmount;      // whether the amount applies to this type
    float minAmount, maxAmount; // accepted amounts, inclusive
    float defaultAmount; // the amount a change to this type puts in
};

extern const ItemTypeInfo ITEM_TYPES[6];

// The entry of an item type, or null for any other value.
const ItemTypeInfo* FindItemType(int type);
