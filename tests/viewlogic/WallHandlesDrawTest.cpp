#include <algorithm>
#include <cmath>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "batching/FlatHandles.h"
#include "geometry/WallHandles.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "tests/support/OffscreenContext.h"
#include "views/EditProjection.h"

namespace {

// A selected wall turned by 30°, at 10 pixels a unit: each of its handles shows as a white
// square with a dark rim over the outline.
TEST(WallHandlesDraw, EachHandleIsAWhiteSquareWithADarkRim)
{
    OffscreenContext context(800, 400);
    glViewport(0, 0, context.Width(), context.Height());
    EditCamera camera;
    camera.aspect = 2.0f;
    LevelGroupNode group;
    auto* wall = new Wall(2.0f, 1.0f, 12.0f, 6.0f);
    wall->OrientationAngle = 30.0f;
    wall->selected = true;
    group.AppendChild(wall);
    Footprint footprint;
    ASSERT_TRUE(Footprint::Of(*wall, footprint));
    const auto pixel = [&context](const FlatPoint& p) {
        return context.Pixel(400 + static_cast<int>(std::lround(10.0 * p.x)), 200 - static_cast<int>(std::lround(10.0 * p.z)));
    };

    DrawEditFrame(camera, 1, &group);
    DrawWallHandles({wall}, 0.35f, 2.0f);
    glFinish();
    for (const Handle& handle : kWallHandles) {
        const FlatPoint place = HandlePlace(footprint, handle);
        const auto centre = pixel(place);
        EXPECT_EQ(centre[0] + centre[1] + centre[2], 3 * 255) << handle.u << ", " << handle.v;
        int darkest = 255;
        for (int dx = 2; dx <= 5; ++dx)
            darkest = std::min<int>(darkest, pixel({place.x + dx / 10.0, place.z})[1]);
        EXPECT_LT(darkest, 100) << handle.u << ", " << handle.v;
    }
}

} // namespace
