// What both OpenGL panes share: wheel zoom, resizing, the Delete command and the focus frame.
#include <wx/settings.h>

#include "forms/CSelectionFormView.h"
#include "level/Wall.h"
#include "tests/views/ViewFixture.h"

namespace {

class GLViewTest : public ViewTest {
protected:
    void WheelOver(CGLView& view, int notches)
    {
        wxWindow& canvas = *view.GetCanvas();
        MoveTo(canvas, wxPoint(canvas.GetClientSize().x / 2, canvas.GetClientSize().y / 2));
        TurnWheel(notches);
    }

    // Which of the two panes shows the focus frame: the middle of its left edge, on screen, in
    // the highlight colour.
    std::pair<bool, bool> Framed()
    {
        Redraw();
        auto framed = [](CGLView& view) {
            wxWindow& canvas = *view.GetCanvas();
            const wxImage dot = ScreenPicture(wxRect(canvas.ClientToScreen(wxPoint(1, canvas.GetClientSize().y / 2)), wxSize(1, 1)));
            return wxColour(dot.GetRed(0, 0), dot.GetGreen(0, 0), dot.GetBlue(0, 0)) ==
                   wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
        };
        return {framed(*edit), framed(*preview)};
    }
};

TEST_F(GLViewTest, NextPaneKeyFramesTheOpenGLPaneThatTakesTheFocus)
{
    frame->m_pSelectionFormView->GetWindow()->SetFocus();
    EXPECT_EQ(Framed(), std::make_pair(false, false));
    PressKey(WXK_F6); // from the last pane round to the first
    EXPECT_EQ(wxWindow::FindFocus(), edit->GetCanvas());
    EXPECT_EQ(Framed(), std::make_pair(true, false));
    PressKey(WXK_F6);
    EXPECT_EQ(Framed(), std::make_pair(false, true));
}

TEST_F(GLViewTest, EachWheelNotchIsOneZoomStepWithinTheLimits)
{
    edit->m_zoom = 0.05f; // the default camera; a level opens fitted
    EXPECT_FLOAT_EQ(preview->m_zoom, 1.0f);
    WheelOver(*edit, 1);
    EXPECT_FLOAT_EQ(edit->m_zoom, 0.05f * 1.2f);
    WheelOver(*preview, -2);
    EXPECT_FLOAT_EQ(preview->m_zoom, 0.8333333f * 0.8333333f);

    preview->m_zoom = 1.45f; // below the limit: one more step goes past it
    WheelOver(*preview, 1);
    EXPECT_FLOAT_EQ(preview->m_zoom, 1.45f * 1.2f);
    WheelOver(*preview, 1);
    EXPECT_FLOAT_EQ(preview->m_zoom, 1.45f * 1.2f);

    edit->m_zoom = 0.03f; // at the lower limit: no step down
    WheelOver(*edit, -1);
    EXPECT_FLOAT_EQ(edit->m_zoom, 0.03f);
    WheelOver(*edit, 1);
    EXPECT_FLOAT_EQ(edit->m_zoom, 0.036f);
}

TEST_F(GLViewTest, ResizeRecordsTheAspectAndTheEditViewsSize)
{
    frame->SetClientSize(1300, 800);
    ASSERT_TRUE(PumpUntil([this] { return frame->GetClientSize() == wxSize(1300, 800); }));
    PumpFor(100);
    for (CGLView* view : {static_cast<CGLView*>(edit), static_cast<CGLView*>(preview)}) {
        const wxSize size = view->GetCanvas()->GetClientSize();
        EXPECT_FLOAT_EQ(view->m_aspect, static_cast<float>(size.x) / size.y);
    }
    const wxSize size = edit->GetCanvas()->GetClientSize();
    EXPECT_EQ(edit->m_width, size.x);
    EXPECT_EQ(edit->m_height, size.y);
}

TEST_F(GLViewTest, DeleteWorksFromThePreviewToo)
{
    auto* wall = new Wall(0.0f, 0.0f, 4.0f, 4.0f);
    LevelGroup().AppendChild(wall);
    document->UpdateAllViews(nullptr);
    Redraw();
    wxWindow& canvas = *preview->GetCanvas();
    MoveTo(canvas, wxPoint(canvas.GetClientSize().x / 2, canvas.GetClientSize().y / 2));
    Press();
    Release();
    ASSERT_EQ(document->SelectedNode(), wall);
    EXPECT_TRUE(preview->IsActive());
    const int wallTextureUsers = document->m_textures[0].refCount;
    const std::size_t children = LevelGroup().ChildCount();
    PressKey(WXK_DELETE);
    EXPECT_EQ(LevelGroup().ChildCount(), children - 1);
    EXPECT_EQ(document->SelectedNode(), nullptr);
    EXPECT_EQ(document->m_textures[0].refCount, wallTextureUsers - 1);
}

} // namespace
