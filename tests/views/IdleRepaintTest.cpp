// The panes draw a frame when what they show changes, and an idle editor draws none.
#include "document/AnimationClock.h"
#include "app/CLevelEditorApp.h"
#include "framework/Resource.h"
#include "level/LevelFloor.h"
#include "tests/views/ViewFixture.h"

namespace {

class IdleRepaintTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        // The editor's own idle processing, in the real event loop.
        TestApp().idleHook = [this](long) { return AnimateIdle(*document, pacer, ProcessSeconds()); };
    }

    void TearDown() override
    {
        TestApp().idleHook = nullptr;
        ViewTest::TearDown();
    }

    // Frames each pane draws while the event loop runs for `ms` after `change`.
    std::pair<unsigned long, unsigned long> FramesAfter(const std::function<void()>& change, int ms = 300)
    {
        RunEventLoopFor(200); // whatever was pending is drawn first
        const unsigned long editBefore = edit->FramesDrawn();
        const unsigned long previewBefore = preview->FramesDrawn();
        change();
        RunEventLoopFor(ms);
        return {edit->FramesDrawn() - editBefore, preview->FramesDrawn() - previewBefore};
    }

    void ToggleAnimation()
    {
        wxCommandEvent toggle(wxEVT_MENU, ID_TOGGLE_ANIMATION);
        preview->GetCanvas()->ProcessWindowEvent(toggle);
    }

    RepaintPacer pacer{CLevelEditorApp::REPAINT_INTERVAL};
};

TEST_F(IdleRepaintTest, IdleEditorDrawsOnlyWhatChanged)
{
    EXPECT_EQ(FramesAfter([] {}, 600), std::make_pair(0ul, 0ul));

    auto [edit1, preview1] = FramesAfter([this] {
        document->SetSelection(document->m_pScene->m_pFloor);
        document->UpdateAllViews(nullptr);
    });
    EXPECT_GE(edit1, 1ul);
    EXPECT_GE(preview1, 1ul);

    // The grid is the edit view's alone.
    auto [edit2, preview2] = FramesAfter([this] {
        wxCommandEvent grid(wxEVT_MENU, ID_GRID_SIZE_5);
        frame->ProcessWindowEvent(grid);
    });
    EXPECT_GE(edit2, 1ul);
    EXPECT_EQ(preview2, 0ul);

    EXPECT_EQ(FramesAfter([] {}, 600), std::make_pair(0ul, 0ul));
}

TEST_F(IdleRepaintTest, AnimatedPreviewDrawsOnWhileTheEditViewRests)
{
    const float before = document->m_animTime;
    auto [edit1, preview1] = FramesAfter([this] { ToggleAnimation(); }, 600);
    EXPECT_EQ(edit1, 0ul);
    EXPECT_GE(preview1, 10ul);
    EXPECT_GT(document->m_animTime, before + 0.3f);

    ToggleAnimation();
    const float stopped = document->m_animTime;
    EXPECT_EQ(FramesAfter([] {}, 600), std::make_pair(0ul, 0ul));
    EXPECT_FLOAT_EQ(document->m_animTime, stopped);
}

} // namespace
