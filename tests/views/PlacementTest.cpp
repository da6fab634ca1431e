// Exact placement in the real main frame with real input: the pointer's coordinates in the
// status bar, the position fields of the selection form, Zoom to Fit and the wheel's zoom.
#include <GL/glu.h>
#include <wx/textctrl.h>

#include "forms/CSelectionFormView.h"
#include "forms/DialogTemplates.h"
#include "framework/CCommandProcessor.h"
#include "level/Wall.h"
#include "tests/views/ViewFixture.h"

namespace {

class PlacementTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        edit->m_zoom = 0.2f;
        Redraw();
    }

    // The last pane of the status bar.
    wxString PointerPane() const
    {
        wxStatusBar& bar = *frame->m_wndStatusBar;
        return bar.GetStatusText(bar.GetFieldsCount() - 1);
    }
    wxTextCtrl& Field(int id) const { return *FindControl<wxTextCtrl>(*frame->m_pSelectionFormView->GetWindow(), id); }

    void Type(int id, const char* text)
    {
        Field(id).SetFocus();
        Field(id).SelectAll();
        input.Text(text);
        PumpFor(60);
    }

    Wall* DrawWall()
    {
        Command(ID_MODE_CREATE_WALL);
        MoveToLevel(1.0, 1.0);
        Press();
        MoveToLevel(4.0, 3.0);
        Release();
        return dynamic_cast<Wall*>(document->SelectedNode());
    }
};

TEST_F(PlacementTest, ThePointerPaneShowsTheLevelPointSnappedAsTheModeWouldPlaceIt)
{
    struct Case {
        int command;        // a mode, or the snap switch
        double x, z;        // where the pointer goes
        double shownX, shownZ, within;
    };
    const Case cases[] = {
        {ID_MODE_CREATE_WALL, 2.3, 1.6, 2.0, 2.0, 0.0},      // walls start on the nearest corner
        {ID_MODE_CREATE_WALL, -0.3, -0.2, 0.0, 0.0, 0.0},    // shown without a sign
        {ID_INSERT_SPECIAL_ITEM, -2.3, 1.4, -2.5, 1.5, 0.0}, // items go to the cell's centre
        {ID_GRID_SNAP, -2.3, 1.4, -2.3, 1.4, 0.02},          // snapping off: within a pixel
        {ID_MODE_SELECT, 3.7, -1.4, 3.7, -1.4, 0.02},        // a click selects: nothing snaps
    };
    // The pointer goes first: the command alone brings the pane up to date.
    for (const Case& c : cases) {
        MoveToLevel(c.x, c.z);
        Command(c.command);
        double x = 0.0, z = 0.0;
        ASSERT_EQ(std::sscanf(PointerPane().utf8_str(), "X: %lf Z: %lf", &x, &z), 2) << PointerPane();
        EXPECT_NEAR(x, c.shownX, c.within);
        EXPECT_NEAR(z, c.shownZ, c.within);
        EXPECT_FALSE(PointerPane().Contains("-0.00")) << PointerPane();
    }
    MoveTo(*preview->GetCanvas(), wxPoint(20, 20));
    EXPECT_EQ(PointerPane(), "");
}

TEST_F(PlacementTest, PositionFieldsApplyAsTheyAreLeftEachAsOneUndoStep)
{
    Wall* wall = DrawWall();
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(Field(IDC_POSITION_X).GetValue(), "2.50");
    Type(IDC_SELECTION_WIDTH, "6");
    Type(IDC_POSITION_X, "-3.5");
    Type(IDC_POSITION_Z, "4.25");
    PressKey(WXK_RETURN);
    EXPECT_EQ(wall->Width, 6.0f);
    EXPECT_EQ(wall->x, -3.5f);
    EXPECT_EQ(wall->z, 4.25f);
    EXPECT_EQ(document->GetHistory()->GetCurrentCommand()->GetName(), "Move Wall");

    // Enter gave the keys back to the edit view: Ctrl+Z takes the last field's step back.
    PressKey('Z', wxMOD_CONTROL);
    EXPECT_EQ(wall->x, -3.5f);
    EXPECT_EQ(Field(IDC_POSITION_Z).GetValue(), "2.00") << "the form shows the undone place";

    // Off the 20 x 16 floor: refused with the reason in the status bar, no box; Escape puts the
    // place back, and an untouched place, shown rounded, stays exact.
    wall->x = 2.125f;
    document->UpdateAllViews();
    MessageBoxRecorder boxes;
    Type(IDC_POSITION_Z, "8.5");
    PressKey(WXK_RETURN);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), "Not a valid value for position Z! (valid range: -8.00 to 8.00 units)");
    PressKey(WXK_ESCAPE);
    Type(IDC_ROTATION_ANGLE, "30");
    PressKey(WXK_RETURN);
    EXPECT_EQ(wall->x, 2.125f);
    EXPECT_EQ(wall->z, 2.0f);
    EXPECT_EQ(wall->OrientationAngle, 30.0f);
}

TEST_F(PlacementTest, HomeFitsTheFloorInBothViewsButATextFieldKeepsIt)
{
    edit->m_copX = 30.0f;
    preview->m_zoom = 3.0f;
    const float tilt[16] = {1, 0, 0, 0, 0, 0.6f, -0.8f, 0, 0, 0.8f, 0.6f, 0, 0, 0, 0, 1};
    std::copy(tilt, tilt + 16, preview->m_rotation);
    MoveTo(*edit->GetCanvas(), wxPoint(10, 10));
    edit->GetCanvas()->SetFocus();
    PressKey(WXK_HOME);
    // The pointer pane follows the fitted camera at once, before the pane repaints.
    const wxString fittedAtOnce = PointerPane();
    Redraw();
    MoveTo(*edit->GetCanvas(), wxPoint(11, 10));
    MoveTo(*edit->GetCanvas(), wxPoint(10, 10));
    EXPECT_EQ(fittedAtOnce, PointerPane());
    // Every corner of the 20 x 16 floor shows in the edit view, which the floor nearly fills.
    const wxPoint topLeft = EditPixel(-10.0, -8.0);
    const wxPoint bottomRight = EditPixel(10.0, 8.0);
    const wxSize size = edit->GetCanvas()->GetClientSize();
    EXPECT_TRUE(wxRect(size).Contains(topLeft) && wxRect(size).Contains(bottomRight));
    EXPECT_GT(std::max(double(bottomRight.x - topLeft.x) / size.x, double(bottomRight.y - topLeft.y) / size.y), 0.85);
    // Every corner of the slab inside the turned preview.
    preview->MakeCurrent();
    GLdouble modelview[16], projection[16], x, y, z;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (int corner = 0; corner < 8; ++corner) {
        gluProject(corner & 1 ? 10 : -10, corner & 2 ? 0 : -1, corner & 4 ? 8 : -8, modelview, projection, viewport, &x, &y, &z);
        EXPECT_TRUE(wxRect(0, 0, viewport[2], viewport[3]).Contains(int(x), int(y))) << corner << ": " << x << ", " << y;
    }

    ASSERT_NE(DrawWall(), nullptr);
    const float zoom = edit->m_zoom;
    Field(IDC_POSITION_X).SetFocus();
    Field(IDC_POSITION_X).SetInsertionPointEnd();
    PressKey(WXK_HOME);
    EXPECT_EQ(Field(IDC_POSITION_X).GetInsertionPoint(), 0);
    EXPECT_EQ(edit->m_zoom, zoom);
}

TEST_F(PlacementTest, TheWheelZoomsTheEditViewAboutThePointer)
{
    for (const wxRealPoint& level : {wxRealPoint(3.0, 2.0), wxRealPoint(-2.0, -1.5)}) {
        const wxPoint pixel = EditPixel(level.x, level.y);
        MoveToLevel(level.x, level.y);
        TurnWheel(level.x > 0 ? 1 : -2);
        Redraw();
        const LevelPoint under = edit->UnprojectPoint(pixel.x, pixel.y);
        EXPECT_NEAR(under.x, level.x, 0.1);
        EXPECT_NEAR(under.z, level.y, 0.1);
    }
    EXPECT_NEAR(edit->m_zoom, 0.2f * 1.2f / 1.2f / 1.2f, 0.01);
}

} // namespace
