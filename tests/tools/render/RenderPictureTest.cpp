// `trelkan --render` without a display: its pictures match what the editor's views draw right
// after opening the level (the top view after Home, the preview from its first camera), kept in
// tests/fixtures/views. A channel may differ by 1 of 255, as for the views' own references.
//
// The references are drawn here through the level document and the views' frame functions, and
// renewed together with the views' references, from app/:
//   TRELKAN_RENEW_VIEW_REFERENCES=1 ../build/debug/tests/document_tests --gtest_filter='*/View*Test.*'
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include <GL/gl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/image.h>

#include "document/CLevelMapDoc.h"
#include "framework/MessageBox.h"
#include "glext/GLExtensions.h"
#include "image/ImageFile.h"
#include "image/PngFile.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "tests/support/OffscreenContext.h"
#include "tests/support/TempFolder.h"
#include "views/EditProjection.h"
#include "views/PreviewScene.h"

namespace {

struct RenderShot {
    const char* name;
    const char* level; // relative to app/
    const char* view;
    int size;
};

const RenderShot kRenderShots[] = {
    {"sample_render_top", "../data/Levels/sample.xml", "top", 160},
    {"kinds_render_top", "../tests/fixtures/levels/flawed/every_object_kind.xml", "top", 97},
    {"sample_render_preview", "../data/Levels/sample.xml", "preview", 120},
};

void PrintTo(const RenderShot& shot, std::ostream* out)
{
    *out << shot.name;
}

const float kNoTurn[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

std::string Reference(const RenderShot& shot)
{
    return std::string("../tests/fixtures/views/") + shot.name + ".png";
}

wxImage ReadBack(int side)
{
    wxImage image(side, side);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int y = 0; y < side; ++y)
        glReadPixels(0, side - 1 - y, side, 1, GL_RGB, GL_UNSIGNED_BYTE, image.GetData() + y * side * 3);
    return image;
}

// The level opened as the editor opens it, drawn by the view the shot names.
wxImage DrawAsTheEditor(const RenderShot& shot)
{
    OffscreenContext context(shot.size, shot.size);
    // As the preview readies its context.
    InitExtensions();
    InitImageLibrary();
    glViewport(0, 0, shot.size, shot.size);
    const MessageBoxHook previous = SetMessageBoxHook([](const MessageBoxRequest&) { return wxOK; });
    CLevelMapDoc document;
    EXPECT_TRUE(document.OnOpenDocument(shot.level));
    LevelScene& scene = *document.m_pScene;
    document.RunTextureWork(scene.Root());
    const LevelFloor& floor = *scene.m_pFloor;
    if (std::string(shot.view) == "top") {
        EditCamera camera;
        FitFloor(camera, static_cast<float>(floor.Width), static_cast<float>(floor.Heigth));
        DrawEditFrame(camera, 1, scene.m_pLevelGroup);
    } else {
        PreviewCamera camera;
        camera.distance = static_cast<float>(std::max(floor.Width, floor.Heigth));
        camera.rotation = kNoTurn;
        DrawPreviewFrame(camera, &scene.Root(), 0.0f);
    }
    const wxImage picture = ReadBack(shot.size);
    document.ReleaseGLResources();
    SetMessageBoxHook(previous);
    return picture;
}

// Runs `trelkan --render` for the shot with no display at all; its exit status.
int RenderWithoutDisplay(const RenderShot& shot, const std::string& output)
{
    const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY '") + TRELKAN_BINARY + "' --render '" +
                                shot.level + "' '" + output + "' --view " + shot.view + " --size " +
                                std::to_string(shot.size);
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ViewRenderTest : public ::testing::TestWithParam<RenderShot> {
protected:
    void SetUp() override
    {
        if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
            wxImage::AddHandler(new wxPNGHandler);
    }
};

TEST_P(ViewRenderTest, RendersThePictureTheViewDraws)
{
    const RenderShot& shot = GetParam();
    if (std::getenv("TRELKAN_RENEW_VIEW_REFERENCES")) {
        ASSERT_TRUE(DrawAsTheEditor(shot).SaveFile(Reference(shot), wxBITMAP_TYPE_PNG));
        return;
    }
    const std::string output = (wxFileName::GetTempDir() + "/" + shot.name + ".png").ToStdString();
    ASSERT_EQ(RenderWithoutDisplay(shot, output), 0);
    wxImage expected, actual;
    ASSERT_TRUE(expected.LoadFile(Reference(shot), wxBITMAP_TYPE_PNG)) << Reference(shot);
    ASSERT_TRUE(actual.LoadFile(output, wxBITMAP_TYPE_PNG)) << output;
    ASSERT_EQ(expected.GetSize(), actual.GetSize());
    const unsigned char* want = expected.GetData();
    const unsigned char* got = actual.GetData();
    const long count = 3L * shot.size * shot.size;
    const long differing = std::count_if(want, want + count, [&](const unsigned char& c) {
        return std::abs(c - got[&c - want]) > 1;
    });
    EXPECT_EQ(differing, 0) << "channels differ; rendered: " << output;
}

std::string ShotName(const ::testing::TestParamInfo<RenderShot>& shot)
{
    return shot.param.name;
}

INSTANTIATE_TEST_SUITE_P(Levels, ViewRenderTest, ::testing::ValuesIn(kRenderShots), ShotName);

namespace fs = std::filesystem;

// Where a picture may be asked to go: `make` prepares the place in an empty folder and gives the
// OUT argument; the picture must then land at `picture` (in the folder, "" for nowhere), and
// standard error must hold `says`.
struct OutputCase {
    const char* name;
    std::function<std::string(const fs::path& folder)> make;
    int status;
    const char* says;
    const char* picture;
};

void WriteText(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

std::string ReadText(const fs::path& path)
{
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// A device of our own where we may make one, which a fault could not harm; else the system's.
std::string Device(const fs::path& folder)
{
    const fs::path device = folder / "device.png";
    return mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? device.string() : "/dev/null";
}

const OutputCase kOutputCases[] = {
    {"new_file", [](const fs::path& folder) { return (folder / "out.png").string(); }, 0, "", "out.png"},
    {"link",
     [](const fs::path& folder) {
         WriteText(folder / "pictures/real.png", "an older picture");
         fs::create_directories(folder / "links");
         fs::create_symlink("../pictures/real.png", folder / "links/out.png");
         return (folder / "links/out.png").string();
     },
     0, "", "pictures/real.png"},
    {"dangling_link",
     [](const fs::path& folder) {
         fs::create_symlink("made.png", folder / "out.png");
         return (folder / "out.png").string();
     },
     0, "", "made.png"},
    {"fifo",
     [](const fs::path& folder) {
         mkfifo((folder / "out.png").c_str(), 0600);
         return (folder / "out.png").string();
     },
     1, "out.png: is a FIFO, not a regular file", ""},
    {"link_to_fifo",
     [](const fs::path& folder) {
         mkfifo((folder / "fifo").c_str(), 0600);
         fs::create_symlink("fifo", folder / "out.png");
         return (folder / "out.png").string();
     },
     1, "out.png: is a FIFO, not a regular file", ""},
    {"folder",
     [](const fs::path& folder) {
         fs::create_directory(folder / "out.png");
         return (folder / "out.png").string();
     },
     1, ": is a folder, not a regular file", ""},
    {"device", Device, 1, ": is a device, not a regular file", ""},
    {"standard_output", [](const fs::path&) { return std::string("-"); }, 0, "", "stdout"},
};

void PrintTo(const OutputCase& output, std::ostream* out)
{
    *out << output.name;
}

// Anything left of a temporary picture below `folder`.
bool HasTemporaryFiles(const fs::path& folder)
{
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.path().filename().string().rfind(".trelkan-png", 0) == 0)
            return true;
    return false;
}

class RenderOutputTest : public ::testing::TestWithParam<OutputCase> {};

// Whatever OUT is, it keeps its kind (a link stays a link, a FIFO a FIFO; only what did not exist
// becomes a file), nothing temporary is left, and the picture goes where OUT leads, or nowhere.
TEST_P(RenderOutputTest, WritesWhereTheOutputLeadsOrRefuses)
{
    const OutputCase& output = GetParam();
    TempFolder temporary;
    const fs::path folder = temporary.Path();
    const std::string out = output.make(folder);
    const fs::file_type kind = fs::symlink_status(out).type();
    const fs::path captured = folder / "stdout", messages = folder / "stderr";
    const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY '") + TRELKAN_BINARY +
                                "' --render ../data/Levels/sample.xml '" + out + "' --size 24 >'" +
                                captured.string() + "' 2>'" + messages.string() + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), output.status);
    const std::string said = ReadText(messages);
    if (*output.says)
        EXPECT_NE(said.find(output.says), std::string::npos) << said;
    else
        EXPECT_EQ(said, "");
    if (out != "-") {
        const fs::file_type now = fs::symlink_status(out).type();
        EXPECT_EQ(now, kind == fs::file_type::not_found ? fs::file_type::regular : kind);
        EXPECT_EQ(fs::file_size(captured), 0u) << "the picture went to standard output";
    }
    EXPECT_FALSE(fs::exists("-")) << "standard output became a file named -";
    EXPECT_FALSE(HasTemporaryFiles(folder));
    if (*output.picture) {
        RgbaPicture picture;
        PngTexts texts;
        ASSERT_TRUE(ReadPngFile((folder / output.picture).string(), 4096, picture, texts)) << output.picture;
        EXPECT_EQ(picture.width, 24u);
    }
}

std::string OutputName(const ::testing::TestParamInfo<OutputCase>& output)
{
    return output.param.name;
}

INSTANTIATE_TEST_SUITE_P(Places, RenderOutputTest, ::testing::ValuesIn(kOutputCases), OutputName);

} // namespace
