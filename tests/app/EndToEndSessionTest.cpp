// A whole editing session with real mouse and keyboard input, from a new level to the saved
// file: mode changes from the tool bar and the menus, a wall drawn and an item placed in the
// edit view, the start marker turned and dragged, the sky box, the level settings and the
// item type set in the forms, then File > Save. The file must match the expected one byte
// for byte.
#include <cmath>
#include <optional>

#include <wx/combobox.h>
#include <wx/filename.h>
#include <wx/stattext.h>

#include "forms/StepButton.h"
#include "framework/CCommandProcessor.h"
#include "level/Item.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"
#include "tests/forms/FormFixture.h"
#include "tests/views/ViewFixture.h"

namespace {

const std::string EXPECTED_FILE =
    TRELKAN_SOURCE_DIR "/tests/fixtures/levels/expected/end_to_end_session.xml";

// Whether every opaque pixel of `icon` stands at (left, top) of `picture`.
bool IconAt(const wxImage& picture, const wxImage& icon, int left, int top)
{
    for (int y = 0; y < icon.GetHeight(); ++y)
        for (int x = 0; x < icon.GetWidth(); ++x) {
            if (icon.IsTransparent(x, y))
                continue;
            if (picture.GetRed(left + x, top + y) != icon.GetRed(x, y) ||
                picture.GetGreen(left + x, top + y) != icon.GetGreen(x, y) ||
                picture.GetBlue(left + x, top + y) != icon.GetBlue(x, y))
                return false;
        }
    return true;
}

// Where the tool bar shows the icon of tool `id`, in the bar's client coordinates: the toolkit
// tells no tool positions, so the icon is looked up in a picture of the bar.
std::optional<wxPoint> ToolCentre(wxToolBar& bar, int id)
{
    const wxImage icon = bar.FindById(id)->GetNormalBitmap().ConvertToImage();
    const wxImage picture = ScreenPicture(bar.GetScreenRect());
    for (int top = 0; top + icon.GetHeight() <= picture.GetHeight(); ++top)
        for (int left = 0; left + icon.GetWidth() <= picture.GetWidth(); ++left)
            if (IconAt(picture, icon, left, top)) {
                const wxPoint onScreen(bar.GetScreenRect().GetLeft() + left + icon.GetWidth() / 2,
                                       bar.GetScreenRect().GetTop() + top + icon.GetHeight() / 2);
                return bar.ScreenToClient(onScreen);
            }
    return std::nullopt;
}

class EndToEndSessionTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        if (HasFatalFailure())
            return;
        edit = frame->m_pEditView;
        ASSERT_TRUE(WaitUntilShown(*edit->GetCanvas()));
        ASSERT_TRUE(WaitUntilShown(*frame->m_p3DView->GetCanvas()));
        RedrawGLPanes(*frame);
    }

    // A click on a tool bar button, as the user gives it; the status text that the pointer
    // on the button shows is kept in `toolPrompt`.
    void ClickTool(int id)
    {
        wxToolBar& bar = *frame->GetToolBar();
        const std::optional<wxPoint> centre = ToolCentre(bar, id);
        ASSERT_TRUE(centre.has_value()) << "tool " << id << " is not on the screen";
        m_input.MouseMove(bar.ClientToScreen(*centre));
        PumpFor(100);
        toolPrompt = Status();
        ClickAt(bar, *centre);
        Settle();
    }

    // Opens menu `menu` of the menu bar with the keyboard (Alt+F, then to the right) and
    // chooses its item `item` (counting enabled items only, from 0).
    void ChooseMenuItem(int menu, int item)
    {
        PressKey('F', wxMOD_ALT);
        PumpFor(100);
        for (int i = 0; i < menu; ++i)
            PressKey(WXK_RIGHT);
        for (int i = 0; i < item; ++i)
            PressKey(WXK_DOWN);
        PressKey(WXK_RETURN);
        Settle();
    }

    // Real pointer input in the edit view, at level point (x, z).
    void MoveToLevel(double x, double z)
    {
        m_input.MouseMove(edit->GetCanvas()->ClientToScreen(EditViewPixel(*edit, x, z)));
        PumpFor(60);
    }
    void ClickLevel(double x, double z)
    {
        MoveToLevel(x, z);
        Press();
        Release();
    }
    void Press()
    {
        m_input.MouseDown();
        PumpFor(60);
    }
    void Release()
    {
        m_input.MouseUp();
        PumpFor(60);
        RedrawGLPanes(*frame);
    }

    wxString Status() const { return frame->m_wndStatusBar->GetStatusText(0); }
    wxString KindLabel()
    {
        return FindControl<wxStaticText>(SelectionForm(), IDC_SELECTION_KIND)->GetLabel();
    }

    CEditGLView* edit = nullptr;
    wxString toolPrompt;
};

TEST_F(EndToEndSessionTest, EditingSessionSavesTheLevelItImplies)
{
    MessageBoxRecorder boxes;

    // A wall from corner (-6, -5) to corner (-2, -4): each point aimed a little off the
    // corner, which snapping takes it to.
    ClickTool(ID_MODE_CREATE_WALL);
    ASSERT_EQ(edit->m_mode, CEditGLView::MODE_CREATE_WALL);
    EXPECT_EQ(toolPrompt, "Enable wall creation mode");
    EXPECT_TRUE(frame->GetToolBar()->GetToolState(ID_MODE_CREATE_WALL));
    EXPECT_TRUE(frame->GetToolBar()->GetToolEnabled(ID_MODE_SELECT));
    MoveToLevel(-6.2, -4.9);
    Press();
    EXPECT_EQ(Status(), "New wall from (-6, -5)");
    MoveToLevel(-1.9, -4.2);
    Release();
    auto* wall = dynamic_cast<Wall*>(document->SelectedNode());
    ASSERT_NE(wall, nullptr);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(KindLabel(), "Wall");
    EXPECT_EQ(Text(SelectionForm(), IDC_SELECTION_WIDTH), "4.00");
    EXPECT_EQ(Text(SelectionForm(), IDC_SELECTION_DEPTH), "1.00");

    // Turned in the selection form.
    Type(SelectionForm(), IDC_ROTATION_ANGLE, "-30");
    Click(SelectionForm(), IDC_APPLY);
    EXPECT_EQ(wall->OrientationAngle, -30.0f);
    EXPECT_EQ(Text(SelectionForm(), IDC_ROTATION_ANGLE), "-30.00");

    // The start marker: selected by a click on its cone, turned by 405 degrees (one whole turn
    // and 45), then dragged by (1.3, -2.2), which moves it by whole grid steps to (1, -2).
    ClickTool(ID_MODE_SELECT);
    ASSERT_EQ(edit->m_mode, CEditGLView::MODE_SELECT);
    EXPECT_EQ(toolPrompt, "Enable item insertion mode"); // the select tool's prompt as it stands
    StartPositionNode& marker = *document->m_pStartMarker;
    ClickLevel(0.0, -0.5);
    ASSERT_EQ(document->SelectedNode(), &marker);
    EXPECT_EQ(Status(), "Start position at (0, 0)");
    EXPECT_EQ(KindLabel(), "Start position");
    Type(SelectionForm(), IDC_ROTATION_ANGLE, "405");
    Click(SelectionForm(), IDC_APPLY);
    EXPECT_EQ(Text(SelectionForm(), IDC_ROTATION_ANGLE), "45.00");

    // The marker's cone points against its heading: half a unit along its axis is on it.
    const double heading = marker.angle * M_PI / 180.0;
    const double onConeX = -0.5 * std::sin(heading);
    const double onConeZ = -0.5 * std::cos(heading);
    MoveToLevel(onConeX, onConeZ);
    Press();
    ASSERT_EQ(edit->RunningGesture(), EditGesture::Kind::Drag);
    EXPECT_EQ(Status(), "Dragging...");
    MoveToLevel(onConeX + 1.3, onConeZ - 2.2);
    Release();
    EXPECT_EQ(Status(), "Moved 1 object");
    EXPECT_NEAR(marker.x, 1.0, 1e-5);
    EXPECT_NEAR(marker.z, -2.0, 1e-5);

    // An item from the Insert menu, placed in the middle of grid cell (5..6, 3..4).
    ChooseMenuItem(3, 0);
    ASSERT_EQ(edit->m_mode, CEditGLView::MODE_INSERT_ITEM);
    EXPECT_FALSE(frame->GetToolBar()->GetToolEnabled(ID_INSERT_SPECIAL_ITEM));
    ClickLevel(5.5, 3.5);
    Settle();
    EXPECT_EQ(Status(), "Inserted Item \"Extra life\" at (5.5, 3.5)");
    EXPECT_EQ(edit->m_mode, CEditGLView::MODE_SELECT);
    EXPECT_TRUE(frame->GetToolBar()->GetToolEnabled(ID_INSERT_SPECIAL_ITEM));
    auto* item = dynamic_cast<Item*>(document->SelectedNode());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(KindLabel(), "Extra life");
    EXPECT_EQ(Text(SelectionForm(), IDC_RESPAWN_TIME), "20.00");

    // The type from the drop-down list (the third entry), then a longer respawn time.
    wxComboBox& types = *FindControl<wxComboBox>(SelectionForm(), IDC_ITEM_TYPE);
    ClickAt(types, wxPoint(types.GetClientSize().x - 8, types.GetClientSize().y / 2));
    PumpFor(300);
    PressKey(WXK_DOWN);
    PressKey(WXK_DOWN);
    PressKey(WXK_RETURN);
    Settle();
    EXPECT_EQ(item->ItemTypeID, ITEM_DECREASE_LENGTH);
    EXPECT_EQ(KindLabel(), "Shorter snake");
    EXPECT_EQ(Text(SelectionForm(), IDC_AMOUNT), "0.50");
    Type(SelectionForm(), IDC_RESPAWN_TIME, "35");
    Click(SelectionForm(), IDC_APPLY);
    EXPECT_EQ(Text(SelectionForm(), IDC_RESPAWN_TIME), "35.00");

    // The sky box and the level settings.
    Click(LevelForm(), IDC_USE_CUBEMAP);
    ASSERT_NE(Scene().m_pCubeMap, nullptr);
    Type(LevelForm(), IDC_LEVEL_WIDTH, "30");
    Type(LevelForm(), IDC_LEVEL_HEIGHT, "12");
    Type(LevelForm(), IDC_NORMAL_ITEMS, "4");
    Click(LevelForm(), IDC_APPLY);
    EXPECT_EQ(Text(LevelForm(), IDC_LEVEL_WIDTH), "30");
    EXPECT_TRUE(boxes.shown.empty());

    // File > Save asks for a name, since the level has none yet.
    TempFolder folder;
    FileDialogAnswerer dialogs;
    dialogs.answers = {wxString(folder.File("session.xml"))};
    ChooseMenuItem(0, 2);
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(dialogs.requests[0].save);
    EXPECT_EQ(dialogs.requests[0].filter, "Level Map Files (*.xml)|*.xml");
    EXPECT_EQ(frame->GetTitle(), "session.xml - Trelkan");
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(ReadWholeFile(folder.File("session.xml")), ReadWholeFile(EXPECTED_FILE));
}

// A day's edits on the sample level, one of every kind, with real input: undone to the end
// they save the file it was opened from; redone, the file they saved before.
TEST_F(EndToEndSessionTest, EveryKindOfChangeUndoesToTheOpenedFileAndRedoesToTheEditedOne)
{
    TempFolder folder;
    const std::string level = folder.File("sample.xml");
    const std::string original = ReadWholeFile("../data/Levels/sample.xml");
    WriteWholeFile(level, original);
    ASSERT_TRUE(manager->OpenDocumentFile(level));
    RedrawGLPanes(*frame);
    MessageBoxRecorder boxes;
    FileDialogAnswerer dialogs;
    const wxString data = wxFileName::DirName("../data").GetAbsolutePath();
    const auto keyInEditView = [&](int key, int modifiers = 0) {
        MoveToLevel(0.5, 8.5); // the keys go where the pointer is, with no window manager
        edit->GetCanvas()->SetFocus();
        PumpFor(30);
        PressKey(key, modifiers);
        Settle();
        RedrawGLPanes(*frame);
    };
    int steps = 0;

    ClickTool(ID_MODE_CREATE_WALL); // a new wall, turned in the form
    MoveToLevel(-10.2, -7.9);
    Press();
    MoveToLevel(-7.9, -7.2);
    Release();
    Type(SelectionForm(), IDC_ROTATION_ANGLE, "15");
    Click(SelectionForm(), IDC_APPLY);
    dialogs.answers = {data + "/Textures/Walls/brick.jpg"};
    Click(SelectionForm(), IDC_SELECTION_TEXTURE_BROWSE);
    Click(SelectionForm(), IDC_TEXTURE_PROPERTIES); // two clicks on one dialog: one step
    ASSERT_EQ(TextureDialogs().size(), 1u);
    CTexturePropertiesDgl& dialog = *TextureDialogs()[0];
    for (int click = 0; click < 2; ++click) {
        StepButton& spin = *FindControl<StepButton>(dialog, IDC_TEX_SCALE_X_SPIN);
        ClickAt(spin, wxPoint(spin.GetClientSize().x / 2, spin.GetClientSize().y / 4));
        wxMilliSleep(50);
    }
    ClickAt(*dialog.FindWindow(IDC_OK), wxPoint(5, 5));
    Settle();
    steps += 4;

    ClickTool(ID_MODE_SELECT); // a wall dragged two steps, then one more with an arrow key
    ClickLevel(-1.0, -3.0);
    Press();
    MoveToLevel(-1.0, -1.0);
    Release();
    keyInEditView(WXK_RIGHT);
    ClickLevel(6.0, 2.0); // a wall deleted
    keyInEditView(WXK_DELETE);
    ClickLevel(-8.0, 6.0); // a wall cut and pasted elsewhere
    keyInEditView('X', wxMOD_CONTROL);
    MoveToLevel(3.0, -6.0);
    PressKey('V', wxMOD_CONTROL);
    Settle();
    steps += 5;

    ChooseMenuItem(3, 0); // an item inserted, its type changed
    ClickLevel(8.5, -7.5);
    Settle();
    wxComboBox& types = *FindControl<wxComboBox>(SelectionForm(), IDC_ITEM_TYPE);
    ClickAt(types, wxPoint(types.GetClientSize().x - 8, types.GetClientSize().y / 2));
    PumpFor(300);
    PressKey(WXK_DOWN);
    PressKey(WXK_RETURN);
    Settle();
    steps += 2;

    Type(LevelForm(), IDC_NORMAL_ITEMS, "5"); // the level's settings, sky box image and switch
    Click(LevelForm(), IDC_APPLY);
    for (const char* face : {"negx", "posx", "negy", "posy", "negz", "posz"})
        WriteWholeFile(folder.File(std::string("sky_") + face + ".png"),
                       ReadWholeFile(std::string("../data/CubeMaps/Special/default_") + face + ".png"));
    dialogs.answers = {wxString(folder.File("sky_negx.png"))};
    Click(LevelForm(), IDC_CUBEMAP_BROWSE);
    dialogs.answers = {data + "/Textures/Floors/stone.jpg"};
    Click(LevelForm(), IDC_FLOOR_TEXTURE_BROWSE);
    Click(LevelForm(), IDC_USE_CUBEMAP);
    steps += 4;

    EXPECT_EQ(frame->GetTitle(), "*sample.xml - Trelkan");
    EXPECT_TRUE(boxes.shown.empty()) << boxes.shown[0].text;
    keyInEditView('S', wxMOD_CONTROL);
    const std::string edited = ReadWholeFile(level);
    ASSERT_NE(edited, original);
    EXPECT_EQ(frame->GetTitle(), "sample.xml - Trelkan");

    int undone = 0;
    for (; document->GetHistory()->CanUndo() && undone <= steps; ++undone)
        keyInEditView('Z', wxMOD_CONTROL);
    EXPECT_EQ(undone, steps);
    keyInEditView('S', wxMOD_CONTROL);
    EXPECT_EQ(ReadWholeFile(level), original);

    for (int redone = 0; redone < steps; ++redone)
        keyInEditView(redone % 2 ? 'Y' : 'Z', redone % 2 ? wxMOD_CONTROL : wxMOD_CONTROL | wxMOD_SHIFT);
    EXPECT_FALSE(document->GetHistory()->CanRedo());
    EXPECT_EQ(frame->GetTitle(), "*sample.xml - Trelkan") << "the file holds the undone level now";
    keyInEditView('S', wxMOD_CONTROL);
    EXPECT_EQ(ReadWholeFile(level), edited);

    // Quitting after a drag asks to save it.
    ClickLevel(-1.0, -1.0);
    Press();
    MoveToLevel(-1.0, 1.0);
    Release();
    boxes.answers = {wxCANCEL};
    EXPECT_FALSE(frame->Close());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.StartsWith("Save changes to ")) << boxes.shown[0].text;
}

} // namespace
