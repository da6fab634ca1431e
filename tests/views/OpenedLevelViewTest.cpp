// Opening a level with real input (Ctrl+O): the views start at their default cameras, or
// fitted as Home fits them when the edit view's default camera would cut the floor off.
#include <array>
#include <regex>

#include "level/LevelFloor.h"
#include "tests/support/TempFolder.h"
#include "tests/views/ViewFixture.h"

TEST_F(ViewTest, AFloorBeyondTheDefaultViewOpensFittedInBothViewsASmallerOneAtTheDefault)
{
    struct Case {
        int width, depth;
        bool fitted;
    };
    const Case cases[] = {{90, 30, true}, {24, 20, false}, {30, 60, true}, {5, 5, false}};
    const std::string newLevel = ReadWholeFile(TRELKAN_SOURCE_DIR "/tests/fixtures/levels/valid/new_level.xml");
    const auto cameras = [this] {
        const EditCamera camera = edit->Camera();
        return std::array<float, 4>{camera.zoom, camera.copX, camera.copY, preview->m_zoom};
    };
    const std::array<float, 4> defaults{EditCamera{}.zoom, 0.0f, 0.0f, PreviewCamera{}.zoom};
    TempFolder folder;
    for (const Case& c : cases) {
        const std::string size = std::to_string(c.width) + "x" + std::to_string(c.depth);
        const std::string path = folder.File(size + ".xml");
        WriteWholeFile(path, std::regex_replace(newLevel, std::regex("Width = \"20\" Heigth = \"16\""),
                                                "Width = \"" + std::to_string(c.width) + "\" Heigth = \"" +
                                                    std::to_string(c.depth) + "\""));
        // Where the last level left the cameras must not matter.
        edit->m_copX = 12.0f;
        preview->m_zoom = 2.5f;
        FileDialogAnswerer dialogs;
        dialogs.answers = {wxString(path)};
        edit->GetCanvas()->SetFocus();
        PumpFor(30);
        PressKey('O', wxMOD_CONTROL);
        PumpFor(100);
        ASSERT_EQ(document->m_pScene->m_pFloor->Width, c.width) << size;
        const std::array<float, 4> opened = cameras();
        if (c.fitted) {
            PressKey(WXK_HOME);
            EXPECT_EQ(opened, cameras()) << size;
            EXPECT_LT(opened[0], defaults[0]) << size;
        } else {
            EXPECT_EQ(opened, defaults) << size;
        }
    }
}
