#include <vector>

#include <gtest/gtest.h>

#include "level/BoxGeometry.h"
#include "level/FlatStyle.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"
#include "tests/level/LevelTestSupport.h"

namespace {

constexpr float kFlat = -1.0f;

// A 2 x 1 texture, red on the left half and blue on the right, repeating without filtering.
GLuint MakeStripeTexture()
{
    const unsigned char texels[] = {255, 0, 0, 0, 0, 255};
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

// An orthographic front view of [-half, half] in X and Y around the origin, looking along -Z;
// clears colour and depth and enables the depth test.
void LookAlongMinusZ(float half)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-half, half, -half, half, -100.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
}

bool IsRed(const std::array<unsigned char, 4>& p) { return HasColour(p, 1, 0, 0); }

// How far apart two colours are: the sum of the channel differences.
int Distance(const std::array<unsigned char, 4>& a, const std::array<unsigned char, 4>& b)
{
    return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
}
// Far enough apart to tell at a glance.
constexpr int kDistinct = 90;
bool IsBlue(const std::array<unsigned char, 4>& p) { return HasColour(p, 0, 0, 1); }

} // namespace

TEST(LevelDrawing, FloorCoversTwentyBySixteenInItsEditColour)
{
    OffscreenContext context(64, 64);
    TopDownCamera camera(context, 16.0f);
    LevelFloor floor;
    floor.Draw(kFlat);
    EXPECT_TRUE(HasColour(camera.At(0, 0), 0.1f, 0.8f, 0.8f));
    EXPECT_TRUE(HasColour(camera.At(9.7f, 7.7f), 0.1f, 0.8f, 0.8f));
    EXPECT_TRUE(HasColour(camera.At(-9.7f, -7.7f), 0.1f, 0.8f, 0.8f));
    EXPECT_TRUE(IsBackground(camera.At(10.3f, 0)));
    EXPECT_TRUE(IsBackground(camera.At(-10.3f, 0)));
    EXPECT_TRUE(IsBackground(camera.At(0, 8.3f)));
    EXPECT_TRUE(IsBackground(camera.At(0, -8.3f)));
}

TEST(LevelDrawing, FloorTopIsAtZeroAndBottomAtMinusOne)
{
    OffscreenContext context(64, 64);
    LookAlongMinusZ(16.0f);
    LevelFloor floor;
    floor.Draw(kFlat);
    auto row = [&](float y) { return context.Pixel(32, static_cast<int>((y + 16) * 2)); };
    EXPECT_TRUE(IsBackground(row(0.25f)));
    EXPECT_TRUE(HasColour(row(-0.25f), 0.1f, 0.8f, 0.8f));
    EXPECT_TRUE(HasColour(row(-0.75f), 0.1f, 0.8f, 0.8f));
    EXPECT_TRUE(IsBackground(row(-1.25f)));
}

TEST(LevelDrawing, WallStandsOnTheFloorTurnedAboutItsCentre)
{
    OffscreenContext context(64, 64);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    TopDownCamera camera(context, 8.0f);
    Wall wall(2.0f, -3.0f, 4.0f, 1.0f);
    wall.Draw(kFlat);
    // The wall's fill: its colour lightened half way to white.
    EXPECT_TRUE(HasColour(camera.At(0.3f, -3.0f), 0.75f, 0.7f, 0.6f));
    EXPECT_TRUE(HasColour(camera.At(3.6f, -2.8f), 0.75f, 0.7f, 0.6f));
    EXPECT_TRUE(IsBackground(camera.At(2.0f, -4.0f)));

    TopDownCamera again(context, 8.0f);
    wall.OrientationAngle = 90.0f;
    wall.Draw(kFlat);
    EXPECT_TRUE(HasColour(again.At(2.0f, -4.7f), 0.75f, 0.7f, 0.6f));
    EXPECT_TRUE(IsBackground(again.At(0.2f, -3.0f)));
}

TEST(LevelDrawing, ItemAndStartMarkerEditShapes)
{
    OffscreenContext context(64, 64);
    TopDownCamera camera(context, 4.0f);
    Item item(2.0f, 0.0f, 2.0f, ITEM_LIFE_EXTRA);
    item.Draw(kFlat);
    EXPECT_FALSE(IsBackground(camera.At(2.4f, 2.4f))) << "a unit square around its position";
    EXPECT_TRUE(IsBackground(camera.At(2.6f, 2.0f)));

    StartPositionNode marker(-2.0f, 0.0f, 1.0f, 0.0f);
    marker.Draw(kFlat);
    // The cone's tip points along -Z: its shadow lies between z = 1 and z = -1.
    EXPECT_TRUE(HasColour(camera.At(-2.0f, 0.5f), 1.0f, 0.5f, 0.5f));
    EXPECT_TRUE(HasColour(camera.At(-2.0f, -0.5f), 1.0f, 0.5f, 0.5f));
    EXPECT_TRUE(IsBackground(camera.At(-2.0f, 1.5f)));
    EXPECT_TRUE(IsBackground(camera.At(-2.0f, -1.5f)));
}

TEST(LevelDrawing, SelectionIsTintedInThePreviewAndHasAColourOfItsOwnInTheEditView)
{
    OffscreenContext context(64, 64);
    LevelFloor floor;
    Wall wall(-5.0f, 0.0f, 2.0f, 2.0f);
    Item item(5.0f, 0.0f, 0.0f, ITEM_NORMAL);
    StartPositionNode marker(0.0f, 0.0f, 5.0f, 0.0f);
    item.Prepare();
    LevelObject* objects[] = {&floor, &wall, &item, &marker};
    // Each object's colour, drawn solid at time t, selected or not, seen `half` units each way.
    auto colours = [&](float t, bool selected, float half = 16.0f) {
        TopDownCamera camera(context, half);
        for (LevelObject* object : objects)
            object->selected = selected;
        floor.Draw(t);
        wall.Draw(t);
        item.Draw(t);
        marker.Draw(t);
        return std::vector<std::array<unsigned char, 4>>{camera.At(0.0f, -6.0f), camera.At(-5.0f, 0.0f),
                                                        camera.At(5.0f, 0.0f), camera.At(0.0f, 4.0f)};
    };
    // In the preview the floor and the wall keep their own look under the selection's tint,
    // the edit view's colour made lighter; the start marker is red.
    // Close enough that the outline leaves the middle of the wall to the tint.
    const auto preview = colours(0.0f, true, 8.0f);
    const FlatColour tint = SelectionTint();
    for (std::size_t i : {0u, 1u})
        EXPECT_TRUE(HasColour(preview[i], tint.r, tint.g, tint.b)) << "object " << i;
    EXPECT_TRUE(IsRed(preview[3]));

    const auto own = colours(kFlat, false);
    const auto selected = colours(kFlat, true);
    for (std::size_t i = 0; i < selected.size(); ++i) {
        EXPECT_EQ(selected[i], selected[0]) << "object " << i;
        EXPECT_GT(Distance(selected[i], own[i]), kDistinct) << "object " << i;
        EXPECT_GT(Distance(selected[i], own[3]), kDistinct) << "the start marker's own colour, object " << i;
    }
}

// The colours met on the straight way from level point (x0, z0) to (x1, z1), in order, each
// once however many pixels it covers.
std::vector<std::array<unsigned char, 4>> ColoursAlong(const OffscreenContext& context,
                                                       const TopDownCamera& camera, float x0, float z0,
                                                       float x1, float z1)
{
    const int px0 = camera.PixelX(x0);
    const int py0 = camera.PixelY(z0);
    const int steps = std::max(std::abs(camera.PixelX(x1) - px0), std::abs(camera.PixelY(z1) - py0));
    std::vector<std::array<unsigned char, 4>> colours;
    for (int i = 0; i <= steps; ++i) {
        const auto pixel = context.Pixel(px0 + (camera.PixelX(x1) - px0) * i / std::max(steps, 1),
                                         py0 + (camera.PixelY(z1) - py0) * i / std::max(steps, 1));
        if (colours.empty() || colours.back() != pixel)
            colours.push_back(pixel);
    }
    return colours;
}

TEST(LevelDrawing, EditViewFillsWallsUnderTheirOutline)
{
    OffscreenContext context(128, 128);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    TopDownCamera camera(context, 4.0f, -10.0f, 0.0f);
    // The floor's left outline at X = -10 runs under the middle of the wall.
    LevelFloor floor;
    Wall wall(-10.0f, 0.0f, 4.0f, 2.0f);
    floor.Draw(kFlat);
    wall.Draw(kFlat);
    // Across the wall: background, outline, one fill without the floor's line, outline, background.
    const auto across = ColoursAlong(context, camera, -13.0f, 0.5f, -7.0f, 0.5f);
    ASSERT_EQ(across.size(), 5u);
    EXPECT_TRUE(IsBackground(across[0]) && IsBackground(across[4]));
    EXPECT_TRUE(HasColour(across[1], 0.5f, 0.4f, 0.2f));
    EXPECT_EQ(across[3], across[1]);
    EXPECT_GT(Distance(across[2], across[1]), 0);
    // Beside the wall the floor's outline shows.
    const auto beside = ColoursAlong(context, camera, -11.0f, 2.0f, -9.0f, 2.0f);
    ASSERT_EQ(beside.size(), 3u);
    EXPECT_TRUE(HasColour(beside[1], 0.1f, 0.8f, 0.8f));
}

TEST(LevelDrawing, EditViewTellsItemTypesApart)
{
    OffscreenContext context(128, 128);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    const int types[] = {ITEM_NORMAL, ITEM_LIFE_EXTRA, ITEM_NO_GROWTH, ITEM_DECREASE_LENGTH,
                         ITEM_INCREASE_SPEED, ITEM_DECREASE_SPEED};
    std::vector<std::array<unsigned char, 4>> fills;
    for (int type : types) {
        TopDownCamera camera(context, 1.0f); // 64 pixels a unit
        Item item(0.0f, 0.0f, 0.0f, type);
        item.Draw(kFlat);
        fills.push_back(camera.At(0.35f, 0.35f));
        EXPECT_FALSE(IsBackground(fills.back())) << type;
        // The preview's sign on top: a bar across, and one along unless it is a minus.
        const bool minus = type == ITEM_DECREASE_LENGTH || type == ITEM_DECREASE_SPEED;
        EXPECT_EQ(ColoursAlong(context, camera, -0.4f, 0.15f, 0.4f, 0.15f).size(), minus ? 1u : 3u) << type;
        EXPECT_EQ(ColoursAlong(context, camera, 0.15f, -0.4f, 0.15f, 0.4f).size(), 3u) << type;
    }
    for (std::size_t i = 0; i < fills.size(); ++i)
        for (std::size_t j = i + 1; j < fills.size(); ++j)
            EXPECT_GT(Distance(fills[i], fills[j]), kDistinct) << types[i] << " and " << types[j];
}

TEST(LevelDrawing, ItemSignHasOneBarForDecreasingTypes)
{
    const int types[] = {ITEM_NORMAL, ITEM_LIFE_EXTRA, ITEM_NO_GROWTH, ITEM_DECREASE_LENGTH,
                         ITEM_INCREASE_SPEED, ITEM_DECREASE_SPEED};
    for (int type : types) {
        OffscreenContext context(64, 64);
        LookAlongMinusZ(1.0f);
        Item item(0.0f, -0.5f, 0.0f, type);
        item.Prepare();
        item.Draw(0.0f);
        // Where a bar is, the glass sphere blends the item colour over the same colour; beside
        // the bars it blends over the background and stays darker.
        auto brightness = [&](float x, float y) {
            auto p = context.Pixel(static_cast<int>((x + 1) * 32), static_cast<int>((y + 1) * 32));
            return p[0] + p[1] + p[2];
        };
        const int horizontalBar = brightness(0.2f, 0.0f);
        const int verticalBar = brightness(0.0f, 0.2f);
        const int beside = brightness(0.2f, 0.2f);
        EXPECT_GT(horizontalBar, beside + 30) << type;
        const bool minus = type == ITEM_DECREASE_LENGTH || type == ITEM_DECREASE_SPEED;
        if (minus) {
            EXPECT_LT(std::abs(verticalBar - beside), 10) << type;
        } else {
            EXPECT_GT(verticalBar, beside + 30) << type;
        }
    }
}

TEST(LevelDrawing, ItemTypeColourInThePreview)
{
    OffscreenContext context(64, 64);
    LookAlongMinusZ(1.0f);
    Item item(0.0f, -0.5f, 0.0f, ITEM_DECREASE_LENGTH);
    item.Prepare();
    EXPECT_FALSE(item.m_listsNeeded);
    EXPECT_TRUE(glIsList(item.m_sphereList));
    EXPECT_TRUE(glIsList(item.m_cubeList));
    item.Draw(0.0f);
    EXPECT_TRUE(HasColour(context.Pixel(32, 32), 0.2f, 0.8f, 0.8f));
}

// A floor with the stripe texture, seen from above near its corner at (-10, 8), where the
// texture coordinates are (0, 0). S runs from 0 at X = -10 to 10 at X = 10, so one repeat of
// the texture spans two level units.
class TexturedFloorTest : public ::testing::Test {
protected:
    TexturedFloorTest() { m_floor.SetGLTexture(m_texture); }
    ~TexturedFloorTest() override { glDeleteTextures(1, &m_texture); }

    // Draws the floor at time t in a view of 2 x 2 units centred on (-9, cz).
    TopDownCamera Draw(float t, float cz = 0.0f)
    {
        TopDownCamera camera(m_context, 1.0f, -9.0f, cz);
        m_floor.Draw(t);
        return camera;
    }

    OffscreenContext m_context{64, 64};
    GLuint m_texture = MakeStripeTexture();
    LevelFloor m_floor;
};

TEST_F(TexturedFloorTest, ScaleRepeatsTheTexture)
{
    TopDownCamera camera = Draw(0.0f);
    EXPECT_TRUE(IsRed(camera.At(-9.75f, 0)));
    EXPECT_TRUE(IsRed(camera.At(-9.25f, 0)));
    EXPECT_TRUE(IsBlue(camera.At(-8.75f, 0)));
    EXPECT_TRUE(IsBlue(camera.At(-8.25f, 0)));

    m_floor.SetTexScaleX(2.0f);
    camera = Draw(0.0f);
    EXPECT_TRUE(IsRed(camera.At(-9.75f, 0)));
    EXPECT_TRUE(IsBlue(camera.At(-9.25f, 0)));
    EXPECT_TRUE(IsRed(camera.At(-8.75f, 0)));
    EXPECT_TRUE(IsBlue(camera.At(-8.25f, 0)));

    // In the edit view the texture is never used.
    camera = Draw(kFlat);
    EXPECT_TRUE(HasColour(camera.At(-9.75f, 0), 0.1f, 0.8f, 0.8f));
    EXPECT_TRUE(HasColour(camera.At(-8.25f, 0), 0.1f, 0.8f, 0.8f));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TexturedFloorTest, RotationTurnsAboutTheCentreOfTheUnitSquare)
{
    m_floor.SetTexRotationAngleDeg(90.0f);
    TopDownCamera camera = Draw(0.0f, 7.0f);
    // Turned by 90 degrees the stripes run along X: constant across, changing along Z.
    EXPECT_EQ(camera.At(-9.5f, 7.5f), camera.At(-8.5f, 7.5f));
    EXPECT_EQ(camera.At(-9.5f, 6.5f), camera.At(-8.5f, 6.5f));
    EXPECT_NE(camera.At(-9.5f, 7.5f), camera.At(-9.5f, 6.5f));
}

TEST_F(TexturedFloorTest, SelectionTintsTheTextureItKeeps)
{
    m_floor.selected = true;
    TopDownCamera camera = Draw(0.0f);
    // Both stripes still show, each modulated by the selection's tint.
    const FlatColour tint = SelectionTint();
    EXPECT_TRUE(HasColour(camera.At(-9.5f, 0), tint.r, 0.0f, 0.0f));
    EXPECT_TRUE(HasColour(camera.At(-8.5f, 0), 0.0f, 0.0f, tint.b));
}

TEST(LevelDrawing, DrawingRestoresTheStateItChanged)
{
    OffscreenContext context(16, 16);
    const GLuint texture = MakeStripeTexture();
    Wall wall;
    wall.SetGLTexture(texture);
    wall.SetTexScaleX(3.0f);
    glColor3f(0.25f, 0.5f, 0.75f);
    wall.Draw(0.0f);
    // The edit view's outlines stay outlines after a wall's and an item's fill.
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    wall.Draw(kFlat);
    Item().Draw(kFlat);
    GLint modes[2];
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_TRUE(modes[0] == GL_LINE && modes[1] == GL_LINE);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 0.25f);
    GLfloat textureMatrix[16];
    glGetFloatv(GL_TEXTURE_MATRIX, textureMatrix);
    EXPECT_FLOAT_EQ(textureMatrix[0], 1.0f);
    EXPECT_EQ(GetInteger(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(GetInteger(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glDeleteTextures(1, &texture);
}
