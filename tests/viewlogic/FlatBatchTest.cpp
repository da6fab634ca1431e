// The edit view draws walls and items through one batch with its own vertex
// arithmetic. Its pictures must be those of the nodes drawing themselves one by
// one, pixel for pixel, for any level: crowded and overlapping objects of every
// kind, selections with their wider lines, nested and transformed groups, and
// nodes that draw themselves in between.
#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "batching/FlatLevel.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"
#include "scenegraph/CSGRotation.h"
#include "scenegraph/CSGTranslation.h"
#include "tests/support/OffscreenContext.h"
#include "views/EditProjection.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 200;

// Walls and items at random places, turns, sizes, heights and types, so that
// edges, fills and signs cross each other and fall on every fraction of a
// pixel.
void AddCrowd(CSGGroup& group, std::mt19937& random, int count)
{
    std::uniform_real_distribution<float> place(-12.0f, 12.0f);
    std::uniform_real_distribution<float> size(0.05f, 4.0f);
    std::uniform_real_distribution<float> turn(0.0f, 360.0f);
    for (int i = 0; i < count; ++i) {
        auto* wall = new Wall(place(random), place(random), size(random), size(random) / 4.0f);
        wall->OrientationAngle = turn(random);
        wall->m_height = i % 3 == 0 ? 1.0f : size(random);
        wall->selected = i % 17 == 0;
        group.AppendChild(wall);
        auto* item = new Item(place(random), i % 4 == 0 ? 0.0f : size(random), place(random), ITEM_NORMAL + i % 7);
        item->m_size = size(random) / 8.0f;
        item->selected = i % 13 == 0;
        group.AppendChild(item);
    }
}

// A level as a file may hold it: the start marker and the floor between walls
// and items, and crowds inside a group that is moved and turned, and inside one
// nested in it.
void BuildLevel(LevelGroupNode& level)
{
    std::mt19937 random(2024);
    auto* floor = new LevelFloor;
    floor->Width = 30;
    floor->Heigth = 20;
    level.AppendChild(floor);
    AddCrowd(level, random, 60);
    auto* start = new StartPositionNode(1.0f, 0.0f, -2.0f, 30.0f);
    start->selected = true;
    level.AppendChild(start);
    AddCrowd(level, random, 60);

    auto* moved = new CSGGroup;
    auto* translation = new CSGTranslation;
    translation->VX = 3.3f;
    translation->VZ = -1.7f;
    moved->AppendChild(translation);
    auto* rotation = new CSGRotation;
    rotation->AxisY = 1.0f;
    rotation->AngleDeg = 23.0f;
    moved->AppendChild(rotation);
    AddCrowd(*moved, random, 40);
    auto* nested = new CSGGroup;
    nested->SaveLightState = false;
    AddCrowd(*nested, random, 20);
    moved->AppendChild(nested);
    AddCrowd(*moved, random, 20);
    level.AppendChild(moved);
}

std::vector<unsigned char> Pixels()
{
    std::vector<unsigned char> pixels(kWidth * kHeight * 4);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// The frame as the nodes draw it themselves, without the batch.
std::vector<unsigned char> DrawnNodeByNode(const EditCamera& camera, CSGGroup& level)
{
    DrawEditFrame(camera, 1, nullptr);
    SetupEditRenderingState();
    ApplyEditCamera(camera);
    level.Draw(FLAT_DRAW_TIME);
    return Pixels();
}

// The edit view over the whole level, odd centres and zooms, and close enough
// for the signs.
std::vector<EditCamera> Cameras()
{
    std::vector<EditCamera> cameras;
    const float shots[][3]
        = {{0.07f, 0.0f, 0.0f}, {0.0913f, 1.37f, -2.71f}, {0.31f, -3.3f, 0.77f}, {1.7f, 0.11f, 0.23f}};
    for (const auto& shot : shots) {
        EditCamera camera;
        camera.aspect = static_cast<float>(kWidth) / kHeight;
        camera.zoom = shot[0];
        camera.copX = shot[1];
        camera.copY = shot[2];
        cameras.push_back(camera);
    }
    return cameras;
}

// The crowded level in a context of the test's size.
class FlatBatchTest : public ::testing::Test {
protected:
    FlatBatchTest()
    {
        glViewport(0, 0, kWidth, kHeight);
        BuildLevel(level);
    }

    OffscreenContext context{kWidth, kHeight};
    LevelGroupNode level;
};

TEST_F(FlatBatchTest, EditFramesEqualTheNodesDrawingThemselves)
{
    for (const EditCamera& camera : Cameras()) {
        const std::vector<unsigned char> expected = DrawnNodeByNode(camera, level);
        DrawEditFrame(camera, 1, &level);
        EXPECT_TRUE(Pixels() == expected) << "zoom " << camera.zoom;
    }
}

int BitOrder(const std::vector<GLfloat>& a, const std::vector<GLfloat>& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return std::memcmp(a.data(), b.data(), a.size() * sizeof(GLfloat));
}

// A feedback buffer's primitives (each token with its vertices), in an order of
// their bits: the batch draws fills before lines, and the pixels tell that
// this keeps the picture.
std::vector<std::vector<GLfloat>> Primitives(const std::vector<GLfloat>& feedback)
{
    constexpr std::size_t kVertex = 3; // GL_3D
    std::vector<std::vector<GLfloat>> primitives;
    for (std::size_t at = 0; at < feedback.size();) {
        const auto token = static_cast<GLint>(feedback[at]);
        std::size_t length = 1 + kVertex;
        if (token == GL_POLYGON_TOKEN)
            length = 2 + kVertex * static_cast<std::size_t>(feedback[at + 1]);
        else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN)
            length = 1 + 2 * kVertex;
        else if (token == GL_PASS_THROUGH_TOKEN)
            length = 2;
        primitives.emplace_back(feedback.begin() + static_cast<std::ptrdiff_t>(at),
                                feedback.begin() + static_cast<std::ptrdiff_t>(std::min(at + length, feedback.size())));
        at += length;
    }
    std::sort(primitives.begin(), primitives.end(), [](const auto& a, const auto& b) { return BitOrder(a, b) < 0; });
    return primitives;
}

bool SameBits(const std::vector<std::vector<GLfloat>>& a, const std::vector<std::vector<GLfloat>>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) { return BitOrder(x, y) == 0; });
}

// Pixels forgive a rounding that happens to miss every pixel centre; window
// coordinates do not. Every vertex must reach the rasteriser with the very bits
// it has without the batch.
TEST_F(FlatBatchTest, VerticesReachTheRasteriserBitForBit)
{
    for (const EditCamera& camera : Cameras()) {
        std::vector<GLfloat> feedback[2];
        for (int batched = 0; batched < 2; ++batched) {
            feedback[batched].assign(1 << 20, 0.0f);
            glFeedbackBuffer(static_cast<GLsizei>(feedback[batched].size()), GL_3D, feedback[batched].data());
            glRenderMode(GL_FEEDBACK);
            SetupEditRenderingState();
            ApplyEditCamera(camera);
            batched ? DrawFlatLevel(level) : level.Draw(FLAT_DRAW_TIME);
            const GLint values = glRenderMode(GL_RENDER);
            ASSERT_GT(values, 0) << "the buffer holds the whole level";
            feedback[batched].resize(static_cast<std::size_t>(values));
        }
        ASSERT_EQ(feedback[0].size(), feedback[1].size()) << "zoom " << camera.zoom;
        EXPECT_TRUE(SameBits(Primitives(feedback[0]), Primitives(feedback[1]))) << "zoom " << camera.zoom;
    }
}

// What a following node or the next frame finds: as the nodes drawing
// themselves leave it.
struct DrawingState {
    GLfloat colour[4];
    GLfloat lineWidth;
    GLint polygonModes[2];
    GLfloat modelview[16];
    GLfloat projection[16];
    GLint matrixMode;

    static DrawingState Read()
    {
        DrawingState state{};
        glGetFloatv(GL_CURRENT_COLOR, state.colour);
        glGetFloatv(GL_LINE_WIDTH, &state.lineWidth);
        glGetIntegerv(GL_POLYGON_MODE, state.polygonModes);
        glGetFloatv(GL_MODELVIEW_MATRIX, state.modelview);
        glGetFloatv(GL_PROJECTION_MATRIX, state.projection);
        glGetIntegerv(GL_MATRIX_MODE, &state.matrixMode);
        return state;
    }
    bool operator==(const DrawingState& other) const { return std::memcmp(this, &other, sizeof other) == 0; }
};

TEST_F(FlatBatchTest, LeavesTheStateTheNodesLeave)
{
    DrawingState after[2];
    for (int batched = 0; batched < 2; ++batched) {
        EditCamera camera;
        camera.zoom = 0.1f;
        SetupEditRenderingState();
        ApplyEditCamera(camera);
        glColor4f(0.2f, 0.4f, 0.6f, 0.8f);
        glLineWidth(1.5f);
        glPolygonMode(GL_FRONT, GL_FILL);
        batched ? DrawFlatLevel(level) : level.Draw(FLAT_DRAW_TIME);
        after[batched] = DrawingState::Read();
    }
    EXPECT_TRUE(after[0] == after[1]);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
