#pragma once

#include <vector>

class CSGGroup;
class CSGNode;

// A rectangle of the level seen from above, in level units (X to the right, Z downward). Double,
// so that the checks' answers on the file's six decimals do not depend on rounding.
struct LevelRect {
    double minX, minZ, maxX, maxZ;

    // The rectangle between two corners given in any order.
    static LevelRect Between(double x0, double z0, double x1, double z1);
    bool Contains(const LevelRect& other) const;
};

// A footprint's own axes in level units, as the drawing's turn about the vertical axis takes X
// (u) and Z (v).
struct FootprintAxes {
    double ux, uz, vx, vz;

    // Whole quarter turns are exact, so that a level turned by 90° gives the turned answers.
    static FootprintAxes Turned(double angleDeg);
};

// What a wall or an item covers of the floor: a rectangle turned about its centre (an item is
// the square around its sphere).
struct Footprint {
    double x, z;          // centre
    double halfX, halfZ;  // half sizes before the turn
    double angleDeg;      // turn about the vertical axis, as the drawing turns it

    // The footprint of a wall or an item; false for any other node.
    static bool Of(const CSGNode& node, Footprint& footprint);
    // The smallest upright rectangle around it.
    LevelRect Bounds() const;
    float Area() const { return 4.0f * halfX * halfZ; }
    // Whether it shares any point with the rectangle (separating axes).
    bool Touches(const LevelRect& rect) const;
};

// The walls and items below `group` that lie wholly inside `rect`, or with `touching` those that
// share any point with it, in the level's order.
std::vector<CSGNode*> ObjectsInRect(const CSGGroup& group, const LevelRect& rect, bool touching);
