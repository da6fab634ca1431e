#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "document/ObjectNames.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"
#include "scenegraph/CSGGroup.h"

namespace {

std::unique_ptr<CSGNode> MakeItem(float x, float z, int typeId)
{
    auto item = std::make_unique<Item>(x, 0.0f, z, ITEM_NORMAL);
    item->ItemTypeID = typeId; // as read from a file, in range or not
    return item;
}

} // namespace

// Every kind of object, at places and sizes that need no decimals, some, or rounding.
TEST(DescribeObject, SaysWhatWasPickedAndWhereInCompactNumbers)
{
    struct Case {
        std::function<std::unique_ptr<CSGNode>()> make;
        const char* expected;
    };
    const Case cases[] = {
        {[] { return std::make_unique<Wall>(-2.0f, -3.0f, 8.0f, 1.0f); }, "Wall at (-2, -3), 8 \u00D7 1"},
        {[] { return std::make_unique<Wall>(0.5f, 10.25f, 2.5f, 0.1f); }, "Wall at (0.5, 10.25), 2.5 \u00D7 0.1"},
        {[] { return std::make_unique<Wall>(-0.001f, 1.0f / 3.0f, 100.0f, 1.999f); }, "Wall at (0, 0.33), 100 \u00D7 2"},
        {[] { return MakeItem(1.5f, 2.5f, ITEM_INCREASE_SPEED); }, "Item \"Faster\" at (1.5, 2.5)"},
        {[] { return MakeItem(-4.0f, 0.0f, ITEM_NORMAL); }, "Item \"Normal\" at (-4, 0)"},
        {[] { return MakeItem(3.0f, -7.5f, ITEM_DECREASE_LENGTH); }, "Item \"Shorter snake\" at (3, -7.5)"},
        {[] { return MakeItem(0.0f, 0.0f, 42); }, "Unknown item at (0, 0)"},
        {[] { return std::make_unique<StartPositionNode>(0.0f, 0.0f, -0.0f, 90.0f); }, "Start position at (0, 0)"},
        {[] { return std::make_unique<LevelFloor>(); }, "Floor, 20 \u00D7 16"},
        {[] { return std::make_unique<CSGGroup>(); }, "Object"},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<CSGNode> node = c.make();
        EXPECT_EQ(DescribeObject(*node), wxString::FromUTF8(c.expected));
    }
}
