// The kept meshes against a model of what each frame asks for: a frame builds exactly the
// places whose key differs from the last frame's at that place, and every place holds the
// mesh of its current key.
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "batching/MeshCache.h"

namespace {

// A mesh that tells its key: its corners' first coordinate is the key's first number.
int MeshOf(const MeshKey& key, MeshVertex* out)
{
    const int count = 4 + static_cast<int>(key[1]);
    for (int i = 0; i < count; ++i)
        out[i].position[0] = key[0];
    return count;
}

TEST(MeshCacheTest, AFrameBuildsOnlyWhatChanged)
{
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> small(0, 20);
    MeshCache cache;
    std::vector<MeshKey> last;
    for (int frame = 0; frame < 300; ++frame) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed << ", frame " << frame);
        // The walk of this frame: the last one with some keys changed, some places added or gone.
        std::vector<MeshKey> walk = last;
        walk.resize(static_cast<std::size_t>(std::max(0, static_cast<int>(walk.size()) + small(random) - 10)));
        for (MeshKey& key : walk)
            if (small(random) < 3)
                key = {static_cast<float>(small(random)), static_cast<float>(small(random))};
        unsigned long expected = 0;
        for (std::size_t i = 0; i < walk.size(); ++i)
            expected += i >= last.size() || walk[i] != last[i];

        const unsigned long before = cache.Builds();
        cache.Rewind();
        for (const MeshKey& key : walk) {
            int count = 0;
            const std::size_t first = cache.Next(key, [&key](MeshVertex* out) { return MeshOf(key, out); }, count);
            ASSERT_EQ(count, 4 + static_cast<int>(key[1]));
            for (int i = 0; i < count; ++i)
                ASSERT_EQ(cache.Vertices()[first + static_cast<std::size_t>(i)].position[0], key[0]);
        }
        cache.Finish();
        EXPECT_EQ(cache.Builds() - before, expected);
        last = walk;
    }
}

} // namespace
