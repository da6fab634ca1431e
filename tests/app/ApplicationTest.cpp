// The animation clock, the repaint pacing, the command line and the screenshot.
#include <wx/image.h>

#include "document/AnimationClock.h"
#include "app/CommandLine.h"
#include "app/Screenshot.h"
#include "tests/app/MainFrameFixture.h"
#include "views/C3DGLView.h"

namespace {

TEST(AnimationClockTest, RunsOnlyWhileAnimatingAndNeverJumps)
{
    CLevelMapDoc document;
    AdvanceAnimationClock(document, 1.0f);
    EXPECT_FLOAT_EQ(document.m_lastTick, 1.0f);
    EXPECT_FLOAT_EQ(document.m_animTime, 0.0f);

    // Ten seconds with the animation off, then on: the clock goes on from where it stood.
    AdvanceAnimationClock(document, 11.0f);
    document.m_bAnimate = true;
    AdvanceAnimationClock(document, 11.5f);
    EXPECT_FLOAT_EQ(document.m_animTime, 0.5f);
    AdvanceAnimationClock(document, 12.25f);
    EXPECT_FLOAT_EQ(document.m_animTime, 1.25f);
    EXPECT_FLOAT_EQ(document.m_lastTick, 12.25f);
}

TEST(AnimationClockTest, ProcessClockIsMonotonicInMilliseconds)
{
    float first = ProcessSeconds();
    float second = ProcessSeconds();
    EXPECT_GE(second, first);
    EXPECT_FLOAT_EQ(first * 1000.0f, static_cast<float>(static_cast<long>(first * 1000.0f + 0.5f)));
}

TEST(RepaintPacerTest, AtMostOneRepaintPerInterval)
{
    RepaintPacer pacer(0.25f);
    EXPECT_TRUE(pacer.Due(5.0f));
    EXPECT_FALSE(pacer.Due(5.125f));
    EXPECT_TRUE(pacer.Due(5.25f));
    EXPECT_FALSE(pacer.Due(5.25f));
}

TEST(CommandLineTest, FileNameScreenshotHelpAndMistakes)
{
    CommandLineInfo none = ParseCommandLine({});
    EXPECT_TRUE(none.fileName.empty() && none.screenshotPath.empty() && none.error.empty());

    wxArrayString arguments;
    arguments.Add("--screenshot");
    arguments.Add("shot.png");
    arguments.Add("level.xml");
    CommandLineInfo both = ParseCommandLine(arguments);
    EXPECT_EQ(both.fileName, "level.xml");
    EXPECT_EQ(both.screenshotPath, "shot.png");
    EXPECT_TRUE(both.error.empty());

    // Help and version win over whatever follows them.
    wxArrayString help;
    help.Add("level.xml");
    help.Add("--help");
    help.Add("--bogus");
    EXPECT_TRUE(ParseCommandLine(help).showUsage);
    EXPECT_TRUE(ParseCommandLine(help).error.empty());
    EXPECT_TRUE(ParseCommandLine(wxArrayString(1, "--version")).showVersion);

    EXPECT_FALSE(ParseCommandLine(wxArrayString(1, "--screenshot")).error.empty());
    EXPECT_FALSE(ParseCommandLine(wxArrayString(1, "--bogus")).error.empty());
    arguments.Add("second.xml");
    EXPECT_FALSE(ParseCommandLine(arguments).error.empty());
}

TEST_F(MainFrameTest, ScreenshotIsAPictureOfTheFrame)
{
    PumpFor(200);
    TempFolder folder;
    std::string path = folder.File("shot.png");
    ASSERT_TRUE(SaveWindowScreenshot(*frame, path));
    wxImage picture(path, wxBITMAP_TYPE_PNG);
    ASSERT_TRUE(picture.IsOk());
    EXPECT_EQ(picture.GetSize(), frame->GetScreenRect().GetSize());
    // The preview pane is drawn black by OpenGL: its centre shows on the screen.
    wxPoint centre = frame->m_p3DView->GetWindow()->GetScreenRect().GetPosition() -
                     frame->GetScreenRect().GetPosition() + wxPoint(20, 20);
    EXPECT_EQ(picture.GetRed(centre.x, centre.y), 0);
}

} // namespace
