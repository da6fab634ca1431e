// The preview's drive mode under real keys: F5 starts the run, Left and Right turn the snake, a
// wall ends a life, Escape ends the run and the edit view shows the head's path; the level, its
// file and its unsaved mark stay as they were.
#include <wx/glcanvas.h>

#include "framework/CCommandProcessor.h"
#include "play/PlayRun.h"
#include "tests/app/MainFrameFixture.h"
#include "views/C3DGLView.h"

namespace {

// A wall across the floor 4.5 units ahead of the start; at 5 units a second the first life ends
// within a second.
const char* const kLevel =
    "<CSGGroup SaveLightState = \"1\" >\n<GameSettingsNode\n  NormalItemsNumber = \"2\" SnakeInitialPosX = "
    "\"0.000000\" SnakeInitialPosY = \"0.000000\" SnakeInitialPosZ = \"0.000000\" SnakeInitialOrientationAngle = "
    "\"0.000000\" SnakeTurningAngle = \"90.000000\" SnakeInitialLength = \"8.000000\" SnakeInitialVelocity = "
    "\"5.000000\"\n/>\n<TexturesNode\n  NumTextures = \"0\"\n/>\n<LevelGroupNode SaveLightState = \"1\" >\n"
    "<LevelFloor\n  Width = \"20\" Heigth = \"16\" TextureID = \"0\" TexTX = \"0.000000\" TexTY = \"0.000000\" "
    "TexScaleX = \"1.000000\" TexScaleY = \"1.000000\" TexRotationAngleDeg = \"0.000000\"\n/>\n<Wall\n  CenterX = "
    "\"0.000000\" CenterZ = \"-5.000000\" Width = \"20.000000\" Depth = \"1.000000\" OrientationAngle = \"0.000000\" "
    "TextureID = \"0\" TexTX = \"0.000000\" TexTY = \"0.000000\" TexScaleX = \"1.000000\" TexScaleY = \"1.000000\" "
    "TexRotationAngleDeg = \"0.000000\"\n/>\n</LevelGroupNode>\n</CSGGroup>\n";

TEST_F(MainFrameTest, DrivingRunsTheSnakeAndLeavesTheLevelAlone)
{
    TempFolder folder;
    const std::string path = folder.File("drive.xml");
    WriteWholeFile(path, kLevel);
    ASSERT_TRUE(manager->OpenDocumentFile(path));
    const unsigned long changes = document->m_changeCount;
    CDriveMode& drive = frame->m_p3DView->DriveMode();
    frame->m_pEditView->GetWindow()->SetFocus();
    PumpFor(50);

    PressKey(WXK_F5);
    ASSERT_TRUE(PumpUntil([&] { return drive.IsOn(); }));
    ASSERT_TRUE(PumpUntil([&] { return drive.Run()->Time() > 0.1; }));
    PressKey(WXK_LEFT);
    ASSERT_TRUE(PumpUntil([&] { return drive.Run()->State().headingDeg == 90.0f; }));
    PressKey(WXK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return drive.Run()->State().headingDeg == 0.0f; }));
    ASSERT_TRUE(PumpUntil([&] { return !drive.Run()->State().lifeEnds.empty(); }));
    const LifeEnd end = drive.Run()->State().lifeEnds.front();
    EXPECT_EQ(end.cause, LifeEndCause::Wall);
    EXPECT_NEAR(end.place.z, -4.5f, 1e-3f);
    EXPECT_LT(end.place.x, 0.0f); // the Left press took it aside before Right turned it back
    const std::vector<wxString> lines = drive.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_TRUE(lines[1].StartsWith("Life lost: hit the wall at (")) << lines[1];
    const unsigned long frames = frame->m_p3DView->FramesDrawn();
    EXPECT_TRUE(PumpUntil([&] { return frame->m_p3DView->FramesDrawn() > frames + 3; }));

    PressKey('V');
    EXPECT_TRUE(PumpUntil([&] { return drive.Look() == ChaseView::Eye; }));
    PressKey(WXK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return !drive.IsOn(); }));
    EXPECT_TRUE(frame->m_pEditView->ShowsRunTrace());
    EXPECT_EQ(ReadWholeFile(path), kLevel);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->m_changeCount, changes);
    EXPECT_FALSE(document->GetHistory()->CanUndo());

    // F5 again starts a new run from the start; F5 ends it too.
    PressKey(WXK_F5);
    ASSERT_TRUE(PumpUntil([&] { return drive.IsOn(); }));
    PressKey(WXK_F5);
    ASSERT_TRUE(PumpUntil([&] { return !drive.IsOn(); }));
    EXPECT_FALSE(document->IsModified());
}

} // namespace
