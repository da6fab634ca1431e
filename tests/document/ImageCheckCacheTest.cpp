#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "document/ImageCheckCache.h"
#include "tests/support/TempFolder.h"

namespace {

// The check runs again exactly when the file changed or cannot be looked at.
TEST(ImageCheckCache, AsksAgainOnlyWhenTheFileChanged)
{
    TempFolder folder;
    const std::string path = folder.File("wall.png");
    int asked = 0;
    ImageCheckCache cache([&asked](const std::string&) { return std::to_string(++asked); });

    std::ofstream(path) << "one";
    EXPECT_EQ(cache(path), "1");
    EXPECT_EQ(cache(path), "1");
    std::ofstream(path) << "longer";
    EXPECT_EQ(cache(path), "2");
    std::remove(path.c_str());
    EXPECT_EQ(cache(path), "3");
    EXPECT_EQ(cache(path), "4");
}

} // namespace
