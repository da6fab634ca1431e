// A small maze built as a designer builds it, from a new level with real input: a ring of walls,
// an inner corridor made flush and lengthened with the handles, four items and the start, then
// saved. Every key, click and drag counts as one action.
#include <iterator>
#include <set>

#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelFile.h"
#include "level/Wall.h"
#include "tests/support/TempFolder.h"
#include "tests/views/ViewFixture.h"

namespace {

class MazeTest : public ViewTest {
protected:
    // A key for the edit view, where the pointer is.
    void Key(int key, int modifiers = 0)
    {
        edit->GetCanvas()->SetFocus();
        PumpFor(30);
        PressKey(key, modifiers);
        Redraw();
        ++actions;
    }
    void Drag(double x0, double z0, double x1, double z1)
    {
        DragLevel(x0, z0, x1, z1);
        Redraw();
        ++actions;
    }
    void Click(double x, double z)
    {
        MoveToLevel(x, z);
        Press();
        Release();
        Redraw();
        ++actions;
    }

    int actions = 0;
};

TEST_F(MazeTest, BuiltInFewActionsAndSavedAsDrawn)
{
    MoveToLevel(0.0, 0.0);
    Key(WXK_HOME); // the whole floor in sight
    Key('W');
    // The ring, corner to corner on the grid.
    Drag(-9.0, -7.0, 9.0, -6.0);
    Drag(-9.0, 6.0, 9.0, 7.0);
    Drag(-9.0, -6.0, -8.0, 6.0);
    Drag(8.0, -6.0, 9.0, 6.0);
    // The corridor, drawn roughly.
    Drag(-5.0, -3.0, 4.0, -2.0);
    Drag(-4.0, 2.0, 5.0, 3.0);
    Key('S');
    // The first corridor wall lengthened by its right edge's handle, the second pressed near its
    // corner and dropped so that it starts where the first does.
    Click(0.0, -2.5);
    Drag(4.0, -2.5, 5.3, -2.4);
    Drag(-3.9, 2.1, -4.8, 2.2);
    // Four items in the ring's corners.
    const std::pair<double, double> itemPlaces[] = {{-6.7, -4.6}, {6.6, -4.4}, {-6.4, 4.7}, {6.5, 4.5}};
    for (const auto& place : itemPlaces) {
        Key('I');
        Click(place.first, place.second);
    }
    // The start, dragged by its cone to the left of the ring's middle.
    Drag(0.0, -0.5, -7.3, -0.3);

    TempFolder folder;
    FileDialogAnswerer dialogs;
    dialogs.answers = {wxString(folder.File("maze.xml"))};
    Key('S', wxMOD_CONTROL);
    ++actions; // the file's name in the dialog
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_LE(actions, 40);

    std::string error;
    const std::unique_ptr<LevelScene> saved = ReadLevelFile(folder.File("maze.xml"), error);
    ASSERT_TRUE(saved) << error;
    const LevelRect expected[] = {{-9, -7, 9, -6}, {-9, 6, 9, 7}, {-9, -6, -8, 6}, {8, -6, 9, 6}, {-5, -3, 5, -2}, {-5, 2, 4, 3}};
    std::vector<LevelRect> walls;
    std::set<std::pair<float, float>> items;
    ForEachNode(*saved->m_pLevelGroup, [&](CSGNode& node) {
        if (const auto* wall = dynamic_cast<const Wall*>(&node))
            walls.push_back(LevelRect::Between(wall->x - wall->Width / 2, wall->z - wall->Depth / 2,
                                               wall->x + wall->Width / 2, wall->z + wall->Depth / 2));
        else if (const auto* item = dynamic_cast<const Item*>(&node))
            items.insert({item->x, item->z});
    });
    ASSERT_EQ(walls.size(), std::size(expected));
    for (std::size_t i = 0; i < walls.size(); ++i)
        EXPECT_TRUE(walls[i].Contains(expected[i]) && expected[i].Contains(walls[i])) << i;
    EXPECT_EQ(items, (std::set<std::pair<float, float>>{{-6.5f, -4.5f}, {6.5f, -4.5f}, {-6.5f, 4.5f}, {6.5f, 4.5f}}));
    EXPECT_FLOAT_EQ(saved->m_pGameSettings->SnakeInitialPosX, -7.0f);
    EXPECT_FLOAT_EQ(saved->m_pGameSettings->SnakeInitialPosZ, 0.0f);
}

} // namespace
