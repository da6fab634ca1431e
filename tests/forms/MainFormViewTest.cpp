// The level properties form: display, Apply with its validations, floor texture, sky box.
#include <algorithm>
#include <unistd.h>

#include <wx/filefn.h>

#include "level/CICubeMapNode.h"
#include "level/GameSettingsNode.h"
#include "level/LevelFloor.h"
#include "tests/forms/FormFixture.h"

namespace {

class LevelFormTest : public FormTest {
protected:
    void Apply() { Click(LevelForm(), IDC_APPLY); }
    wxString Field(int id) { return Text(LevelForm(), id); }
    GameSettingsNode& Settings() { return *Scene().m_pGameSettings; }
    LevelFloor& Floor() { return *Scene().m_pFloor; }
};

const wxString WIDTH_MESSAGE = "Not a valid value for level width! (valid range: 5-99 units)";
const wxString HEIGHT_MESSAGE = "Not a valid value for level height! (valid range: 5-99 units)";
const wxString ITEMS_MESSAGE = "Not a valid value for normal items number! (valid range: 1-10)";
const wxString ANGLE_MESSAGE =
    "Not a valid value for snake turning angle! (valid range: 20-90 degrees)";
const wxString LENGTH_MESSAGE =
    "Not a valid value for snake initial length! (valid range: 8-20 units)";
const wxString VELOCITY_MESSAGE =
    "Not a valid value for snake initial velocity! (valid range: 2-5 units/sec)";

TEST_F(LevelFormTest, ShowsTheNewLevel)
{
    EXPECT_EQ(Field(IDC_LEVEL_WIDTH), "20");
    EXPECT_EQ(Field(IDC_LEVEL_HEIGHT), "16");
    EXPECT_EQ(Field(IDC_FLOOR_TEXTURE_PATH), "../data/Textures/Special/notex.tga");
    EXPECT_EQ(Field(IDC_NORMAL_ITEMS), "1");
    EXPECT_EQ(Field(IDC_TURNING_ANGLE), "90.00");
    EXPECT_EQ(Field(IDC_INITIAL_LENGTH), "8.00");
    EXPECT_EQ(Field(IDC_INITIAL_VELOCITY), "2.00");
    EXPECT_FALSE(FindControl<wxCheckBox>(LevelForm(), IDC_USE_CUBEMAP)->GetValue());
    EXPECT_EQ(Field(IDC_CUBEMAP_BASE), "");
    EXPECT_FALSE(Enabled(LevelForm(), IDC_CUBEMAP_BASE));
    EXPECT_FALSE(Enabled(LevelForm(), IDC_CUBEMAP_BROWSE));
}

TEST_F(LevelFormTest, SixInvalidFieldsGiveSixMessagesInOrderAndKeepTheStoredValues)
{
    MessageBoxRecorder boxes;
    Type(LevelForm(), IDC_LEVEL_WIDTH, "4");
    Type(LevelForm(), IDC_LEVEL_HEIGHT, "100");
    Type(LevelForm(), IDC_NORMAL_ITEMS, "0");
    Type(LevelForm(), IDC_TURNING_ANGLE, "90.01");
    Type(LevelForm(), IDC_INITIAL_LENGTH, "inf");
    Type(LevelForm(), IDC_INITIAL_VELOCITY, "");
    Apply();
    const std::vector<wxString> expected = {WIDTH_MESSAGE, HEIGHT_MESSAGE,
                                            ITEMS_MESSAGE, ANGLE_MESSAGE, LENGTH_MESSAGE,
                                            VELOCITY_MESSAGE};
    EXPECT_EQ(boxes.Texts(), expected);
    EXPECT_TRUE(boxes.shown.front().style & wxOK);
    EXPECT_EQ(Floor().Width, 20);
    EXPECT_EQ(Floor().Heigth, 16);
    EXPECT_EQ(Settings().NormalItemsNumber, 1);
    EXPECT_FLOAT_EQ(Settings().SnakeTurningAngle, 90.0f);
    EXPECT_FLOAT_EQ(Settings().SnakeInitialLength, 8.0f);
    EXPECT_FLOAT_EQ(Settings().SnakeInitialVelocity, 2.0f);
    // The stored values are shown again; the last rejected field has the focus, all selected.
    EXPECT_EQ(Field(IDC_LEVEL_WIDTH), "20");
    EXPECT_EQ(Field(IDC_INITIAL_LENGTH), "8.00");
    EXPECT_TRUE(HasFocus(LevelForm(), IDC_INITIAL_VELOCITY));
}

TEST_F(LevelFormTest, RejectedSizesLeaveTheValidSettingsStored)
{
    MessageBoxRecorder boxes;
    Type(LevelForm(), IDC_LEVEL_WIDTH, "4");
    Type(LevelForm(), IDC_LEVEL_HEIGHT, "100");
    Type(LevelForm(), IDC_NORMAL_ITEMS, "10");
    Type(LevelForm(), IDC_TURNING_ANGLE, "45.5");
    Type(LevelForm(), IDC_INITIAL_LENGTH, "20");
    Type(LevelForm(), IDC_INITIAL_VELOCITY, "5");
    Apply();
    EXPECT_EQ(boxes.Texts(), (std::vector<wxString>{WIDTH_MESSAGE, HEIGHT_MESSAGE}));
    EXPECT_EQ(Settings().NormalItemsNumber, 10);
    EXPECT_FLOAT_EQ(Settings().SnakeTurningAngle, 45.5f);
    EXPECT_FLOAT_EQ(Settings().SnakeInitialLength, 20.0f);
    EXPECT_FLOAT_EQ(Settings().SnakeInitialVelocity, 5.0f);
    EXPECT_EQ(Field(IDC_TURNING_ANGLE), "45.50");
    EXPECT_EQ(Field(IDC_LEVEL_WIDTH), "20");
    EXPECT_EQ(Field(IDC_LEVEL_HEIGHT), "16");
    EXPECT_TRUE(HasFocus(LevelForm(), IDC_LEVEL_HEIGHT));
    EXPECT_EQ(Edit(LevelForm(), IDC_LEVEL_HEIGHT).GetStringSelection(), "16");
    EXPECT_TRUE(document->IsModified());
}

TEST_F(LevelFormTest, BoundsAreInclusiveAndATextWithMoreThanANumberIsRefused)
{
    MessageBoxRecorder boxes;
    Type(LevelForm(), IDC_LEVEL_WIDTH, "5");
    Type(LevelForm(), IDC_LEVEL_HEIGHT, "99");
    Type(LevelForm(), IDC_TURNING_ANGLE, "20");
    Apply();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(Floor().Width, 5);
    EXPECT_EQ(Floor().Heigth, 99);

    Type(LevelForm(), IDC_LEVEL_WIDTH, "12abc");
    Type(LevelForm(), IDC_TURNING_ANGLE, "19.99");
    Apply();
    EXPECT_EQ(Floor().Width, 5);
    EXPECT_EQ(Field(IDC_LEVEL_WIDTH), "5");
    EXPECT_EQ(boxes.Texts(), (std::vector<wxString>{WIDTH_MESSAGE, ANGLE_MESSAGE}));

    Type(LevelForm(), IDC_LEVEL_WIDTH, "");
    Apply();
    EXPECT_EQ(boxes.Texts().back(), WIDTH_MESSAGE);
    EXPECT_EQ(Floor().Width, 5);
}

TEST_F(LevelFormTest, UseCubeMapAddsAndRemovesTheSkyBox)
{
    Click(LevelForm(), IDC_USE_CUBEMAP);
    ASSERT_NE(Scene().m_pCubeMap, nullptr);
    EXPECT_EQ(Scene().Root().GetChild(0), Scene().m_pCubeMap);
    EXPECT_EQ(Scene().m_pCubeMap->TextureBaseName, "../data/CubeMaps/Special/default.png");
    EXPECT_EQ(Field(IDC_CUBEMAP_BASE), "../data/CubeMaps/Special/default.png");
    EXPECT_TRUE(Enabled(LevelForm(), IDC_CUBEMAP_BASE));
    EXPECT_TRUE(Enabled(LevelForm(), IDC_CUBEMAP_BROWSE));
    EXPECT_TRUE(FindControl<wxCheckBox>(LevelForm(), IDC_USE_CUBEMAP)->GetValue());
    const std::size_t withSkyBox = Scene().Root().ChildCount();

    Click(LevelForm(), IDC_USE_CUBEMAP);
    EXPECT_EQ(Scene().m_pCubeMap, nullptr);
    EXPECT_EQ(Scene().Root().ChildCount(), withSkyBox - 1);
    EXPECT_EQ(Field(IDC_CUBEMAP_BASE), "");
    EXPECT_FALSE(Enabled(LevelForm(), IDC_CUBEMAP_BROWSE));
    EXPECT_TRUE(document->IsModified());
}

TEST_F(LevelFormTest, CubeMapBrowseTakesTheBaseNameOfAFaceImage)
{
    Click(LevelForm(), IDC_USE_CUBEMAP);
    document->m_bTexturesDirty = false;
    Scene().m_pCubeMap->m_reloadNeeded = false;
    FileDialogAnswerer files;
    MessageBoxRecorder boxes;
    files.answers = {wxString("/levels/sky/desert_negz.png")};
    Click(LevelForm(), IDC_CUBEMAP_BROWSE);
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].filter, "Image files (*.jpg;*.jpeg;*.png;*.tga)|*.jpg;*.jpeg;*.png;*.tga");
    EXPECT_EQ(files.requests[0].defaultExt, "jpg");
    EXPECT_FALSE(files.requests[0].save);
    EXPECT_EQ(Scene().m_pCubeMap->TextureBaseName, "/levels/sky/desert.png");
    EXPECT_EQ(Field(IDC_CUBEMAP_BASE), "/levels/sky/desert.png");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LevelFormTest, CubeMapBrowseRefusesPathsThatCannotBeABaseName)
{
    Click(LevelForm(), IDC_USE_CUBEMAP);
    FileDialogAnswerer files;
    MessageBoxRecorder boxes;
    files.answers = {wxString("/a.png"), wxString("/levels/sky/desert.png"),
                     wxString("/levels/\"sky\"/desert_negz.png"), std::nullopt};
    for (int i = 0; i < 4; ++i)
        Click(LevelForm(), IDC_CUBEMAP_BROWSE);
    EXPECT_EQ(boxes.shown.size(), 3u); // cancelling says nothing
    EXPECT_EQ(Scene().m_pCubeMap->TextureBaseName, "../data/CubeMaps/Special/default.png");
    EXPECT_EQ(Field(IDC_CUBEMAP_BASE), "../data/CubeMaps/Special/default.png");
}

TEST_F(LevelFormTest, FloorTextureBrowseAssignsTheImageThroughTheTable)
{
    FileDialogAnswerer files;
    MessageBoxRecorder boxes;
    files.answers = {wxString("/images/stone.jpg")};
    document->m_texturesToLoad.clear();
    Click(LevelForm(), IDC_FLOOR_TEXTURE_BROWSE);
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].filter, "Image files (*.jpg;*.jpeg;*.png;*.tga)|*.jpg;*.jpeg;*.png;*.tga");
    EXPECT_EQ(files.requests[0].defaultExt, "jpg");
    ASSERT_EQ(document->m_textures.size(), 2u);
    EXPECT_EQ(document->m_textures[1].path, "/images/stone.jpg");
    EXPECT_EQ(Floor().GetTextureID(), 1);
    EXPECT_EQ(Field(IDC_FLOOR_TEXTURE_PATH), "/images/stone.jpg");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(document->IsModified());
}

TEST_F(LevelFormTest, FloorTextureBrowseRefusesQuotedPathsAndAFullTable)
{
    FileDialogAnswerer files;
    MessageBoxRecorder boxes;
    files.answers = {wxString("/images/\"stone\".jpg")};
    Click(LevelForm(), IDC_FLOOR_TEXTURE_BROWSE);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(document->m_textures.size(), 1u);

    while (document->m_textures.size() < TextureTable::MAX_ROWS)
        document->m_textures.push_back({"/used/" + std::to_string(document->m_textures.size()), 1});
    files.answers = {wxString("/images/one-too-many.jpg")};
    Click(LevelForm(), IDC_FLOOR_TEXTURE_BROWSE);
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(document->m_textures.size(), std::size_t(TextureTable::MAX_ROWS));
    EXPECT_EQ(Floor().GetTextureID(), 0);
    EXPECT_EQ(Field(IDC_FLOOR_TEXTURE_PATH), "../data/Textures/Special/notex.tga");
}

TEST_F(LevelFormTest, FileDialogsLeaveTheCurrentDirectoryUnchanged)
{
    const wxString before = wxGetCwd();
    TempFolder elsewhere;
    FileDialogAnswerer files;
    // A dialog that moves the process elsewhere, as a toolkit's change-directory option would.
    SetFileDialogHook([&](const FileDialogRequest&) -> std::optional<wxString> {
        wxSetWorkingDirectory(elsewhere.Path());
        return wxString(elsewhere.File("rock.jpg"));
    });
    Click(LevelForm(), IDC_FLOOR_TEXTURE_BROWSE);
    EXPECT_EQ(wxGetCwd(), before);
    EXPECT_EQ(Field(IDC_FLOOR_TEXTURE_PATH), wxString(elsewhere.File("rock.jpg")));
}

TEST_F(LevelFormTest, TexturePropertiesOpensADialogPerPressThatANewLevelCloses)
{
    Click(LevelForm(), IDC_TEXTURE_PROPERTIES);
    // The dialog opens over the mouse pointer, so it is moved off the button.
    ASSERT_EQ(TextureDialogs().size(), 1u);
    TextureDialogs()[0]->Move(0, 0);
    Settle();
    Click(LevelForm(), IDC_TEXTURE_PROPERTIES);
    const auto dialogs = TextureDialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    for (CTexturePropertiesDgl* dialog : dialogs) {
        EXPECT_EQ(dialog->GetEditedMapping(), &Floor());
        EXPECT_EQ(dialog->GetParent(), &LevelForm());
    }
    MessageBoxRecorder boxes;
    ASSERT_TRUE(Command(wxID_NEW));
    Settle();
    EXPECT_EQ(OpenMappingEditorCount(), 0);
}

} // namespace
