// Handles, edges on the grid, what a press picks and the band's rules in the real main frame,
// with real input: modifiers are really held while the pointer moves.
#include <set>

#include <wx/menu.h>

#include "document/NodeListCommand.h"
#include "framework/StandardIds.h"
#include "level/Wall.h"
#include "tests/views/ViewFixture.h"

namespace {

class DirectManipulationTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        if (HasFatalFailure())
            return;
        edit->m_zoom = 0.12f;
        Redraw();
    }

    // The walls as one step, in the order given.
    std::vector<Wall*> AddWalls(const std::vector<LevelRect>& boxes)
    {
        std::vector<NodeListCommand::Addition> additions;
        std::vector<Wall*> walls;
        for (const LevelRect& box : boxes) {
            auto wall = std::make_unique<Wall>((box.minX + box.maxX) / 2, (box.minZ + box.maxZ) / 2, box.maxX - box.minX,
                                               box.maxZ - box.minZ);
            walls.push_back(wall.get());
            additions.push_back({&LevelGroup(), LevelGroup().ChildCount() + additions.size(), std::move(wall), {}});
        }
        document->Submit(NodeListCommand::Adding(*document, "Add", std::move(additions)));
        document->m_selection.Clear();
        Redraw();
        return walls;
    }

    void ClickLevel(double x, double z)
    {
        MoveToLevel(x, z);
        Press();
        Release();
        Redraw();
    }

    // A press at one point, moves to another with `keys` held throughout, and the release.
    void DragLevel(double x0, double z0, double x1, double z1, const std::vector<int>& keys = {})
    {
        MoveToLevel(x0, z0);
        for (const int key : keys)
            input.KeyDown(key);
        PumpFor(40);
        Press();
        MoveToLevel((x0 + x1) / 2, (z0 + z1) / 2);
        MoveToLevel(x1, z1);
        Release();
        for (auto key = keys.rbegin(); key != keys.rend(); ++key)
            input.KeyUp(*key);
        PumpFor(40);
        Redraw();
    }

    wxString UndoLabel()
    {
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        PumpFor(30);
        return frame->GetMenuBar()->FindItem(StandardId::EditUndo)->GetItemLabel();
    }

    std::set<CSGNode*> Selected() const
    {
        const auto& nodes = document->m_selection.Nodes();
        return {nodes.begin(), nodes.end()};
    }
};

TEST_F(DirectManipulationTest, AHandleMovesItsEdgeOntoTheGridAsOneStep)
{
    Wall* wall = AddWalls({{3.0f, 2.0f, 6.0f, 4.0f}}).front();
    ClickLevel(4.5, 3.0);
    ASSERT_EQ(document->SelectedNode(), wall);
    // The pointer over a handle shows which way it drags.
    const auto cursorIs = [this](wxStockCursor kind) {
        return edit->GetCanvas()->GetCursor().GetCursor() == wxCursor(kind).GetCursor();
    };
    MoveToLevel(6.0, 3.0);
    EXPECT_TRUE(cursorIs(wxCURSOR_SIZEWE));
    EXPECT_FALSE(cursorIs(wxCURSOR_ARROW));
    MoveToLevel(6.0, 4.0);
    EXPECT_TRUE(cursorIs(wxCURSOR_SIZENWSE));
    MoveToLevel(4.5, 3.0);
    EXPECT_TRUE(cursorIs(wxCURSOR_ARROW));

    // The right edge's middle, dragged past a grid line: the left edge stays.
    DragLevel(6.0, 3.0, 8.3, 3.4);
    EXPECT_FLOAT_EQ(wall->Width, 5.0f);
    EXPECT_FLOAT_EQ(wall->x, 5.5f);
    EXPECT_FLOAT_EQ(wall->Depth, 2.0f);
    EXPECT_FLOAT_EQ(wall->z, 3.0f);
    EXPECT_EQ(Status(), wxString::FromUTF8("Wall 5.00 \u00D7 2.00"));
    EXPECT_EQ(UndoLabel(), "&Undo Resize Wall\tCtrl+Z");

    // Past the opposite edge it stops at one grid step.
    DragLevel(8.0, 3.0, -2.0, 3.0);
    EXPECT_FLOAT_EQ(wall->Width, 1.0f);
    EXPECT_FLOAT_EQ(wall->x, 3.5f);

    // Undo takes back one drag at a time.
    PressKey('Z', wxMOD_CONTROL);
    PumpFor(60);
    EXPECT_FLOAT_EQ(wall->Width, 5.0f);
    PressKey('Z', wxMOD_CONTROL);
    PumpFor(60);
    EXPECT_FLOAT_EQ(wall->Width, 3.0f);
    EXPECT_FLOAT_EQ(wall->x, 4.5f);
    Redraw();

    // A corner with Shift: the centre stays, both sides grow to the grid.
    DragLevel(6.0, 4.0, 7.2, 5.1, {WXK_SHIFT});
    EXPECT_FLOAT_EQ(wall->x, 4.5f);
    EXPECT_FLOAT_EQ(wall->z, 3.0f);
    EXPECT_FLOAT_EQ(wall->Width, 5.0f);
    EXPECT_FLOAT_EQ(wall->Depth, 4.0f);
}

TEST_F(DirectManipulationTest, ADragPutsTheNearestCornerOnTheGridSoWallsMeetFlush)
{
    const std::vector<Wall*> walls = AddWalls({{0.0f, 0.0f, 1.0f, 1.0f}, {2.8f, -0.3f, 3.8f, 0.7f}});
    // Pressed near its top left corner, dropped beside the first wall.
    DragLevel(2.9, -0.2, 1.15, -0.1);
    EXPECT_FLOAT_EQ(walls[1]->x, 1.5f);
    EXPECT_FLOAT_EQ(walls[1]->z, 0.5f);
    EXPECT_FLOAT_EQ(walls[0]->x, 0.5f);
}

TEST_F(DirectManipulationTest, ASquareTurnKeepsTheCornerOnTheGrid)
{
    Wall* wall = AddWalls({{2.0f, 6.0f, 4.0f, 7.0f}}).front();
    ClickLevel(3.0, 6.5);
    ASSERT_EQ(document->SelectedNode(), wall);
    edit->GetCanvas()->SetFocus();
    PressKey(']', wxMOD_SHIFT);
    // Turned upright about (3, 6.5) its bounds start at (2.5, 5.5): half a step on to the grid.
    EXPECT_FLOAT_EQ(wall->OrientationAngle, 90.0f);
    EXPECT_FLOAT_EQ(wall->x, 3.5f);
    EXPECT_FLOAT_EQ(wall->z, 7.0f);
    PressKey(']');
    EXPECT_FLOAT_EQ(wall->OrientationAngle, 105.0f);
    EXPECT_FLOAT_EQ(wall->x, 3.5f);
    EXPECT_FLOAT_EQ(wall->z, 7.0f);
}

TEST_F(DirectManipulationTest, TheSmallestIsTakenFirstAndClicksOnOneSpotGoRound)
{
    // Three walls about one spot, the largest drawn last.
    const std::vector<Wall*> walls = AddWalls({{0.0f, 0.0f, 2.0f, 2.0f}, {-1.0f, -1.0f, 3.0f, 3.0f}, {-4.0f, -4.0f, 6.0f, 6.0f}});
    for (const std::size_t expected : {0u, 1u, 2u, 0u, 1u, 2u}) {
        ClickLevel(1.3, 1.2);
        EXPECT_EQ(document->SelectedNode(), walls[expected]) << expected;
        EXPECT_EQ(Status(), wxString::Format("Wall %u of 3 here", static_cast<unsigned>(expected + 1)));
    }
    // The largest is selected: a drag from the spot moves it, not the smaller ones over it.
    DragLevel(1.3, 1.2, 3.3, 1.2);
    EXPECT_FLOAT_EQ(walls[2]->x, 3.0f);
    EXPECT_FLOAT_EQ(walls[0]->x, 1.0f);
    EXPECT_FLOAT_EQ(walls[1]->x, 1.0f);
}

TEST_F(DirectManipulationTest, EveryBandRule)
{
    // A, B and C in a row; a band over A that reaches into B.
    const std::vector<Wall*> w = AddWalls({{-7.0f, -4.5f, -5.0f, -3.5f}, {-3.0f, -4.5f, -1.0f, -3.5f}, {1.0f, -4.5f, 3.0f, -3.5f}});
    Wall *const a = w[0], *const b = w[1], *const c = w[2];
    struct Case {
        const char* rule;
        std::vector<int> keys;
        double x0, z0, x1, z1;
        std::set<CSGNode*> before, after;
    };
    const Case cases[] = {
        {"left to right encloses", {}, -7.5, -5.0, -1.5, -3.0, {c}, {a}},
        {"right to left touches", {}, -1.5, -3.0, -7.5, -5.0, {c}, {a, b}},
        {"Alt touches left to right", {WXK_ALT}, -7.5, -5.0, -1.5, -3.0, {}, {a, b}},
        {"Shift adds", {WXK_SHIFT}, -7.5, -5.0, -1.5, -3.0, {c}, {a, c}},
        {"Ctrl adds what it touches", {WXK_CONTROL}, -1.5, -3.0, -7.5, -5.0, {c}, {a, b, c}},
        {"Ctrl+Alt takes out", {WXK_CONTROL, WXK_ALT}, -7.5, -5.0, -1.5, -3.0, {a, b, c}, {c}},
        {"Alt from on a wall draws a band", {WXK_ALT}, 2.0, -4.0, 0.5, -6.0, {}, {c}},
        {"Ctrl+Alt from on a wall takes it out", {WXK_CONTROL, WXK_ALT}, 2.0, -4.0, 3.5, -2.5, {a, b, c}, {a, b}},
    };
    for (const Case& t : cases) {
        document->m_selection.Set(std::vector<CSGNode*>(t.before.begin(), t.before.end()));
        Redraw();
        DragLevel(t.x0, t.z0, t.x1, t.z1, t.keys);
        EXPECT_EQ(Selected(), t.after) << t.rule;
        EXPECT_FLOAT_EQ(c->x, 2.0f) << t.rule << ": nothing moves";
        EXPECT_FLOAT_EQ(c->z, -4.0f) << t.rule << ": nothing moves";
    }
}

} // namespace
