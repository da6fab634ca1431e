// The measuring tool with real input: M, then a drag in the edit view; the figures and the line
// stay until Escape, Shift holds the direction to 15° steps, and the level stays as it was.
#include "document/NodeListCommand.h"
#include "level/Wall.h"
#include "tests/views/ViewFixture.h"

namespace {

class MeasureToolTest : public ViewTest {
protected:
    void Measure(double x0, double z0, double x1, double z1, bool shift = false)
    {
        MoveToLevel(x0, z0);
        Press();
        if (shift)
            input.KeyDown(WXK_SHIFT);
        MoveToLevel((x0 + x1) / 2, (z0 + z1) / 2);
        MoveToLevel(x1, z1);
        Release();
        if (shift)
            input.KeyUp(WXK_SHIFT);
        PumpFor(60);
    }
};

TEST_F(MeasureToolTest, ADragShowsItsFiguresUntilEscapeAndChangesNothing)
{
    edit->m_zoom = 0.1f;
    Redraw();
    const unsigned long changes = document->m_changeCount;
    edit->GetCanvas()->SetFocus();
    PumpFor(30);
    PressKey('M');
    ASSERT_EQ(edit->m_mode, CEditGLView::MODE_MEASURE);

    // Both ends on the grid: 6 units along X at the new level's velocity 2.
    Measure(-3.1, 2.2, 3.2, 1.9);
    EXPECT_EQ(Status(), L"6 units, 3 s at velocity 2; \u0394X 6, \u0394Z 0, angle 0\u00B0");
    ASSERT_TRUE(edit->m_measureLine.has_value());
    EXPECT_EQ(edit->m_measureLine->to.x, 3.0);

    // The next measure replaces it; Shift holds it to 15°: (0, 0) to (5, -1) turns up to 15°.
    Measure(0.1, 0.1, 5.1, -1.1, true);
    EXPECT_TRUE(Status().Contains(L"angle 15\u00B0")) << Status();
    EXPECT_TRUE(Status().StartsWith("5.1 units, 2.55 s")) << Status();

    // An end near an object's corner takes the corner, before the grid: the wall's top left
    // corner is (1.3, 2.8).
    std::vector<NodeListCommand::Addition> additions;
    additions.push_back({&LevelGroup(), LevelGroup().ChildCount(), std::make_unique<Wall>(2.3f, 3.3f, 2.0f, 1.0f), {}});
    document->Submit(NodeListCommand::Adding(*document, "Add", std::move(additions)));
    Redraw();
    const unsigned long withWall = document->m_changeCount;
    Measure(1.35, 2.85, -2.2, 2.1);
    ASSERT_TRUE(edit->m_measureLine.has_value());
    EXPECT_NEAR(edit->m_measureLine->from.x, 1.3, 1e-5);
    EXPECT_NEAR(edit->m_measureLine->from.z, 2.8, 1e-5);
    EXPECT_EQ(edit->m_measureLine->to.x, -2.0);

    PressKey(WXK_ESCAPE);
    EXPECT_FALSE(edit->m_measureLine.has_value());
    EXPECT_EQ(changes + 1, withWall);
    EXPECT_EQ(document->m_changeCount, withWall) << "measuring is no step";
}

} // namespace
