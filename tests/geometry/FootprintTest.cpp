#include <gtest/gtest.h>

#include "geometry/Footprint.h"
#include "level/Item.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"

namespace {

// A band against one wall or item: wholly inside it, touching it, or neither. The turned wall
// (45°, 4 × 0.2 at the origin) reaches about 1.48 along each axis; its bounding box touches the
// band at (1, 1)-(2, 2), the wall itself does not.
TEST(Footprint, BandsTakeWhatLiesInsideOrTouches)
{
    struct Case {
        const char* what;
        float x0, z0, x1, z1;
        bool inside, touching;
    };
    const Case wallCases[] = {
        {"around", -2.0f, -2.0f, 2.0f, 2.0f, true, true},
        {"across the middle", -0.5f, -3.0f, 0.5f, 3.0f, false, true},
        {"corner of the bounds only", 1.0f, 1.0f, 2.0f, 2.0f, false, false},
        {"along the wall's end", 1.0f, -2.0f, 2.0f, -1.0f, false, true},
        {"far", 5.0f, 5.0f, 6.0f, 6.0f, false, false},
    };
    LevelGroupNode group;
    auto* wall = new Wall(0.0f, 0.0f, 4.0f, 0.2f);
    wall->OrientationAngle = 45.0f;
    group.AppendChild(wall);
    for (const Case& c : wallCases) {
        const LevelRect band = LevelRect::Between(c.x1, c.z1, c.x0, c.z0);
        EXPECT_EQ(ObjectsInRect(group, band, false).size(), c.inside ? 1u : 0u) << c.what;
        EXPECT_EQ(ObjectsInRect(group, band, true).size(), c.touching ? 1u : 0u) << c.what;
    }

    // An item is the square around its sphere; nodes of other kinds are never taken.
    group.AppendChild(new Item(10.0f, 0.0f, 10.0f, ITEM_NORMAL));
    EXPECT_EQ(ObjectsInRect(group, LevelRect::Between(9.4f, 9.4f, 10.6f, 10.6f), false).size(), 1u);
    EXPECT_EQ(ObjectsInRect(group, LevelRect::Between(9.6f, 9.6f, 10.6f, 10.6f), false).size(), 0u);
    EXPECT_EQ(ObjectsInRect(group, LevelRect::Between(9.6f, 9.6f, 10.6f, 10.6f), true).size(), 1u);
}

} // namespace
