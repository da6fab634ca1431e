// The preview in the real main frame, driven by real mouse input.
#include <wx/timer.h>

#include <GL/gl.h>

#include "level/CICubeMapNode.h"
#include "level/LevelFloor.h"
#include "level/Wall.h"
#include "tests/views/ViewFixture.h"

namespace {

class PreviewViewTest : public ViewTest {
protected:
    wxGLCanvas& Canvas() { return *preview->GetCanvas(); }
    wxPoint Centre() { return wxPoint(Canvas().GetClientSize().x / 2, Canvas().GetClientSize().y / 2); }

    // A Shift + left drag through the given client points.
    void ShiftDrag(const std::vector<wxPoint>& points)
    {
        MoveTo(Canvas(), points.front());
        input.KeyDown(WXK_SHIFT);
        PumpFor(40);
        Press();
        for (std::size_t i = 1; i < points.size(); ++i)
            MoveTo(Canvas(), points[i]);
        Release();
        input.KeyUp(WXK_SHIFT);
        PumpFor(40);
    }

    static bool IsIdentity(const float m[16])
    {
        for (int i = 0; i < 16; ++i)
            if (std::abs(m[i] - (i % 5 == 0 ? 1.0f : 0.0f)) > 1e-5f)
                return false;
        return true;
    }
};

TEST_F(PreviewViewTest, FirstFramesRunTheTextureWork)
{
    EXPECT_FALSE(document->m_bTexturesDirty);
    EXPECT_NE(document->m_pScene->m_pFloor->GetGLTexture(), 0u);
    EXPECT_FALSE(document->m_pScene->m_pFloor->NeedsTextureUpdate());
}

TEST_F(PreviewViewTest, ClosingTheWindowReleasesTheLevelsTextures)
{
    ASSERT_FALSE(document->m_textures.empty());
    ASSERT_NE(document->m_glTextures[0], 0u);
    frame->Close(true);
    ASSERT_TRUE(PumpUntil([this] { return manager->GetFrame() == nullptr; }));
    EXPECT_TRUE(document->m_textures.empty());
    EXPECT_EQ(document->m_glTextures[0], 0u);
}

TEST_F(PreviewViewTest, ClearingTheLevelDeletesTheSkyBoxTexturesInThePreviewsContext)
{
    auto* cubeMap = new CICubeMapNode;
    cubeMap->TextureBaseName = "../data/CubeMaps/Special/default.png";
    document->m_pScene->Root().PrependChild(cubeMap);
    Redraw();
    ASSERT_TRUE(preview->MakeCurrent());
    const GLuint cubeTexture = cubeMap->m_skyBox.m_cubeTexture;
    ASSERT_TRUE(glIsTexture(cubeTexture));

    // Whichever view drew last leaves its context current; the textures are the preview's.
    ASSERT_TRUE(edit->MakeCurrent());
    document->DeleteContents();
    ASSERT_TRUE(preview->MakeCurrent());
    EXPECT_FALSE(glIsTexture(cubeTexture));
    document->OnNewDocument();
}

TEST_F(PreviewViewTest, ClickSelectsTheNearestObjectWithoutDragging)
{
    auto* wall = new Wall(0.0f, 0.0f, 4.0f, 4.0f); // on the floor, child 2
    LevelGroup().AppendChild(wall);
    document->UpdateAllViews(nullptr);
    Redraw();
    MoveTo(Canvas(), Centre());
    Press();
    Release();
    EXPECT_EQ(document->SelectedNode(), wall);
    EXPECT_EQ(Status(), wxString::FromUTF8("Wall at (0, 0), 4 \u00D7 4"));
    EXPECT_FALSE(Canvas().HasCapture());

    // Pressing on the selection again changes nothing and starts nothing.
    Press();
    MoveTo(Canvas(), Centre() + wxPoint(50, 0));
    Release();
    EXPECT_EQ(document->SelectedNode(), wall);
    EXPECT_FLOAT_EQ(wall->x, 0.0f);
    EXPECT_TRUE(IsIdentity(preview->m_rotation));
}

TEST_F(PreviewViewTest, ShiftDragToTheRightTurnsAboutTheVerticalAxis)
{
    const wxPoint centre = Centre();
    ShiftDrag({centre, centre + wxPoint(30, 0), centre + wxPoint(60, 0)});
    // Up to the half pixel by which the centre pixel misses the middle of the window.
    const float* m = preview->m_rotation;
    EXPECT_NEAR(m[5], 1.0f, 1e-4f);
    EXPECT_NEAR(m[1], 0.0f, 5e-3f);
    EXPECT_NEAR(m[9], 0.0f, 5e-3f);
    EXPECT_GT(m[2], 0.1f); // the front of the level swings to the right
    EXPECT_FALSE(preview->m_rotating);
    EXPECT_FALSE(Canvas().HasCapture());
    // Nothing was selected by the drag.
    EXPECT_EQ(document->SelectedNode(), nullptr);

    // The rotation stops with the button: later moves leave it alone.
    float after[16];
    std::copy(m, m + 16, after);
    MoveTo(Canvas(), centre + wxPoint(-40, 20));
    EXPECT_TRUE(std::equal(after, after + 16, m));
}

TEST_F(PreviewViewTest, DragEndingOnItsStartLeavesTheRotation)
{
    const wxPoint centre = Centre();
    ShiftDrag({centre});
    EXPECT_TRUE(IsIdentity(preview->m_rotation));
    ShiftDrag({centre, centre + wxPoint(40, 25), centre});
    EXPECT_TRUE(IsIdentity(preview->m_rotation));
}

TEST_F(PreviewViewTest, RightButtonMenuTogglesTheAnimation)
{
    ASSERT_EQ(preview->m_popupMenu.GetMenuItemCount(), 1u);
    EXPECT_EQ(preview->m_popupMenu.FindItemByPosition(0)->GetItemLabel(), "&Toggle Animation");
    EXPECT_EQ(preview->m_popupMenu.FindItemByPosition(0)->GetId(), ID_TOGGLE_ANIMATION);

    // Chooses the menu's item with the keyboard once the menu is up.
    wxTimer choose;
    choose.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        input.Char(WXK_DOWN);
        input.Char(WXK_RETURN);
    });
    const bool before = document->m_bAnimate;
    for (bool expected : {!before, before}) {
        MoveTo(Canvas(), Centre());
        choose.StartOnce(300);
        Press(wxMOUSE_BTN_RIGHT);
        Release(wxMOUSE_BTN_RIGHT);
        EXPECT_TRUE(PumpUntil([&] { return document->m_bAnimate == expected; }, 3000));
    }
}

} // namespace
