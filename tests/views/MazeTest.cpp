// A small maze built as a designer builds it, from a new level with real input: a ring of walls,
// an inner corridor made flush and lengthened with the handles, four items and the start, then
// saved. Every key, click and drag counts as one action.
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "tests/support/TempFolder.h"
#include "tests/views/ViewFixture.h"

namespace {

// The attributes of each element named `name` in a saved level, in the file's order.
std::vector<std::map<std::string, double>> Elements(const std::string& text, const std::string& name)
{
    std::vector<std::map<std::string, double>> found;
    const std::string open = "<" + name + "\n";
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
        std::map<std::string, double> attributes;
        const std::size_t end = text.find("/>", at);
        std::size_t pos = at + open.size();
        while (true) {
            const std::size_t equals = text.find(" = \"", pos);
            if (equals == std::string::npos || equals > end)
                break;
            const std::size_t nameStart = text.find_last_of(" \n", equals - 1) + 1;
            const std::size_t valueEnd = text.find('"', equals + 4);
            attributes[text.substr(nameStart, equals - nameStart)] = std::atof(text.substr(equals + 4, valueEnd - equals - 4).c_str());
            pos = valueEnd + 1;
        }
        found.push_back(attributes);
    }
    return found;
}

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
        MoveToLevel(x0, z0);
        Press();
        MoveToLevel((x0 + x1) / 2, (z0 + z1) / 2);
        MoveToLevel(x1, z1);
        Release();
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

    const std::string saved = ReadWholeFile(folder.File("maze.xml"));
    struct Box {
        double x, z, width, depth;
    };
    const Box expected[] = {{0, -6.5, 18, 1}, {0, 6.5, 18, 1}, {-8.5, 0, 1, 12},
                            {8.5, 0, 1, 12},  {0, -2.5, 10, 1}, {-0.5, 2.5, 9, 1}};
    const auto walls = Elements(saved, "Wall");
    ASSERT_EQ(walls.size(), std::size(expected));
    for (std::size_t i = 0; i < walls.size(); ++i) {
        EXPECT_DOUBLE_EQ(walls[i].at("CenterX"), expected[i].x) << i;
        EXPECT_DOUBLE_EQ(walls[i].at("CenterZ"), expected[i].z) << i;
        EXPECT_DOUBLE_EQ(walls[i].at("Width"), expected[i].width) << i;
        EXPECT_DOUBLE_EQ(walls[i].at("Depth"), expected[i].depth) << i;
    }
    std::set<std::pair<double, double>> items;
    for (const auto& item : Elements(saved, "Item"))
        items.insert({item.at("PosX"), item.at("PosZ")});
    EXPECT_EQ(items, (std::set<std::pair<double, double>>{{-6.5, -4.5}, {6.5, -4.5}, {-6.5, 4.5}, {6.5, 4.5}}));
    const auto settings = Elements(saved, "GameSettingsNode");
    ASSERT_EQ(settings.size(), 1u);
    EXPECT_DOUBLE_EQ(settings[0].at("SnakeInitialPosX"), -7.0);
    EXPECT_DOUBLE_EQ(settings[0].at("SnakeInitialPosZ"), 0.0);
}

} // namespace
