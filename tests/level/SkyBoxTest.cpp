#include <array>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include <GL/glu.h>
#include <gtest/gtest.h>

#include "glext/GLExtensions.h"
#include "image/ImageFile.h"
#include "level/CICubeMapNode.h"
#include "scenegraph/CSGGroup.h"
#include "tests/image/ImageTestSupport.h"
#include "tests/level/LevelTestSupport.h"

namespace {

const char* const kSuffixes[6] = {"_negx", "_posx", "_negy", "_posy", "_negz", "_posz"};
const std::array<unsigned char, 3> kDayColours[6] = {
    {{255, 0, 0}}, {{0, 255, 0}}, {{0, 0, 255}}, {{255, 255, 0}}, {{255, 0, 255}}, {{0, 255, 255}}};
const std::array<unsigned char, 3> kNightColours[6] = {
    {{128, 0, 0}}, {{0, 128, 0}}, {{0, 0, 128}}, {{128, 128, 0}}, {{128, 0, 128}}, {{0, 128, 128}}};
constexpr int kNegZ = 4;
constexpr int kPosZ = 5;

const char kWarning[] =
    "Warning: Your graphics hw does not support ARB_texture_cube_map\nUsing just six textures...";

// Six solid faces "<stem>_negx.png" ... in the folder; 3 x 3 pixels, so rows are not
// 4-byte aligned.
void WriteFaces(const TempDir& dir, const std::string& stem, const std::array<unsigned char, 3> (&colours)[6])
{
    for (int i = 0; i < 6; ++i) {
        const auto& c = colours[i];
        ASSERT_TRUE(SaveSolidImage(dir.File(stem + kSuffixes[i] + ".png"), IL_PNG, IL_RGB, 3, 3,
                                   {c[0], c[1], c[2]}));
    }
}

bool Matches(const std::array<unsigned char, 4>& pixel, const std::array<unsigned char, 3>& colour)
{
    for (int i = 0; i < 3; ++i)
        if (std::abs(pixel[i] - colour[i]) > 2)
            return false;
    return true;
}

int Count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (std::size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1))
        ++n;
    return n;
}

// The sky box drawn in an offscreen context with a wide perspective camera, for both paths.
class SkyBoxTest : public ::testing::TestWithParam<bool> {
protected:
    SkyBoxTest()
    {
        SetExtensionAvailable("GL_ARB_texture_cube_map", GetParam());
        glMatrixMode(GL_PROJECTION);
        gluPerspective(90.0, 1.0, 0.1, 10.0);
        glMatrixMode(GL_MODELVIEW);
    }

    // Draws with the modelview `setView` leaves and returns the stdout written meanwhile.
    template <class SetView>
    std::string DrawWith(CICubeMapNode& node, SetView setView)
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        setView();
        ::testing::internal::CaptureStdout();
        node.Draw(0.0f);
        return ::testing::internal::GetCapturedStdout();
    }

    std::string Draw(CICubeMapNode& node)
    {
        return DrawWith(node, [] {});
    }

    std::vector<unsigned char> Picture() const
    {
        std::vector<unsigned char> pixels(64 * 64 * 4);
        glReadPixels(0, 0, 64, 64, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    std::array<unsigned char, 4> Centre() const { return m_context.Pixel(32, 32); }

    // The face straight ahead: the cube map looks up -Z in its negative Z face; the six
    // textures are laid so that the positive Z image lies ahead.
    int FaceAhead() const { return GetParam() ? kNegZ : kPosZ; }

    OffscreenContext m_context{64, 64};
    TempDir m_dir;
};

} // namespace

TEST(SkyBoxFaceNames, SuffixGoesBeforeTheLastDot)
{
    std::string names[6];
    ASSERT_TRUE(SkyBoxFaceNames("../data/CubeMaps/Special/default.png", names));
    EXPECT_EQ(names[0], "../data/CubeMaps/Special/default_negx.png");
    EXPECT_EQ(names[1], "../data/CubeMaps/Special/default_posx.png");
    EXPECT_EQ(names[2], "../data/CubeMaps/Special/default_negy.png");
    EXPECT_EQ(names[3], "../data/CubeMaps/Special/default_posy.png");
    EXPECT_EQ(names[4], "../data/CubeMaps/Special/default_negz.png");
    EXPECT_EQ(names[5], "../data/CubeMaps/Special/default_posz.png");
    ASSERT_TRUE(SkyBoxFaceNames("maps.v2/sky.day.jpg", names));
    EXPECT_EQ(names[5], "maps.v2/sky.day_posz.jpg");
    EXPECT_FALSE(SkyBoxFaceNames("skybox", names));
    EXPECT_FALSE(SkyBoxFaceNames("../data/CubeMaps/skybox", names));
    EXPECT_FALSE(SkyBoxFaceNames("", names));
}

TEST_P(SkyBoxTest, ShowsTheFaceAheadAndWarnsOnlyWithoutTheExtension)
{
    WriteFaces(m_dir, "sky", kDayColours);
    CICubeMapNode node;
    node.TextureBaseName = m_dir.File("sky.png");
    const std::string first = Draw(node);
    EXPECT_FALSE(node.m_reloadNeeded);
    EXPECT_TRUE(Matches(Centre(), kDayColours[FaceAhead()]));
    const std::string second = Draw(node);
    if (GetParam()) {
        EXPECT_EQ(first, "");
        EXPECT_EQ(second, "");
    } else {
        EXPECT_EQ(first, std::string(kWarning) + kWarning) << "at load and at the draw";
        EXPECT_EQ(second, kWarning) << "again at every draw";
    }
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    GLboolean depthMask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
    EXPECT_TRUE(depthMask);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_P(SkyBoxTest, TranslationAndScaleDoNotChangeThePicture)
{
    WriteFaces(m_dir, "sky", kDayColours);
    CICubeMapNode node;
    node.TextureBaseName = m_dir.File("sky.png");
    auto rotate = [] {
        glRotatef(35.0f, 0.0f, 1.0f, 0.0f);
        glRotatef(20.0f, 1.0f, 0.0f, 0.0f);
    };
    DrawWith(node, rotate);
    const auto rotated = Picture();
    DrawWith(node, [&] {
        glTranslatef(3.0f, -2.0f, 5.0f);
        glScalef(2.0f, 2.0f, 2.0f);
        rotate();
    });
    const auto moved = Picture();
    int differing = 0;
    for (std::size_t i = 0; i < rotated.size(); ++i)
        differing += std::abs(rotated[i] - moved[i]) > 2;
    EXPECT_LE(differing, 8) << "only rounding at face edges may differ";
    DrawWith(node, [] {});
    EXPECT_NE(Picture(), rotated) << "the rotation itself does turn the box";
}

TEST_P(SkyBoxTest, MirroredViewStillLosesItsScale)
{
    WriteFaces(m_dir, "sky", kDayColours);
    CICubeMapNode node;
    node.TextureBaseName = m_dir.File("sky.png");
    DrawWith(node, [] {
        glScalef(-2.0f, 2.0f, 2.0f);
        glRotatef(10.0f, 0.0f, 1.0f, 0.0f);
    });
    for (float v : node.m_viewRotation.m)
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_NEAR(std::fabs(node.m_viewRotation.Determinant()), 1.0f, 1e-4f);
    EXPECT_FALSE(IsBackground(Centre()));
}

TEST_P(SkyBoxTest, ReloadReusesTheTextureNames)
{
    WriteFaces(m_dir, "day", kDayColours);
    WriteFaces(m_dir, "night", kNightColours);
    CICubeMapNode node;
    node.TextureBaseName = m_dir.File("day.png");
    Draw(node);
    const unsigned cube = node.m_skyBox.m_cubeTexture;
    const unsigned firstFace = node.m_skyBox.m_faceTextures[0];
    EXPECT_NE(GetParam() ? cube : firstFace, 0u);

    node.TextureBaseName = m_dir.File("night.png");
    node.m_reloadNeeded = true;
    Draw(node);
    EXPECT_EQ(node.m_skyBox.m_cubeTexture, cube);
    EXPECT_EQ(node.m_skyBox.m_faceTextures[0], firstFace);
    EXPECT_TRUE(Matches(Centre(), kNightColours[FaceAhead()]));
}

TEST_P(SkyBoxTest, BaseNameWithoutExtensionLoadsAndDrawsNothing)
{
    for (const std::string base : {"skybox", "../data/CubeMaps/skybox"}) {
        CICubeMapNode node;
        node.TextureBaseName = base;
        const std::string output = Draw(node) + Draw(node);
        EXPECT_EQ(Count(output, "\n"), 1) << output;
        EXPECT_NE(output.find(base), std::string::npos);
        EXPECT_EQ(Count(output, "Warning"), 0);
        EXPECT_TRUE(IsBackground(Centre()));
        EXPECT_EQ(node.m_skyBox.m_cubeTexture, 0u);
        EXPECT_EQ(node.m_skyBox.m_faceTextures[0], 0u);
    }
}

TEST_P(SkyBoxTest, FacesInOtherPixelLayoutsAreConverted)
{
    WriteFaces(m_dir, "sky", kDayColours);
    const std::string ahead = m_dir.File(std::string("sky") + kSuffixes[FaceAhead()] + ".png");
    ASSERT_TRUE(SaveSolidImage(ahead, IL_PNG, IL_RGBA, 3, 3, {10, 200, 30, 255}));
    CICubeMapNode node;
    node.TextureBaseName = m_dir.File("sky.png");
    Draw(node);
    EXPECT_TRUE(Matches(Centre(), {{10, 200, 30}}));

    ASSERT_TRUE(SaveSolidImage(ahead, IL_PNG, IL_LUMINANCE, 3, 3, {90}));
    node.m_reloadNeeded = true;
    Draw(node);
    EXPECT_TRUE(Matches(Centre(), {{90, 90, 90}}));
}

TEST_P(SkyBoxTest, FaceThatCannotBeLoadedShowsTheNoTextureImageNotTheFormerFace)
{
    WriteFaces(m_dir, "day", kDayColours);
    WriteFaces(m_dir, "night", kNightColours);
    const std::array<unsigned char, 3> magenta{{255, 0, 255}};
    ASSERT_TRUE(SaveSolidImage(m_dir.File("notex.png"), IL_PNG, IL_RGB, 5, 5, {255, 0, 255}));
    const std::string ahead = m_dir.File(std::string("night") + kSuffixes[FaceAhead()] + ".png");
    CICubeMapNode node;
    node.m_skyBox.m_fallbackPath = m_dir.File("notex.png");
    node.TextureBaseName = m_dir.File("day.png");
    Draw(node);
    ASSERT_TRUE(Matches(Centre(), kDayColours[FaceAhead()]));
    TakeImageNotices();

    const struct {
        std::string what;
        Bytes bytes; // empty: the file is missing
    } faces[] = {{"missing", {}}, {"not an image", {'G', 'I', 'F', '8', '9', 'a'}}, {"too large", PngHeader(30000, 30000)}};
    for (const auto& face : faces) {
        std::remove(ahead.c_str());
        if (!face.bytes.empty())
            WriteImageBytes(ahead, face.bytes);
        node.TextureBaseName = m_dir.File("night.png");
        node.m_reloadNeeded = true;
        Draw(node);
        EXPECT_TRUE(Matches(Centre(), magenta)) << face.what;
        EXPECT_EQ(TakeImageNotices().size(), face.what == "too large" ? 1u : 0u) << face.what;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << face.what;
    }

    // With several faces missing, each shows the no-texture image, not only the first.
    for (int i = 0; i <= FaceAhead(); ++i)
        std::remove(m_dir.File(std::string("night") + kSuffixes[i] + ".png").c_str());
    node.m_reloadNeeded = true;
    Draw(node);
    EXPECT_TRUE(Matches(Centre(), magenta)) << "several missing";

    // Without the no-texture image the face is left empty, still not showing the day.
    node.m_skyBox.m_fallbackPath = m_dir.File("gone.png");
    node.m_reloadNeeded = true;
    Draw(node);
    EXPECT_FALSE(Matches(Centre(), kDayColours[FaceAhead()]));
    EXPECT_FALSE(Matches(Centre(), kNightColours[FaceAhead()]));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_P(SkyBoxTest, SkyBoxAfterTheLevelDoesNotCoverIt)
{
    WriteFaces(m_dir, "sky", kDayColours);
    // An opaque red square straight ahead, behind the box's faces.
    class Panel : public CSGNode {
    public:
        void Draw(float) override
        {
            glColor3ub(200, 0, 0);
            glBegin(GL_QUADS);
            glVertex3f(-1, -1, -3);
            glVertex3f(1, -1, -3);
            glVertex3f(1, 1, -3);
            glVertex3f(-1, 1, -3);
            glEnd();
        }
        void WriteXml(std::FILE*) override {}
        void ReadXml(const XmlElement&, CSGScene&) override {}
    };
    auto picture = [&](bool skyFirst) {
        CSGGroup root;
        auto* node = new CICubeMapNode;
        node->TextureBaseName = m_dir.File("sky.png");
        root.AppendChild(skyFirst ? static_cast<CSGNode*>(node) : new Panel);
        root.AppendChild(skyFirst ? static_cast<CSGNode*>(new Panel) : node);
        glEnable(GL_DEPTH_TEST);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        ::testing::internal::CaptureStdout();
        root.Draw(0.0f);
        ::testing::internal::GetCapturedStdout();
        return Picture();
    };
    const auto first = picture(true);
    const auto last = picture(false);
    EXPECT_TRUE(Matches(Centre(), {{200, 0, 0}}));
    EXPECT_FALSE(IsBackground(m_context.Pixel(2, 2))) << "the sky around it";
    EXPECT_FALSE(Matches(m_context.Pixel(2, 2), {{200, 0, 0}}));
    EXPECT_EQ(first, last) << "the same picture wherever the sky box stands";
    GLint depthFunc = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    EXPECT_EQ(depthFunc, GL_LESS);
}

TEST_P(SkyBoxTest, DrawLeavesTheFiltersOfOtherTexturesAlone)
{
    WriteFaces(m_dir, "sky", kDayColours);
    CICubeMapNode node;
    node.TextureBaseName = m_dir.File("sky.png");
    const unsigned char texels[4 * 4 * 3] = {};
    GLuint wall = 0;
    glGenTextures(1, &wall);
    glBindTexture(GL_TEXTURE_2D, wall);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 4, 4, GL_RGB, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    for (int frame = 0; frame < 2; ++frame) {
        glBindTexture(GL_TEXTURE_2D, wall); // the last wall drawn in the frame before
        Draw(node);
        glBindTexture(GL_TEXTURE_2D, wall);
        GLint filter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
        EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR) << "frame " << frame;
    }
    glDeleteTextures(1, &wall);
}

TEST_P(SkyBoxTest, DestructionDeletesTheTextures)
{
    WriteFaces(m_dir, "sky", kDayColours);
    std::vector<unsigned> names;
    {
        CICubeMapNode node;
        node.TextureBaseName = m_dir.File("sky.png");
        Draw(node);
        names.push_back(node.m_skyBox.m_cubeTexture);
        names.insert(names.end(), std::begin(node.m_skyBox.m_faceTextures),
                     std::end(node.m_skyBox.m_faceTextures));
        EXPECT_TRUE(glIsTexture(GetParam() ? names[0] : names[1]));
    }
    for (unsigned name : names)
        EXPECT_FALSE(glIsTexture(name)) << name;
}

INSTANTIATE_TEST_SUITE_P(CubeMapExtension, SkyBoxTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) { return param.param ? "CubeMap" : "SixTextures"; });
