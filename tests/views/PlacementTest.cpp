// Exact placement in the real main frame with real input: the pointer's coordinates in the
// status bar, the position fields of the selection form, Zoom to Fit and the wheel's zoom.
#include <GL/gl.h>
#include <GL/glu.h>
#include <wx/textctrl.h>

#include "app/CSelectionFormView.h"
#include "app/DialogTemplates.h"
#include "app/FieldText.h"
#include "framework/CCommandProcessor.h"
#include "level/LevelFloor.h"
#include "level/Wall.h"
#include "tests/views/ViewFixture.h"

namespace {

class PlacementTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        if (HasFatalFailure())
            return;
        edit->m_zoom = 0.2f;
        Redraw();
    }

    wxString PointerPane() const
    {
        const wxStatusBar& bar = *frame->m_wndStatusBar;
        return bar.GetStatusText(bar.GetFieldsCount() - 1);
    }

    // The level point that the pane shows.
    std::pair<double, double> PointerPlace() const
    {
        double x = 0.0;
        double z = 0.0;
        EXPECT_EQ(std::sscanf(PointerPane().utf8_str(), "X: %lf Z: %lf", &x, &z), 2) << PointerPane();
        return {x, z};
    }

    // Level units per pixel of the edit view.
    double PixelSize() const { return 2.0 / (edit->m_zoom * edit->GetCanvas()->GetClientSize().y); }

    wxTextCtrl& Field(int id) const { return *FindControl<wxTextCtrl>(*frame->m_pSelectionFormView->GetWindow(), id); }

    // Types over the field's text, as the user would.
    void Type(int id, const char* text)
    {
        Field(id).SetFocus();
        Field(id).SelectAll();
        PumpFor(30);
        input.Text(text);
        PumpFor(30);
    }

    void Key(int code, int modifiers = 0)
    {
        PressKey(code, modifiers);
        PumpFor(80);
    }

    Wall* DrawWall(double x0, double z0, double x1, double z1)
    {
        Command(ID_MODE_CREATE_WALL);
        MoveToLevel(x0, z0);
        Press();
        MoveToLevel(x1, z1);
        Release();
        Command(ID_MODE_SELECT);
        return dynamic_cast<Wall*>(LevelGroup().GetChild(static_cast<unsigned>(LevelGroup().ChildCount() - 1)));
    }

    // Where level point (x, y, z) shows in the preview, from the matrices of its last frame,
    // in client pixels counted from the bottom.
    wxRealPoint PreviewPixel(double x, double y, double z)
    {
        preview->MakeCurrent();
        GLdouble modelview[16];
        GLdouble projection[16];
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        GLdouble px = 0, py = 0, pz = 0;
        gluProject(x, y, z, modelview, projection, viewport, &px, &py, &pz);
        return wxRealPoint(px, py);
    }
};

TEST_F(PlacementTest, ThePointerPaneShowsTheLevelPointSnappedAsTheModeWouldPlaceIt)
{
    struct Case {
        int command; // sets the mode or switches snapping
        double x, z; // where the pointer goes
        double shownX, shownZ;
        bool exact; // a snapped value; otherwise the point within a pixel
    };
    const Case cases[] = {
        {ID_MODE_SELECT, 2.3, 1.4, 2.3, 1.4, false},         // a click selects: nothing snaps
        {ID_MODE_CREATE_WALL, 2.3, 1.6, 2.0, 2.0, true},     // walls start on the nearest corner
        {ID_INSERT_SPECIAL_ITEM, -2.3, 1.4, -2.5, 1.5, true}, // items go to the cell's centre
        {ID_GRID_SNAP, -2.3, 1.4, -2.3, 1.4, false},         // snapping off
    };
    for (const Case& c : cases) {
        Command(c.command);
        MoveToLevel(c.x, c.z);
        const auto [x, z] = PointerPlace();
        const double tolerance = c.exact ? 1e-9 : PixelSize();
        EXPECT_NEAR(x, c.shownX, tolerance) << PointerPane();
        EXPECT_NEAR(z, c.shownZ, tolerance) << PointerPane();
    }
    MoveTo(*preview->GetCanvas(), wxPoint(20, 20));
    EXPECT_EQ(PointerPane(), "");
}

TEST_F(PlacementTest, PositionFieldsApplyWithTheOtherFieldsAsOneUndoStep)
{
    Wall* wall = DrawWall(1.0, 1.0, 4.0, 3.0);
    ASSERT_NE(wall, nullptr);
    ASSERT_EQ(document->m_pSelection, wall);
    const float x = wall->x;
    const float z = wall->z;
    const float width = wall->Width;
    EXPECT_EQ(Field(IDC_POSITION_X).GetValue(), FormatFloat("%4.2f", x));
    EXPECT_EQ(Field(IDC_POSITION_Z).GetValue(), FormatFloat("%4.2f", z));

    Type(IDC_SELECTION_WIDTH, "6");
    Type(IDC_POSITION_X, "-3.5");
    Type(IDC_POSITION_Z, "4.25");
    Key(WXK_RETURN);
    EXPECT_EQ(wall->Width, 6.0f);
    EXPECT_EQ(wall->x, -3.5f);
    EXPECT_EQ(wall->z, 4.25f);

    edit->GetCanvas()->SetFocus();
    Key('Z', wxMOD_CONTROL);
    EXPECT_EQ(wall->Width, width);
    EXPECT_EQ(wall->x, x);
    EXPECT_EQ(wall->z, z);
    EXPECT_EQ(Field(IDC_POSITION_X).GetValue(), FormatFloat("%4.2f", x)) << "the form shows the undone place";
    EXPECT_EQ(document->GetHistory()->GetCurrentCommand()->GetName(), "Create Wall") << "one step for all the fields";
    Key('Y', wxMOD_CONTROL);
    EXPECT_EQ(wall->x, -3.5f);
    EXPECT_EQ(Field(IDC_POSITION_Z).GetValue(), "4.25");
}

TEST_F(PlacementTest, APlaceOffTheFloorIsRefusedAndAnUntouchedPlaceIsKeptExactly)
{
    Wall* wall = DrawWall(1.0, 1.0, 4.0, 3.0);
    ASSERT_NE(wall, nullptr);
    wall->x = 2.125f; // the form shows "2.13"
    document->UpdateAllViews();
    PumpFor(30);
    MessageBoxRecorder boxes;
    Type(IDC_POSITION_Z, "8.5"); // the default floor is 20 x 16
    Type(IDC_ROTATION_ANGLE, "30");
    Key(WXK_RETURN);
    EXPECT_EQ(boxes.Texts(), std::vector<wxString>{"Not a valid value for position Z! (valid range: -8.00 to 8.00 units)"});
    EXPECT_EQ(wall->x, 2.125f);
    EXPECT_EQ(wall->z, 2.0f);
    EXPECT_EQ(wall->OrientationAngle, 30.0f);
    EXPECT_EQ(wxWindow::FindFocus(), &Field(IDC_POSITION_Z)) << "the refused field is ready to be typed over";
}

TEST_F(PlacementTest, HomeFitsTheFloorInBothViewsButATextFieldKeepsIt)
{
    const LevelFloor& floor = *document->m_pScene->m_pFloor;
    const double halfX = floor.Width / 2.0;
    const double halfZ = floor.Heigth / 2.0;
    edit->m_copX = 30.0f;
    preview->m_zoom = 3.0f;
    Redraw();

    MoveTo(*edit->GetCanvas(), wxPoint(10, 10));
    edit->GetCanvas()->SetFocus();
    Key(WXK_HOME);
    Redraw();
    // The edit view: every corner shows, and the tighter side nearly fills the view.
    const wxSize size = edit->GetCanvas()->GetClientSize();
    const wxPoint topLeft = EditPixel(-halfX, -halfZ);
    const wxPoint bottomRight = EditPixel(halfX, halfZ);
    EXPECT_TRUE(wxRect(size).Contains(topLeft)) << topLeft.x << ", " << topLeft.y;
    EXPECT_TRUE(wxRect(size).Contains(bottomRight)) << bottomRight.x << ", " << bottomRight.y;
    EXPECT_GT(std::max(double(bottomRight.x - topLeft.x) / size.x, double(bottomRight.y - topLeft.y) / size.y), 0.85);
    // The preview: every corner of the floor slab inside its view.
    const wxSize previewSize = preview->GetCanvas()->GetClientSize();
    for (const double x : {-halfX, halfX})
        for (const double y : {-1.0, 0.0})
            for (const double z : {-halfZ, halfZ}) {
                const wxRealPoint p = PreviewPixel(x, y, z);
                EXPECT_TRUE(p.x >= 0 && p.x <= previewSize.x && p.y >= 0 && p.y <= previewSize.y)
                    << x << ", " << y << ", " << z << " at " << p.x << ", " << p.y;
            }

    // In a text field Home moves the insertion point, and the views stay as they are.
    Wall* wall = DrawWall(1.0, 1.0, 4.0, 3.0);
    ASSERT_NE(wall, nullptr);
    const float zoom = edit->m_zoom;
    edit->m_zoom = zoom * 2.0f;
    Field(IDC_POSITION_X).SetFocus();
    Field(IDC_POSITION_X).SetInsertionPointEnd();
    Key(WXK_HOME);
    EXPECT_EQ(Field(IDC_POSITION_X).GetInsertionPoint(), 0);
    EXPECT_EQ(edit->m_zoom, zoom * 2.0f);
}

TEST_F(PlacementTest, TheWheelZoomsTheEditViewAboutThePointer)
{
    struct Case {
        double x, z;
        int notches;
    };
    const Case cases[] = {{3.0, 2.0, 1}, {-2.0, -1.5, 1}, {1.0, -1.0, -2}};
    for (const Case& c : cases) {
        const wxPoint pixel = EditPixel(c.x, c.z);
        ASSERT_TRUE(wxRect(edit->GetCanvas()->GetClientSize()).Contains(pixel)) << c.x << ", " << c.z;
        MoveToLevel(c.x, c.z);
        const LevelPoint before = edit->UnprojectPoint(pixel.x, pixel.y);
        const float zoom = edit->m_zoom;
        TurnWheel(c.notches);
        PumpFor(60);
        Redraw();
        EXPECT_NE(edit->m_zoom, zoom);
        const LevelPoint after = edit->UnprojectPoint(pixel.x, pixel.y);
        EXPECT_NEAR(after.x, before.x, 1e-3) << c.x << ", " << c.z;
        EXPECT_NEAR(after.z, before.z, 1e-3) << c.x << ", " << c.z;
    }
}

} // namespace
