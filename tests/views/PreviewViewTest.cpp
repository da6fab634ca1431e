// The preview in the real main frame, driven by real mouse input.
#include <algorithm>
#include <array>
#include <cmath>

#include <wx/timer.h>

#include <GL/gl.h>
#include <GL/glu.h>

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

    // A drag with `button` through the given client points.
    void Drag(const std::vector<wxPoint>& points, int button = wxMOUSE_BTN_LEFT)
    {
        MoveTo(Canvas(), points.front());
        Press(button);
        for (std::size_t i = 1; i < points.size(); ++i)
            MoveTo(Canvas(), points[i]);
        Release(button);
    }

    // The matrices of the preview's last frame.
    struct Frame {
        GLdouble modelview[16], projection[16];
        GLint viewport[4];
    };
    Frame LastFrame()
    {
        Redraw();
        Frame f{};
        EXPECT_TRUE(preview->MakeCurrent());
        glGetDoublev(GL_MODELVIEW_MATRIX, f.modelview);
        glGetDoublev(GL_PROJECTION_MATRIX, f.projection);
        glGetIntegerv(GL_VIEWPORT, f.viewport);
        return f;
    }
    // Where the last frame shows a level point, in client coordinates (pixel centres at .5).
    wxRealPoint ShownAt(const Frame& f, double x, double y, double z)
    {
        GLdouble px, py, pz;
        gluProject(x, y, z, f.modelview, f.projection, f.viewport, &px, &py, &pz);
        return wxRealPoint(px, f.viewport[3] - py);
    }
    // The point of the floor's top plane that the client pixel shows.
    std::array<double, 3> FloorUnder(const Frame& f, const wxPoint& pixel)
    {
        double ray[2][3];
        for (int end = 0; end < 2; ++end)
            gluUnProject(pixel.x + 0.5, f.viewport[3] - pixel.y - 0.5, end, f.modelview, f.projection, f.viewport,
                         &ray[end][0], &ray[end][1], &ray[end][2]);
        const double t = ray[0][1] / (ray[0][1] - ray[1][1]);
        return {ray[0][0] + t * (ray[1][0] - ray[0][0]), 0.0, ray[0][2] + t * (ray[1][2] - ray[0][2])};
    }
    static double Distance(const wxRealPoint& a, const wxRealPoint& b) { return std::hypot(a.x - b.x, a.y - b.y); }

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

    // A press that moves turns the level instead: the selection stays and nothing moves.
    Press();
    MoveTo(Canvas(), Centre() + wxPoint(50, 0));
    Release();
    EXPECT_EQ(document->SelectedNode(), wall);
    EXPECT_FLOAT_EQ(wall->x, 0.0f);
    EXPECT_FALSE(IsIdentity(preview->Navigation().Rotation()));
    EXPECT_FALSE(Canvas().HasCapture());
}

TEST_F(PreviewViewTest, ShiftDragToTheRightTurnsAboutTheVerticalAxis)
{
    const wxPoint centre = Centre();
    ShiftDrag({centre, centre + wxPoint(30, 0), centre + wxPoint(60, 0)});
    // Up to the half pixel by which the centre pixel misses the middle of the window.
    const float* m = preview->Navigation().Rotation();
    EXPECT_NEAR(m[5], 1.0f, 1e-4f);
    EXPECT_NEAR(m[1], 0.0f, 5e-3f);
    EXPECT_NEAR(m[9], 0.0f, 5e-3f);
    EXPECT_GT(m[2], 0.1f); // the front of the level swings to the right
    EXPECT_FALSE(preview->IsTurning());
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
    EXPECT_TRUE(IsIdentity(preview->Navigation().Rotation()));
    ShiftDrag({centre, centre + wxPoint(40, 25), centre});
    EXPECT_TRUE(IsIdentity(preview->Navigation().Rotation()));
}

TEST_F(PreviewViewTest, PlainDragTurnsAboutTheLevelsCentreAndSelectsNothing)
{
    const wxPoint centre = Centre();
    const wxRealPoint before = ShownAt(LastFrame(), 0, 0, 0);
    Drag({centre, centre + wxPoint(30, 0), centre + wxPoint(60, 0)});
    const float* m = preview->Navigation().Rotation();
    EXPECT_GT(m[2], 0.1f);
    EXPECT_NEAR(m[5], 1.0f, 1e-4f);
    EXPECT_EQ(document->SelectedNode(), nullptr);
    EXPECT_FALSE(preview->IsTurning());
    EXPECT_FALSE(Canvas().HasCapture());
    // The level turns about its centre, which stays where it was on the screen.
    EXPECT_LT(Distance(ShownAt(LastFrame(), 0, 0, 0), before), 0.5);
}

TEST_F(PreviewViewTest, MiddleDragPansTheLevelWithThePointer)
{
    const wxPoint centre = Centre();
    const Frame before = LastFrame();
    const wxRealPoint shown = ShownAt(before, 0, 0, 0);
    Drag({centre, centre + wxPoint(20, 10), centre + wxPoint(70, -30)}, wxMOUSE_BTN_MIDDLE);
    EXPECT_FALSE(preview->IsPanning());
    EXPECT_FALSE(Canvas().HasCapture());
    EXPECT_EQ(document->SelectedNode(), nullptr);
    EXPECT_TRUE(IsIdentity(preview->Navigation().Rotation()));
    const wxRealPoint moved = ShownAt(LastFrame(), 0, 0, 0);
    EXPECT_NEAR(moved.x - shown.x, 70.0, 1.0);
    EXPECT_NEAR(moved.y - shown.y, -30.0, 1.0);
}

TEST_F(PreviewViewTest, WheelZoomsTowardTheFloorUnderThePointer)
{
    const wxSize size = Canvas().GetClientSize();
    // Off the centre, in and out, turned and not.
    Drag({Centre(), Centre() + wxPoint(25, 15)});
    for (const wxPoint& pointer : {wxPoint(size.x / 3, size.y * 2 / 3), wxPoint(size.x * 3 / 4, size.y / 2)}) {
        for (const int notches : {2, -1}) {
            const Frame before = LastFrame();
            const std::array<double, 3> under = FloorUnder(before, pointer);
            const float zoom = preview->m_zoom;
            MoveTo(Canvas(), pointer);
            TurnWheel(notches);
            EXPECT_NE(preview->m_zoom, zoom);
            const wxRealPoint shown = ShownAt(LastFrame(), under[0], under[1], under[2]);
            EXPECT_LT(Distance(shown, wxRealPoint(pointer.x + 0.5, pointer.y + 0.5)), 1.0)
                << "pointer " << pointer.x << ", " << pointer.y << ", notches " << notches;
        }
    }
}

TEST_F(PreviewViewTest, FFramesTheSelectionOrTheLevelAndHomeGoesBack)
{
    auto* wall = new Wall(-7.0f, 5.0f, 2.0f, 1.0f);
    LevelGroup().AppendChild(wall);
    document->SetSelection(wall);
    document->UpdateAllViews(nullptr);
    Canvas().SetFocus();
    PumpFor(60);
    PressKey('F');
    const Frame framed = LastFrame();
    const wxRealPoint middle(framed.viewport[2] / 2.0, framed.viewport[3] / 2.0);
    EXPECT_LT(Distance(ShownAt(framed, -7.0, 0.5, 5.0), middle), 1.0);
    // The wall shows whole and large.
    double lowX = 1e9, highX = -1e9;
    for (int corner = 0; corner < 8; ++corner) {
        const wxRealPoint p = ShownAt(framed, -7.0 + (corner & 1 ? 1.0 : -1.0), corner & 2 ? 1.0 : 0.0, 5.0 + (corner & 4 ? 0.5 : -0.5));
        EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= framed.viewport[2] && p.y <= framed.viewport[3]) << corner;
        lowX = std::min(lowX, p.x);
        highX = std::max(highX, p.x);
    }
    EXPECT_GT(highX - lowX, std::min(framed.viewport[2], framed.viewport[3]) / 4.0);

    // Without a selection F shows the whole floor, centred.
    document->SetSelection(nullptr);
    PressKey('F');
    const Frame level = LastFrame();
    EXPECT_LT(Distance(ShownAt(level, 0, 0, 0), middle), 1.0);
    for (int corner = 0; corner < 4; ++corner) {
        const wxRealPoint p = ShownAt(level, corner & 1 ? 10 : -10, 0, corner & 2 ? 8 : -8);
        EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= level.viewport[2] && p.y <= level.viewport[3]) << corner;
    }

    // Home takes back the turn and the pan.
    Drag({Centre(), Centre() + wxPoint(40, 20)});
    Drag({Centre(), Centre() + wxPoint(30, 30)}, wxMOUSE_BTN_MIDDLE);
    Canvas().SetFocus();
    PressKey(WXK_HOME);
    EXPECT_TRUE(IsIdentity(preview->Navigation().Rotation()));
    EXPECT_LT(Distance(ShownAt(LastFrame(), 0, 0, 0), middle), 1.0);
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
