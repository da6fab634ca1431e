#include <vector>

#include <GL/glu.h>
#include <gtest/gtest.h>

#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/Picking.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"
#include "tests/level/LevelTestSupport.h"

namespace {

using Path = std::vector<int>;
const Path kMiss = {-1};

// A level scene whose LevelGroupNode is drawn by a top-down camera, as in the edit view.
class PickingTest : public ::testing::Test {
protected:
    PickingTest() : m_camera(m_context, 16.0f)
    {
        m_scene.m_pLevelGroup = new LevelGroupNode;
        m_scene.Root().AppendChild(m_scene.m_pLevelGroup);
    }

    CSGGroup& Group() { return *m_scene.m_pLevelGroup; }

    Path PickAt(float x, float z, float time = -1.0f)
    {
        // Client coordinates count y downward from the top.
        return m_scene.Pick(m_camera.PixelX(x), m_context.Height() - m_camera.PixelY(z), time);
    }

    OffscreenContext m_context{128, 128};
    TopDownCamera m_camera;
    LevelScene m_scene;
};

} // namespace

TEST_F(PickingTest, NearerObjectWinsWhateverItsPlaceInTheTree)
{
    Group().AppendChild(new StartPositionNode(0, 0, 0, 0));
    Group().AppendChild(new Wall(3.0f, 3.0f, 2.0f, 2.0f)); // child 1, its top at Y = 1
    Group().AppendChild(new LevelFloor);                   // child 2, its top at Y = 0
    EXPECT_EQ(PickAt(3.0f, 3.0f), (Path{0, 1}));
    EXPECT_EQ(PickAt(-6.0f, -6.0f), (Path{0, 2}));
    Group().AppendChild(new Item(-6.0f, 0.0f, -6.0f, ITEM_LIFE_EXTRA)); // child 3, above the floor
    EXPECT_EQ(PickAt(-6.0f, -6.0f), (Path{0, 3}));
}

TEST_F(PickingTest, EqualDepthsAreDecidedByTheNamePath)
{
    Group().AppendChild(new LevelFloor);
    Group().AppendChild(new Item(2.0f, 0.0f, 2.0f, ITEM_NORMAL));
    Group().AppendChild(new Item(2.0f, 0.0f, 2.0f, ITEM_NORMAL));
    EXPECT_EQ(PickAt(2.0f, 2.0f), (Path{0, 1}));

    // Inside a nested group the path goes one level deeper; [0, 1] is still smaller.
    auto* nested = new CSGGroup;
    nested->AppendChild(new Item(2.0f, 0.0f, 2.0f, ITEM_NORMAL));
    Group().PrependChild(nested);
    EXPECT_EQ(PickAt(2.0f, 2.0f), (Path{0, 0, 0}));
}

TEST_F(PickingTest, WallNestedFarDeeperThanTheNameAndMatrixStacksIsPicked)
{
    CSGGroup* group = &Group();
    for (int depth = 0; depth < 1500; ++depth) {
        auto* nested = new CSGGroup;
        group->AppendChild(nested);
        group = nested;
    }
    group->AppendChild(new Wall(3.0f, 3.0f, 2.0f, 2.0f));
    EXPECT_EQ(PickAt(3.0f, 3.0f), Path(1502, 0));
    EXPECT_EQ(PickAt(-3.0f, 3.0f), kMiss);
    EXPECT_EQ(GetInteger(GL_MODELVIEW_STACK_DEPTH), 1);
}

TEST_F(PickingTest, MissOutsideEveryObject)
{
    Group().AppendChild(new LevelFloor);
    EXPECT_EQ(PickAt(13.0f, 0.0f), kMiss);
    EXPECT_EQ(PickAt(0.0f, 0.0f), (Path{0, 0}));
    // The projection and the render mode are back as they were.
    EXPECT_EQ(GetInteger(GL_RENDER_MODE), GL_RENDER);
    EXPECT_EQ(GetInteger(GL_PROJECTION_STACK_DEPTH), 1);
}

TEST_F(PickingTest, SelectionBufferOverflowIsAMiss)
{
    // Each hit record of [0, k] takes five entries: 3000 records fit, 4000 do not.
    for (int i = 0; i < 3000; ++i)
        Group().AppendChild(new Item(0.0f, 0.0f, 0.0f, ITEM_NORMAL));
    EXPECT_EQ(PickAt(0.0f, 0.0f), (Path{0, 0}));
    for (int i = 0; i < 1000; ++i)
        Group().AppendChild(new Item(0.0f, 0.0f, 0.0f, ITEM_NORMAL));
    EXPECT_EQ(PickAt(0.0f, 0.0f), kMiss);
}

TEST_F(PickingTest, ItemWithItsDisplayListsIsPickedInThePreview)
{
    // The preview draws an item's glass sphere from its display list, in selection mode too.
    auto* item = new Item(0.0f, 0.0f, 0.0f, ITEM_LIFE_EXTRA);
    item->Prepare();
    Group().AppendChild(item);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, 0.5, 300.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 5.0, 5.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    EXPECT_EQ(m_scene.Pick(64, 64, 0.0f), (Path{0, 0}));
    EXPECT_EQ(m_scene.Pick(2, 2, 0.0f), kMiss);
    glDeleteLists(item->m_sphereList, 2);
}

TEST_F(PickingTest, NoLevelGroupIsAMiss)
{
    LevelScene empty;
    EXPECT_EQ(empty.Pick(10, 10, -1.0f), kMiss);
}

TEST(PickHitRecords, SortedByDepthThenNames)
{
    const unsigned buffer[] = {
        2, 500, 900, 0, 4,    // depth 500
        3, 100, 100, 0, 2, 1, // depth 100, [0, 2, 1]
        2, 100, 700, 0, 2,    // depth 100, [0, 2]: a prefix comes first
    };
    const auto hits = ParseHitRecords(buffer, std::size(buffer), 3);
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_DOUBLE_EQ(hits[0].depth, 500 / 4294967296.0);
    EXPECT_EQ(NearestHitPath(hits), (Path{0, 2}));
    EXPECT_EQ(NearestHitPath({}), kMiss);
}

TEST(PickHitRecords, NeverReadPastTheBuffer)
{
    const unsigned truncated[] = {2, 10, 10, 0, 1, 5, 1, 1, 0};
    // The second record claims five names but only one entry is left.
    EXPECT_EQ(ParseHitRecords(truncated, std::size(truncated), 2).size(), 1u);
    // More records claimed than the buffer holds.
    EXPECT_EQ(ParseHitRecords(truncated, 5, 100).size(), 1u);
    const unsigned huge[] = {0xFFFFFFFFu, 1, 1, 0};
    EXPECT_TRUE(ParseHitRecords(huge, std::size(huge), 1).empty());
    EXPECT_TRUE(ParseHitRecords(huge, 2, 1).empty());
}
