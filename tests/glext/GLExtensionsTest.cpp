#include <set>
#include <string>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "glext/ExtensionTables.h"
#include "glext/GLExtensions.h"
#include "tests/support/OffscreenContext.h"

TEST(ExtensionTables, FlagNamesAreDistinctAndLoadersNameRealFlags)
{
    std::set<std::string> names(std::begin(kExtensionFlagNames), std::end(kExtensionFlagNames));
    EXPECT_EQ(names.size(), EXTENSION_FLAG_COUNT);
    EXPECT_STREQ(kExtensionFlagNames[FIRST_GL_EXTENSION_FLAG], "GL_ARB_depth_texture");
    EXPECT_STREQ(kExtensionFlagNames[EXTENSION_FLAG_COUNT - 1], "GL_SGIX_shadow");
    for (auto* loaders : {&GLExtensionLoaders(), &WGLExtensionLoaders()})
        for (const ExtensionLoader& loader : *loaders) {
            EXPECT_LT(FindExtensionFlag(loader.flag), EXTENSION_FLAG_COUNT) << loader.flag;
            EXPECT_EQ(loader.procs.size(), loader.entryPoints.size()) << loader.flag;
        }
}

TEST(GLExtensions, OffscreenContextOffersCubeMapAndResolvesEntryPoints)
{
    OffscreenContext context;
    ASSERT_TRUE(context.IsValid());
    // Missing WGL string functions are no lookup failure.
    EXPECT_TRUE(InitExtensions());

    EXPECT_TRUE(IsExtensionAvailable("GL_ARB_texture_cube_map"));
    EXPECT_TRUE(IsExtensionAvailable("GL_VERSION_1_2"));
    EXPECT_TRUE(IsExtensionAvailable("GL_VERSION_1_3"));
    EXPECT_TRUE(IsExtensionAvailable("GL_VERSION_1_4"));
    EXPECT_NE(GetLoadedEntryPoint("glActiveTexture"), nullptr);
    EXPECT_NE(GetLoadedEntryPoint("glTexImage3D"), nullptr);
    // No WGL on this platform.
    EXPECT_FALSE(IsExtensionAvailable("WGL_ARB_pbuffer"));
    EXPECT_FALSE(IsExtensionAvailable("wglGetExtensionsStringARB"));
    EXPECT_EQ(GetLoadedEntryPoint("wglCreatePbufferARB"), nullptr);
    // An extension that no current driver offers keeps its entry points empty.
    EXPECT_FALSE(IsExtensionAvailable("GL_ATI_vertex_streams"));
    EXPECT_EQ(GetLoadedEntryPoint("glVertexStream1sATI"), nullptr);
}

TEST(GLExtensions, ResolvedEntryPointWorks)
{
    OffscreenContext context;
    ASSERT_TRUE(context.IsValid());
    InitExtensions();
    using ActiveTexture = void (*)(GLenum);
    auto activeTexture = reinterpret_cast<ActiveTexture>(GetLoadedEntryPoint("glActiveTexture"));
    ASSERT_NE(activeTexture, nullptr);
    activeTexture(GL_TEXTURE0 + 1);
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(active, static_cast<GLint>(GL_TEXTURE0 + 1));
    activeTexture(GL_TEXTURE0);
}

TEST(GLExtensions, FlagsCanBeForcedAndUnknownNamesAreNeverAvailable)
{
    OffscreenContext context;
    InitExtensions();
    SetExtensionAvailable("GL_ARB_texture_cube_map", false);
    EXPECT_FALSE(IsExtensionAvailable("GL_ARB_texture_cube_map"));
    SetExtensionAvailable("GL_ARB_texture_cube_map", true);
    EXPECT_TRUE(IsExtensionAvailable("GL_ARB_texture_cube_map"));

    SetExtensionAvailable("GL_NOT_an_extension", true);
    EXPECT_FALSE(IsExtensionAvailable("GL_NOT_an_extension"));
    EXPECT_FALSE(IsExtensionAvailable(""));
    EXPECT_FALSE(IsExtensionAvailable(nullptr));
}

TEST(GLExtensions, QueryGLExtensionReadsTheCurrentContext)
{
    OffscreenContext context;
    EXPECT_TRUE(QueryGLExtension("GL_ARB_texture_cube_map"));
    EXPECT_FALSE(QueryGLExtension("GL_ARB_texture_cube_ma"));
    EXPECT_FALSE(QueryWGLExtension("WGL_ARB_pbuffer"));
}
