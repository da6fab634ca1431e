// The edit view's drawing as its own window context renders it: the depth buffer of a window
// may resolve less than the offscreen one, and what lies in front must stay in front there.
#include <algorithm>
#include <array>
#include <cstdlib>

#include <GL/gl.h>

#include "level/Item.h"
#include "level/Wall.h"
#include "tests/views/ViewFixture.h"

namespace {

using Rgb = std::array<unsigned char, 3>;

class EditViewLookTest : public ViewTest {
protected:
    // Draws one frame of the edit view in its context, as its paint does, without showing it.
    void DrawFrame()
    {
        ASSERT_TRUE(edit->MakeCurrent());
        const wxSize size = edit->GetCanvas()->GetClientSize();
        glViewport(0, 0, size.x, size.y);
        DrawEditFrame(edit->Camera(), edit->m_gridSize, &LevelGroup());
        glReadBuffer(GL_BACK);
    }

    // The colours of the drawn frame along the row of level Z = z, from X = x0 to X = x1.
    std::vector<Rgb> Row(double x0, double x1, double z)
    {
        const wxPoint from = EditPixel(x0, z);
        const wxPoint to = EditPixel(x1, z);
        const int height = edit->GetCanvas()->GetClientSize().y;
        std::vector<Rgb> colours(static_cast<std::size_t>(to.x - from.x + 1));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(from.x, height - 1 - from.y, to.x - from.x + 1, 1, GL_RGB, GL_UNSIGNED_BYTE,
                     colours.data());
        return colours;
    }

    // True when one of the colours is (r, g, b), given in [0, 1], within rounding.
    static bool Contains(const std::vector<Rgb>& colours, float r, float g, float b)
    {
        return std::any_of(colours.begin(), colours.end(), [&](const Rgb& c) {
            return std::abs(c[0] - r * 255) <= 2 && std::abs(c[1] - g * 255) <= 2 &&
                   std::abs(c[2] - b * 255) <= 2;
        });
    }
};

} // namespace

TEST_F(EditViewLookTest, OutlinesAndSignsStayInFrontOfTheFills)
{
    edit->m_zoom = 0.12f;
    LevelGroup().AppendChild(new Wall(-3.0f, 2.0f, 4.0f, 2.0f));
    LevelGroup().AppendChild(new Item(3.0f, 0.0f, 2.0f, ITEM_LIFE_EXTRA));
    DrawFrame();
    EXPECT_TRUE(Contains(Row(-5.5, -4.5, 2.5), 0.5f, 0.4f, 0.2f)) << "the wall's left outline";
    EXPECT_TRUE(Contains(Row(2.7, 3.3, 2.1), 1.0f, 1.0f, 1.0f)) << "the item's sign";
}
