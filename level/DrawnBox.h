#pragma once

class CSGNode;
class Item;
class Wall;

// A box that holds everything a node draws, axis-aligned in the coordinates current when its
// Draw starts, a little wider than the drawing so that a face lying on it never falls to
// rounding.
struct DrawnBox {
    float centre[3];
    float half[3];
};

// A wall: its box turned about its centre fits in the circle through its corners.
DrawnBox BoxOf(const Wall& wall);
// An item: the flat square of side 1, or the sign and the ball of radius m_size, about a point
// m_size above its position.
DrawnBox BoxOf(const Item& item);
// Any wall, item, floor or start marker, in the coordinates of its group; false for any other
// node.
bool ObjectBox(const CSGNode& node, DrawnBox& box);
