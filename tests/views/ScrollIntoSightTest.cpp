// Objects that a command brings or puts back out of the edit view's sight are scrolled into it,
// without a change of zoom: Duplicate, Paste, Undo and Redo, with real keys.
#include "document/NodeListCommand.h"
#include "geometry/Footprint.h"
#include "level/Wall.h"
#include "tests/views/ViewFixture.h"

namespace {

class ScrollIntoSightTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        if (HasFatalFailure())
            return;
        std::vector<NodeListCommand::Addition> additions;
        additions.push_back({&LevelGroup(), LevelGroup().ChildCount(), std::make_unique<Wall>(6.0f, 4.0f, 2.0f, 1.0f), {}});
        document->Submit(NodeListCommand::Adding(*document, "Add", std::move(additions)));
        edit->GetCanvas()->SetFocus();
        // The pointer rests over the preview: Paste then goes beside what was copied.
        MoveTo(*preview->GetCanvas(), wxPoint(20, 20));
    }

    void LookAway()
    {
        edit->m_copX = -90.0f;
        edit->m_copY = 40.0f;
        Redraw();
        ASSERT_FALSE(SelectionInSight());
    }

    bool SelectionInSight() const
    {
        const std::optional<LevelRect> area = AreaOf(document->m_selection.Nodes());
        const ViewRect view = VisibleRect(edit->Camera());
        return area && view.umin <= area->minX && area->maxX <= view.umax && view.vmin <= -area->maxZ &&
               -area->minZ <= view.vmax;
    }
};

TEST_F(ScrollIntoSightTest, DuplicatePasteUndoAndRedoScrollWhatTheyTouchedIntoSight)
{
    struct Case {
        const char* name;
        void (*before)();
        int key;
    };
    const auto none = [] {};
    const auto copy = [] { PressKey('C', wxMOD_CONTROL); };
    const auto move = [] { PressKey(WXK_RIGHT); };
    const auto moveUndone = [] {
        PressKey(WXK_RIGHT);
        PressKey('Z', wxMOD_CONTROL);
    };
    const Case cases[] = {
        {"Duplicate", none, 'D'}, {"Paste", copy, 'V'}, {"Undo", move, 'Z'}, {"Redo", moveUndone, 'Y'}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        document->SetSelection(LevelGroup().GetChild(static_cast<unsigned>(LevelGroup().ChildCount() - 1)));
        document->UpdateAllViews(nullptr);
        PumpFor(30);
        c.before();
        LookAway();
        const float zoom = edit->m_zoom;
        const unsigned long changes = document->m_changeCount;
        PressKey(c.key, wxMOD_CONTROL);
        PumpFor(60);
        EXPECT_NE(document->m_changeCount, changes);
        EXPECT_TRUE(SelectionInSight());
        EXPECT_EQ(edit->m_zoom, zoom);
    }
}

} // namespace
