#include <gtest/gtest.h>

#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "views/PickPath.h"

namespace {

using Path = std::vector<int>;

// Level group: [floor, wall, group -> [item]].
class PickPathTest : public ::testing::Test {
protected:
    PickPathTest()
    {
        m_group.AppendChild(m_floor);
        m_group.AppendChild(m_wall);
        m_group.AppendChild(m_nested);
        m_nested->AppendChild(m_item);
    }

    LevelGroupNode m_group;
    LevelFloor* m_floor = new LevelFloor;
    Wall* m_wall = new Wall;
    CSGGroup* m_nested = new CSGGroup;
    Item* m_item = new Item;
};

} // namespace

TEST_F(PickPathTest, PathsNameChildrenLevelByLevel)
{
    EXPECT_EQ(NodeAtPath(m_group, Path{0, 0}), m_floor);
    EXPECT_EQ(NodeAtPath(m_group, Path{0, 1}), m_wall);
    EXPECT_EQ(NodeAtPath(m_group, Path{0, 2}), m_nested);
    EXPECT_EQ(NodeAtPath(m_group, Path{0, 2, 0}), m_item);
}

TEST_F(PickPathTest, MissesAndPathsThatNameNoChildAreNull)
{
    EXPECT_EQ(NodeAtPath(m_group, Path{-1}), nullptr);
    EXPECT_EQ(NodeAtPath(m_group, Path{0}), nullptr);
    EXPECT_EQ(NodeAtPath(m_group, Path{}), nullptr);
    EXPECT_EQ(NodeAtPath(m_group, Path{0, 3}), nullptr);
    EXPECT_EQ(NodeAtPath(m_group, Path{0, -5}), nullptr);
    // A missing node in the middle of the path: the walk stops there.
    EXPECT_EQ(NodeAtPath(m_group, Path{0, 7, 0}), nullptr);
    EXPECT_EQ(NodeAtPath(m_group, Path{0, 2, 1}), nullptr);
    // Below a node that is no group nothing has a name.
    EXPECT_EQ(NodeAtPath(m_group, Path{0, 1, 0}), nullptr);
}
