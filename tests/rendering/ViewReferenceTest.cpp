// Both views of a few fixed levels, drawn offscreen through the views' own frame functions and
// compared with the images and picks accepted last (tests/fixtures/views): faster drawing or
// picking must not change a pixel or the object a click selects. A channel may differ by 1 of
// 255, for a Mesa that rounds differently; nothing else.
//
// After an intended change of the look, renew the references from app/ with
//   TRELKAN_RENEW_VIEW_REFERENCES=1 ../build/debug/tests/document_tests --gtest_filter='*/View*Test.*'
// and commit the changed files with the reason.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/image.h>

#include "document/CLevelMapDoc.h"
#include "framework/MessageBox.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "tests/support/OffscreenContext.h"
#include "views/EditProjection.h"
#include "views/PickPath.h"
#include "views/PreviewScene.h"

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 150;
constexpr float kAspect = static_cast<float>(kWidth) / kHeight;
// Clicks every kPickStep pixels, starting half a step in.
constexpr int kPickStep = 10;
const std::string kReferences = "../tests/fixtures/views/";

// The edit view with or without the images of the floor and the walls, or the preview.
enum class View { Edit, EditTextured, Preview };

// One picture: a level, a view with its camera, a selection and the animation time.
struct Shot {
    const char* name;
    const char* level; // relative to app/
    View view;
    float zoom;
    // Edit view: the centre of projection; preview: the turn about Y, then the tilt about X.
    float a, b;
    int gridSize;
    std::vector<int> selection; // child indices from the level group down to the selected node
    float time;
    bool picks; // the click grid is checked too
};

void PrintTo(const Shot& shot, std::ostream* out)
{
    *out << shot.name;
}

const char* const kSample = "../data/Levels/sample.xml";
const char* const kKinds = "../tests/fixtures/levels/flawed/every_object_kind.xml";
const char* const kNodes = "../tests/fixtures/levels/flawed/scene_graph_nodes.xml";

const Shot kShots[] = {
    {"sample_edit", kSample, View::Edit, 2.0f / 26.0f, 0.0f, 0.0f, 1, {0}, 0.0f, true},
    {"sample_edit_close", kSample, View::Edit, 0.15f, 6.0f, -2.0f, 5, {2}, 0.0f, false},
    {"sample_preview", kSample, View::Preview, 1.0f, 0.0f, 0.0f, 1, {}, 0.0f, true},
    {"sample_preview_turned", kSample, View::Preview, 1.4f, 35.0f, 20.0f, 1, {9}, 2.5f, false},
    {"kinds_edit", kKinds, View::Edit, 2.0f / 22.0f, 0.0f, 0.0f, 1, {8}, 0.0f, true},
    {"kinds_preview", kKinds, View::Preview, 1.2f, -30.0f, 10.0f, 1, {2}, 0.75f, true},
    {"kinds_preview_close", kKinds, View::Preview, 2.0f, 0.0f, 0.0f, 1, {}, 0.0f, false},
    {"nodes_edit", kNodes, View::Edit, 0.1f, 0.0f, 0.0f, 2, {3, 1}, 0.0f, true},
    {"nodes_preview", kNodes, View::Preview, 1.0f, 20.0f, 0.0f, 1, {1}, 1.25f, true},
    {"sample_preview_selected_wall", kSample, View::Preview, 1.3f, 15.0f, 10.0f, 1, {7}, 0.0f, false},
    {"sample_edit_textured", kSample, View::EditTextured, 2.0f / 26.0f, 0.0f, 0.0f, 1, {7}, 0.0f, false},
};

bool Renewing()
{
    return std::getenv("TRELKAN_RENEW_VIEW_REFERENCES") != nullptr;
}

// Row by row, acting on column vectors: the turn about Y, then the tilt about X.
std::vector<float> PreviewRotation(float turnDeg, float tiltDeg)
{
    const double a = turnDeg * M_PI / 180.0;
    const double b = tiltDeg * M_PI / 180.0;
    const float ca = static_cast<float>(std::cos(a)), sa = static_cast<float>(std::sin(a));
    const float cb = static_cast<float>(std::cos(b)), sb = static_cast<float>(std::sin(b));
    return {ca, 0, sa, 0, sb * sa, cb, -sb * ca, 0, -cb * sa, sb, cb * ca, 0, 0, 0, 0, 1};
}

std::string PathText(const std::vector<int>& path)
{
    std::string text;
    for (int element : path)
        text += (text.empty() ? "" : ".") + std::to_string(element);
    return text;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ViewReferenceTest : public ::testing::TestWithParam<Shot> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_context.IsValid());
        glViewport(0, 0, kWidth, kHeight);
        if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
            wxImage::AddHandler(new wxPNGHandler);
        m_previousHook = SetMessageBoxHook([](const MessageBoxRequest&) { return wxOK; });
        ASSERT_TRUE(m_document.OnOpenDocument(GetParam().level));
        LevelScene& scene = *m_document.m_pScene;
        m_document.RunTextureWork(scene.Root());
        CSGNode* selection = nullptr;
        if (!GetParam().selection.empty()) {
            std::vector<int> path = {0};
            path.insert(path.end(), GetParam().selection.begin(), GetParam().selection.end());
            selection = NodeAtPath(*scene.m_pLevelGroup, path);
            ASSERT_NE(selection, nullptr);
        }
        m_document.SetSelection(selection);
    }

    void TearDown() override
    {
        m_document.ReleaseGLResources();
        SetMessageBoxHook(m_previousHook);
    }

    void DrawShot()
    {
        const Shot& shot = GetParam();
        LevelScene& scene = *m_document.m_pScene;
        if (shot.view != View::Preview) {
            EditCamera camera;
            camera.aspect = kAspect;
            camera.zoom = shot.zoom;
            camera.copX = shot.a;
            camera.copY = shot.b;
            DrawEditFrame(camera, shot.gridSize, scene.m_pLevelGroup, shot.view == View::EditTextured);
            return;
        }
        const std::vector<float> rotation = PreviewRotation(shot.a, shot.b);
        PreviewCamera camera;
        camera.aspect = kAspect;
        camera.zoom = shot.zoom;
        camera.distance = static_cast<float>(std::max(scene.m_pFloor->Width, scene.m_pFloor->Heigth));
        camera.rotation = rotation.data();
        DrawPreviewFrame(camera, &scene.Root(), shot.time);
    }

    float Time() const { return GetParam().view == View::Preview ? GetParam().time : FLAT_DRAW_TIME; }

    // The picture top row first, as an image file keeps it.
    wxImage ReadPicture() const
    {
        std::vector<unsigned char> rows(static_cast<std::size_t>(kWidth) * kHeight * 3);
        glFinish();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
        wxImage image(kWidth, kHeight);
        const std::size_t stride = kWidth * 3;
        for (int y = 0; y < kHeight; ++y)
            std::copy_n(&rows[(kHeight - 1 - y) * stride], stride, image.GetData() + y * stride);
        return image;
    }

    // One line per row of clicks: the path each click picks, "-1" for none.
    std::string PickGrid()
    {
        std::string text;
        for (int y = kPickStep / 2; y < kHeight; y += kPickStep) {
            text += std::to_string(y) + ":";
            for (int x = kPickStep / 2; x < kWidth; x += kPickStep) {
                DrawShot(); // each pick with the matrices of a frame, as in the views
                text += " " + PathText(PickLevelPath(*m_document.m_pScene, x, y, Time()));
            }
            text += "\n";
        }
        return text;
    }

    std::string File(const char* suffix) const { return kReferences + GetParam().name + suffix; }

    OffscreenContext m_context{kWidth, kHeight};
    CLevelMapDoc m_document;
    MessageBoxHook m_previousHook;
};

TEST_P(ViewReferenceTest, DrawsTheAcceptedPicture)
{
    DrawShot();
    const wxImage actual = ReadPicture();
    if (Renewing()) {
        ASSERT_TRUE(actual.SaveFile(File(".png"), wxBITMAP_TYPE_PNG));
        return;
    }
    wxImage expected;
    ASSERT_TRUE(expected.LoadFile(File(".png"), wxBITMAP_TYPE_PNG)) << File(".png");
    ASSERT_EQ(expected.GetSize(), actual.GetSize());
    int differing = 0;
    int firstX = -1, firstY = -1;
    const std::size_t count = static_cast<std::size_t>(kWidth) * kHeight * 3;
    for (std::size_t i = 0; i < count; ++i) {
        if (std::abs(expected.GetData()[i] - actual.GetData()[i]) <= 1)
            continue;
        if (differing++ == 0) {
            firstX = static_cast<int>(i / 3 % kWidth);
            firstY = static_cast<int>(i / 3 / kWidth);
        }
    }
    if (differing == 0)
        return;
    const std::string drawn = (wxFileName::GetTempDir() + "/" + GetParam().name + ".png").ToStdString();
    actual.SaveFile(drawn, wxBITMAP_TYPE_PNG);
    ADD_FAILURE() << differing << " channels differ, first at (" << firstX << ", " << firstY
                  << ") from the top left; drawn: " << drawn;
}

// The shots whose click grid is checked as well.
std::vector<Shot> PickShots()
{
    std::vector<Shot> shots;
    std::copy_if(std::begin(kShots), std::end(kShots), std::back_inserter(shots), [](const Shot& shot) { return shot.picks; });
    return shots;
}

class ViewPickTest : public ViewReferenceTest {};

TEST_P(ViewPickTest, ClicksPickTheAcceptedObjects)
{
    const std::string picks = PickGrid();
    if (Renewing()) {
        std::ofstream(File(".picks")) << picks;
        return;
    }
    EXPECT_EQ(picks, ReadText(File(".picks")));
}

std::string ShotName(const ::testing::TestParamInfo<Shot>& shot)
{
    return shot.param.name;
}

INSTANTIATE_TEST_SUITE_P(Levels, ViewReferenceTest, ::testing::ValuesIn(kShots), ShotName);
INSTANTIATE_TEST_SUITE_P(Levels, ViewPickTest, ::testing::ValuesIn(PickShots()), ShotName);

} // namespace
