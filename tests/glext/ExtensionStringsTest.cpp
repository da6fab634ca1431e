#include <gtest/gtest.h>

#include "glext/ExtensionStrings.h"

TEST(ExtensionNameInList, LongerNameDoesNotCount)
{
    EXPECT_FALSE(ExtensionNameInList("GL_EXT_bgra GL_ARB_texture_cube_mapX", "GL_ARB_texture_cube_map"));
    EXPECT_FALSE(ExtensionNameInList("GL_NV_texture_shader2", "GL_NV_texture_shader"));
    // Nor does a name that only ends like the one asked for.
    EXPECT_FALSE(ExtensionNameInList("XGL_ARB_texture_cube_map", "GL_ARB_texture_cube_map"));
}

TEST(ExtensionNameInList, WholeNameCountsBeforeBlankOrEnd)
{
    EXPECT_TRUE(ExtensionNameInList("GL_ARB_texture_cube_map GL_EXT_bgra", "GL_ARB_texture_cube_map"));
    EXPECT_TRUE(ExtensionNameInList("GL_EXT_bgra GL_ARB_texture_cube_map", "GL_ARB_texture_cube_map"));
    EXPECT_TRUE(ExtensionNameInList("GL_ARB_texture_cube_map", "GL_ARB_texture_cube_map"));
}

TEST(ExtensionNameInList, SearchGoesOnBehindANonCountingHit)
{
    EXPECT_TRUE(ExtensionNameInList("GL_NV_texture_shader2 GL_NV_texture_shader", "GL_NV_texture_shader"));
    EXPECT_TRUE(ExtensionNameInList("GL_NV_texture_shader3 GL_NV_texture_shader2", "GL_NV_texture_shader2"));
}

TEST(ExtensionNameInList, EmptyBlankOrMissingNeverAvailable)
{
    EXPECT_FALSE(ExtensionNameInList("GL_EXT_bgra GL_EXT_abgr", ""));
    EXPECT_FALSE(ExtensionNameInList("GL_EXT_bgra GL_EXT_abgr", "GL_EXT_bgra GL_EXT_abgr"));
    EXPECT_FALSE(ExtensionNameInList("GL_EXT_bgra GL_EXT_abgr", " "));
    EXPECT_FALSE(ExtensionNameInList(nullptr, "GL_EXT_bgra"));
    EXPECT_FALSE(ExtensionNameInList("GL_EXT_bgra", nullptr));
}

namespace {

void ExpectVersions(const char* version, bool v12, bool v13, bool v14)
{
    const GLVersionFlags flags = VersionFlagsFromString(version);
    EXPECT_EQ(flags.v1_2, v12) << (version ? version : "(null)");
    EXPECT_EQ(flags.v1_3, v13) << (version ? version : "(null)");
    EXPECT_EQ(flags.v1_4, v14) << (version ? version : "(null)");
}

} // namespace

TEST(VersionFlagsFromString, OneDotVersions)
{
    ExpectVersions("1.1.0", false, false, false);
    ExpectVersions("1.2.1", true, false, false);
    ExpectVersions("1.3 Vendor Build 4711", true, true, false);
    ExpectVersions("1.4", true, true, true);
    ExpectVersions("1.5.0", true, true, true);
    // The first "1." counts wherever it stands.
    ExpectVersions("Version 1.3", true, true, false);
}

TEST(VersionFlagsFromString, OpenGL2AndLaterCoverAll)
{
    ExpectVersions("4.5 (Compatibility Profile) Mesa 22.3.6", true, true, true);
    ExpectVersions("2.1 Mesa 7.0", true, true, true);
    // "1." inside a later version's vendor text is not read as the version.
    ExpectVersions("3.0 Mesa 1.1", true, true, true);
    ExpectVersions("10.0", true, true, true);
}

TEST(VersionFlagsFromString, AbsentOrUnreadableCoverNone)
{
    ExpectVersions(nullptr, false, false, false);
    ExpectVersions("", false, false, false);
    ExpectVersions("1.", false, false, false);
    ExpectVersions("0.9", false, false, false);
}
