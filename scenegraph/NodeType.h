#pragma once

// Node kinds reported by CSGNode::GetType(). Tree walks recognise groups by GROUP, floors by
// LEVEL_FLOOR, walls by WALL and items by the ITEM_BIT being set.
enum NodeType : int {
    PLAIN_NODE = 0,
    GROUP = 1,
    LEVEL_FLOOR_NODE = 2,
    WALL_NODE = 3,
    ITEM_NORMAL = 16,
    ITEM_LIFE_EXTRA = 17,
    ITEM_NO_GROWTH = 18,
    ITEM_DECREASE_LENGTH = 19,
    ITEM_INCREASE_SPEED = 20,
    ITEM_DECREASE_SPEED = 21,
    // Kind of an item whose ItemTypeID read from a file lies outside 16..21: still an item
    // for the tree walks, never mistaken for a group, floor, wall or start position.
    ITEM_OUT_OF_RANGE = 31,
    START_POSITION_NODE = 256,
};

constexpr int ITEM_BIT = 0x10;

inline bool IsItemType(int type) { return (type & ITEM_BIT) != 0; }
