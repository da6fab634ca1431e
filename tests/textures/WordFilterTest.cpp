// The browser's filter keeps a path only when every word typed occurs in it, whatever the case.
#include <gtest/gtest.h>

#include "textures/WordFilter.h"

namespace {

struct FilterCase {
    const char* typed;
    const char* path;
    bool kept;
};

const FilterCase CASES[] = {
    {"", "../data/Textures/Walls/brick.jpg", true},
    {"   ", "../data/Textures/Walls/brick.jpg", true},
    {"brick", "../data/Textures/Walls/brick.jpg", true},
    {"BRICK", "../data/Textures/Walls/brick.jpg", true},
    {"wall brick", "../data/Textures/Walls/brick.jpg", true},
    {"brick  wall\t", "../data/Textures/Walls/brick.jpg", true},
    {"wall brick", "../data/Textures/Walls/wood.tga", false},
    {"wall stone", "../data/Textures/Floors/stone.jpg", false},
    {"stone stone", "../data/Textures/Floors/stone.jpg", true},
    {".tga", "../data/Textures/Walls/wood.tga", true},
    {"bricks", "../data/Textures/Walls/brick.jpg", false},
    {"Ünï", "/images/Ünï.png", true},
};

TEST(WordFilterTest, KeepsAPathOnlyWhenEveryWordOccursInItIgnoringCase)
{
    for (const FilterCase& c : CASES)
        EXPECT_EQ(WordFilter(c.typed).Matches(c.path), c.kept) << '"' << c.typed << "\" on " << c.path;
}

} // namespace
