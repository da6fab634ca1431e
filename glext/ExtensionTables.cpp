#include "glext/ExtensionTables.h"

#include <cstring>
#include <iterator>

const char* const kExtensionFlagNames[EXTENSION_FLAG_COUNT] = {
    "WGL_ARB_buffer_region", "WGL_ARB_make_current_read", "WGL_ARB_multisample", "WGL_ARB_pbuffer",
    "WGL_ARB_pixel_format", "WGL_ARB_render_texture", "WGL_EXT_swap_control",
    "WGL_NV_render_depth_texture", "WGL_NV_render_texture_rectangle",
    "wglGetExtensionsStringARB", "wglGetExtensionsStringEXT",
    "GL_VERSION_1_2", "GL_VERSION_1_3", "GL_VERSION_1_4",
    "GL_ARB_depth_texture", "GL_ARB_fragment_program", "GL_ARB_imaging", "GL_ARB_matrix_palette",
    "GL_ARB_multisample", "GL_ARB_multitexture", "GL_ARB_point_parameters", "GL_ARB_shadow",
    "GL_ARB_shadow_ambient", "GL_ARB_texture_border_clamp", "GL_ARB_texture_compression",
    "GL_ARB_texture_cube_map", "GL_ARB_texture_env_add", "GL_ARB_texture_env_combine",
    "GL_ARB_texture_env_crossbar", "GL_ARB_texture_env_dot3", "GL_ARB_texture_mirrored_repeat",
    "GL_ARB_transpose_matrix", "GL_ARB_vertex_blend", "GL_ARB_vertex_program", "GL_ARB_window_pos",
    "GL_EXT_abgr", "GL_EXT_bgra", "GL_EXT_blend_func_separate", "GL_EXT_compiled_vertex_array",
    "GL_EXT_cull_vertex", "GL_EXT_draw_range_elements", "GL_EXT_fog_coord",
    "GL_EXT_multi_draw_arrays", "GL_EXT_point_parameters", "GL_EXT_secondary_color",
    "GL_EXT_separate_specular_color", "GL_EXT_shadow_funcs", "GL_EXT_stencil_two_side",
    "GL_EXT_stencil_wrap", "GL_EXT_texture_compression_s3tc", "GL_EXT_texture_env_combine",
    "GL_EXT_texture_filter_anisotropic", "GL_EXT_texture_lod_bias", "GL_EXT_vertex_shader",
    "GL_EXT_vertex_weighting", "GL_ATI_element_array", "GL_ATI_envmap_bumpmap",
    "GL_ATI_fragment_shader", "GL_ATI_pn_triangles", "GL_ATI_point_cull_mode",
    "GL_ATI_text_fragment_shader", "GL_ATI_texture_mirror_once", "GL_ATI_vertex_array_object",
    "GL_ATI_vertex_streams", "GL_ATIX_point_sprites", "GL_ATIX_texture_env_route",
    "GL_HP_occlusion_test", "GL_NV_blend_square", "GL_NV_copy_depth_to_color", "GL_NV_depth_clamp",
    "GL_NV_element_array", "GL_NV_evaluators", "GL_NV_fence", "GL_NV_float_buffer",
    "GL_NV_fog_distance", "GL_NV_fragment_program", "GL_NV_light_max_exponent",
    "GL_NV_occlusion_query", "GL_NV_packed_depth_stencil", "GL_NV_point_sprite",
    "GL_NV_primitive_restart", "GL_NV_register_combiners", "GL_NV_register_combiners2",
    "GL_NV_texgen_reflection", "GL_NV_texture_env_combine4", "GL_NV_texture_rectangle",
    "GL_NV_texture_shader", "GL_NV_texture_shader2", "GL_NV_texture_shader3",
    "GL_NV_vertex_array_range", "GL_NV_vertex_array_range2", "GL_NV_vertex_program",
    "GL_NV_vertex_program1_1", "GL_NV_vertex_program2", "GL_SGIS_generate_mipmap",
    "GL_SGIS_texture_lod", "GL_SGIX_depth_texture", "GL_SGIX_shadow"};

std::size_t FindExtensionFlag(const char* name)
{
    if (!name)
        return EXTENSION_FLAG_COUNT;
    for (std::size_t i = 0; i < EXTENSION_FLAG_COUNT; ++i)
        if (std::strcmp(kExtensionFlagNames[i], name) == 0)
            return i;
    return EXTENSION_FLAG_COUNT;
}

ExtensionLoader::ExtensionLoader(const char* flagName, std::vector<const char*> names)
    : flag(flagName), entryPoints(std::move(names)), procs(entryPoints.size(), nullptr)
{
}

namespace {

// Entry points by their OpenGL names, per version and extension.
const char* const kVersion12[] = {
    "glDrawRangeElements", "glTexImage3D", "glTexSubImage3D", "glCopyTexSubImage3D"};
const char* const kVersion13[] = {
    "glActiveTexture", "glClientActiveTexture", "glMultiTexCoord1d", "glMultiTexCoord1dv",
    "glMultiTexCoord1f", "glMultiTexCoord1fv", "glMultiTexCoord1i", "glMultiTexCoord1iv",
    "glMultiTexCoord1s", "glMultiTexCoord1sv", "glMultiTexCoord2d", "glMultiTexCoord2dv",
    "glMultiTexCoord2f", "glMultiTexCoord2fv", "glMultiTexCoord2i", "glMultiTexCoord2iv",
    "glMultiTexCoord2s", "glMultiTexCoord2sv", "glMultiTexCoord3d", "glMultiTexCoord3dv",
    "glMultiTexCoord3f", "glMultiTexCoord3fv", "glMultiTexCoord3i", "glMultiTexCoord3iv",
    "glMultiTexCoord3s", "glMultiTexCoord3sv", "glMultiTexCoord4d", "glMultiTexCoord4dv",
    "glMultiTexCoord4f", "glMultiTexCoord4fv", "glMultiTexCoord4i", "glMultiTexCoord4iv",
    "glMultiTexCoord4s", "glMultiTexCoord4sv", "glLoadTransposeMatrixf", "glLoadTransposeMatrixd",
    "glMultTransposeMatrixf", "glMultTransposeMatrixd", "glCompressedTexImage3D",
    "glCompressedTexImage2D", "glCompressedTexImage1D", "glCompressedTexSubImage3D",
    "glCompressedTexSubImage2D", "glCompressedTexSubImage1D", "glGetCompressedTexImage",
    "glSampleCoverage"};
const char* const kVersion14[] = {
    "glBlendColor", "glBlendEquation", "glFogCoordf", "glFogCoordfv", "glFogCoordd", "glFogCoorddv",
    "glFogCoordPointer", "glMultiDrawArrays", "glMultiDrawElements", "glPointParameterf",
    "glPointParameterfv", "glSecondaryColor3b", "glSecondaryColor3bv", "glSecondaryColor3d",
    "glSecondaryColor3dv", "glSecondaryColor3f", "glSecondaryColor3fv", "glSecondaryColor3i",
    "glSecondaryColor3iv", "glSecondaryColor3s", "glSecondaryColor3sv", "glSecondaryColor3ub",
    "glSecondaryColor3ubv", "glSecondaryColor3ui", "glSecondaryColor3uiv", "glSecondaryColor3us",
    "glSecondaryColor3usv", "glSecondaryColorPointer", "glBlendFuncSeparate", "glWindowPos2d",
    "glWindowPos2dv", "glWindowPos2f", "glWindowPos2fv", "glWindowPos2i", "glWindowPos2iv",
    "glWindowPos2s", "glWindowPos2sv", "glWindowPos3d", "glWindowPos3dv", "glWindowPos3f",
    "glWindowPos3fv", "glWindowPos3i", "glWindowPos3iv", "glWindowPos3s", "glWindowPos3sv"};
const char* const kArbImaging[] = {
    "glBlendColor", "glBlendEquation", "glColorTable", "glColorTableParameterfv",
    "glColorTableParameteriv", "glCopyColorTable", "glGetColorTable", "glGetColorTableParameterfv",
    "glGetColorTableParameteriv", "glColorSubTable", "glCopyColorSubTable", "glConvolutionFilter1D",
    "glConvolutionFilter2D", "glConvolutionParameterf", "glConvolutionParameterfv",
    "glConvolutionParameteri", "glConvolutionParameteriv", "glCopyConvolutionFilter1D",
    "glCopyConvolutionFilter2D", "glGetConvolutionFilter", "glGetConvolutionParameterfv",
    "glGetConvolutionParameteriv", "glGetSeparableFilter", "glSeparableFilter2D", "glGetHistogram",
    "glGetHistogramParameterfv", "glGetHistogramParameteriv", "glGetMinmax",
    "glGetMinmaxParameterfv", "glGetMinmaxParameteriv", "glHistogram", "glMinmax",
    "glResetHistogram", "glResetMinmax"};
const char* const kArbMultitexture[] = {
    "glActiveTextureARB", "glClientActiveTextureARB", "glMultiTexCoord1dARB",
    "glMultiTexCoord1dvARB", "glMultiTexCoord1fARB", "glMultiTexCoord1fvARB",
    "glMultiTexCoord1iARB", "glMultiTexCoord1ivARB", "glMultiTexCoord1sARB",
    "glMultiTexCoord1svARB", "glMultiTexCoord2dARB", "glMultiTexCoord2dvARB",
    "glMultiTexCoord2fARB", "glMultiTexCoord2fvARB", "glMultiTexCoord2iARB",
    "glMultiTexCoord2ivARB", "glMultiTexCoord2sARB", "glMultiTexCoord2svARB",
    "glMultiTexCoord3dARB", "glMultiTexCoord3dvARB", "glMultiTexCoord3fARB",
    "glMultiTexCoord3fvARB", "glMultiTexCoord3iARB", "glMultiTexCoord3ivARB",
    "glMultiTexCoord3sARB", "glMultiTexCoord3svARB", "glMultiTexCoord4dARB",
    "glMultiTexCoord4dvARB", "glMultiTexCoord4fARB", "glMultiTexCoord4fvARB",
    "glMultiTexCoord4iARB", "glMultiTexCoord4ivARB", "glMultiTexCoord4sARB", "glMultiTexCoord4svARB"};
const char* const kArbTransposeMatrix[] = {
    "glLoadTransposeMatrixfARB", "glLoadTransposeMatrixdARB", "glMultTransposeMatrixfARB",
    "glMultTransposeMatrixdARB"};
const char* const kArbTextureCompression[] = {
    "glCompressedTexImage3DARB", "glCompressedTexImage2DARB", "glCompressedTexImage1DARB",
    "glCompressedTexSubImage3DARB", "glCompressedTexSubImage2DARB", "glCompressedTexSubImage1DARB",
    "glGetCompressedTexImageARB"};
const char* const kArbMultisample[] = {
    "glSampleCoverageARB"};
const char* const kArbPointParameters[] = {
    "glPointParameterfARB", "glPointParameterfvARB"};
const char* const kArbVertexBlend[] = {
    "glWeightbvARB", "glWeightsvARB", "glWeightivARB", "glWeightfvARB", "glWeightdvARB",
    "glWeightubvARB", "glWeightusvARB", "glWeightuivARB", "glWeightPointerARB", "glVertexBlendARB"};
const char* const kArbMatrixPalette[] = {
    "glCurrentPaletteMatrixARB", "glMatrixIndexubvARB", "glMatrixIndexusvARB",
    "glMatrixIndexuivARB", "glMatrixIndexPointerARB"};
const char* const kArbWindowPos[] = {
    "glWindowPos2dARB", "glWindowPos2dvARB", "glWindowPos2fARB", "glWindowPos2fvARB",
    "glWindowPos2iARB", "glWindowPos2ivARB", "glWindowPos2sARB", "glWindowPos2svARB",
    "glWindowPos3dARB", "glWindowPos3dvARB", "glWindowPos3fARB", "glWindowPos3fvARB",
    "glWindowPos3iARB", "glWindowPos3ivARB", "glWindowPos3sARB", "glWindowPos3svARB"};
const char* const kArbProgramShared[] = {
    "glProgramStringARB", "glBindProgramARB", "glDeleteProgramsARB", "glGenProgramsARB",
    "glProgramEnvParameter4dARB", "glProgramEnvParameter4dvARB", "glProgramEnvParameter4fARB",
    "glProgramEnvParameter4fvARB", "glProgramLocalParameter4dARB", "glProgramLocalParameter4dvARB",
    "glProgramLocalParameter4fARB", "glProgramLocalParameter4fvARB",
    "glGetProgramEnvParameterdvARB", "glGetProgramEnvParameterfvARB",
    "glGetProgramLocalParameterdvARB", "glGetProgramLocalParameterfvARB", "glGetProgramivARB",
    "glGetProgramStringARB", "glIsProgramARB"};
const char* const kArbVertexProgram[] = {
    "glVertexAttrib1dARB", "glVertexAttrib1dvARB", "glVertexAttrib1fARB", "glVertexAttrib1fvARB",
    "glVertexAttrib1sARB", "glVertexAttrib1svARB", "glVertexAttrib2dARB", "glVertexAttrib2dvARB",
    "glVertexAttrib2fARB", "glVertexAttrib2fvARB", "glVertexAttrib2sARB", "glVertexAttrib2svARB",
    "glVertexAttrib3dARB", "glVertexAttrib3dvARB", "glVertexAttrib3fARB", "glVertexAttrib3fvARB",
    "glVertexAttrib3sARB", "glVertexAttrib3svARB", "glVertexAttrib4NbvARB", "glVertexAttrib4NivARB",
    "glVertexAttrib4NsvARB", "glVertexAttrib4NubARB", "glVertexAttrib4NubvARB",
    "glVertexAttrib4NuivARB", "glVertexAttrib4NusvARB", "glVertexAttrib4bvARB",
    "glVertexAttrib4dARB", "glVertexAttrib4dvARB", "glVertexAttrib4fARB", "glVertexAttrib4fvARB",
    "glVertexAttrib4ivARB", "glVertexAttrib4sARB", "glVertexAttrib4svARB", "glVertexAttrib4ubvARB",
    "glVertexAttrib4uivARB", "glVertexAttrib4usvARB", "glVertexAttribPointerARB",
    "glEnableVertexAttribArrayARB", "glDisableVertexAttribArrayARB", "glGetVertexAttribdvARB",
    "glGetVertexAttribfvARB", "glGetVertexAttribivARB", "glGetVertexAttribPointervARB"};
const char* const kExtBlendFuncSeparate[] = {
    "glBlendFuncSeparateEXT"};
const char* const kExtCompiledVertexArray[] = {
    "glLockArraysEXT", "glUnlockArraysEXT"};
const char* const kExtCullVertex[] = {
    "glCullParameterdvEXT", "glCullParameterfvEXT"};
const char* const kExtDrawRangeElements[] = {
    "glDrawRangeElementsEXT"};
const char* const kExtFogCoord[] = {
    "glFogCoordfEXT", "glFogCoordfvEXT", "glFogCoorddEXT", "glFogCoorddvEXT", "glFogCoordPointerEXT"};
const char* const kExtMultiDrawArrays[] = {
    "glMultiDrawArraysEXT", "glMultiDrawElementsEXT"};
const char* const kExtPointParameters[] = {
    "glPointParameterfEXT", "glPointParameterfvEXT"};
const char* const kExtSecondaryColor[] = {
    "glSecondaryColor3bEXT", "glSecondaryColor3bvEXT", "glSecondaryColor3dEXT",
    "glSecondaryColor3dvEXT", "glSecondaryColor3fEXT", "glSecondaryColor3fvEXT",
    "glSecondaryColor3iEXT", "glSecondaryColor3ivEXT", "glSecondaryColor3sEXT",
    "glSecondaryColor3svEXT", "glSecondaryColor3ubEXT", "glSecondaryColor3ubvEXT",
    "glSecondaryColor3uiEXT", "glSecondaryColor3uivEXT", "glSecondaryColor3usEXT",
    "glSecondaryColor3usvEXT", "glSecondaryColorPointerEXT"};
const char* const kExtStencilTwoSide[] = {
    "glActiveStencilFaceEXT"};
const char* const kExtVertexShader[] = {
    "glBeginVertexShaderEXT", "glEndVertexShaderEXT", "glBindVertexShaderEXT",
    "glGenVertexShadersEXT", "glDeleteVertexShaderEXT", "glShaderOp1EXT", "glShaderOp2EXT",
    "glShaderOp3EXT", "glSwizzleEXT", "glWriteMaskExt", "glInsertComponentEXT",
    "glExtractComponentEXT", "glGenSymbolsEXT", "glSetInvariantEXT", "glSetLocalConstantEXT",
    "glVariantbvEXT", "glVariantsvEXT", "glVariantivEXT", "glVariantfvEXT", "glVariantdvEXT",
    "glVariantubvEXT", "glVariantusvEXT", "glVariantuivEXT", "glVariantPointerEXT",
    "glEnableVariantClientStateEXT", "glDisableVariantClientStateEXT", "glBindLightParameterEXT",
    "glBindMaterialParameterEXT", "glBindTexGenParameterEXT", "glBindTextureUnitParameterEXT",
    "glBindParameterEXT", "glIsVariantEnabledEXT", "glGetVariantBooleanvEXT",
    "glGetVariantIntegervEXT", "glGetVariantFloatvEXT", "glGetVariantPointervEXT",
    "glGetInvariantBooleanvEXT", "glGetInvariantIntegervEXT", "glGetInvariantFloatvEXT",
    "glGetLocalConstantBooleanvEXT", "glGetLocalConstantIntegervEXT", "glGetLocalConstantFloatvEXT"};
const char* const kExtVertexWeighting[] = {
    "glVertexWeightfEXT", "glVertexWeightfvEXT", "glVertexWeightPointerEXT"};
const char* const kAtiElementArray[] = {
    "glElementPointerATI", "glDrawElementArrayATI", "glDrawRangeElementArrayATI"};
const char* const kAtiEnvmapBumpmap[] = {
    "glTexBumpParameterivATI", "glTexBumpParameterfvATI", "glGetTexBumpParameterivATI",
    "glGetTexBumpParameterfvATI"};
const char* const kAtiFragmentShader[] = {
    "glGenFragmentShadersATI", "glBindFragmentShaderATI", "glDeleteFragmentShaderATI",
    "glBeginFragmentShaderATI", "glEndFragmentShaderATI", "glPassTexCoordATI", "glSampleMapATI",
    "glColorFragmentOp1ATI", "glColorFragmentOp2ATI", "glColorFragmentOp3ATI",
    "glAlphaFragmentOp1ATI", "glAlphaFragmentOp2ATI", "glAlphaFragmentOp3ATI",
    "glSetFragmentShaderConstantATI"};
const char* const kAtiPnTriangles[] = {
    "glPNTrianglesiATI", "glPNTrianglesfATI"};
const char* const kAtiVertexArrayObject[] = {
    "glNewObjectBufferATI", "glIsObjectBufferATI", "glUpdateObjectBufferATI",
    "glGetObjectBufferfvATI", "glGetObjectBufferivATI", "glFreeObjectBufferATI", "glArrayObjectATI",
    "glGetArrayObjectfvATI", "glGetArrayObjectivATI", "glVariantArrayObjectATI",
    "glGetVariantArrayObjectfvATI", "glGetVariantArrayObjectivATI"};
const char* const kAtiVertexStreams[] = {
    "glVertexStream1sATI", "glVertexStream1svATI", "glVertexStream1iATI", "glVertexStream1ivATI",
    "glVertexStream1fATI", "glVertexStream1fvATI", "glVertexStream1dATI", "glVertexStream1dvATI",
    "glVertexStream2sATI", "glVertexStream2svATI", "glVertexStream2iATI", "glVertexStream2ivATI",
    "glVertexStream2fATI", "glVertexStream2fvATI", "glVertexStream2dATI", "glVertexStream2dvATI",
    "glVertexStream3sATI", "glVertexStream3svATI", "glVertexStream3iATI", "glVertexStream3ivATI",
    "glVertexStream3fATI", "glVertexStream3fvATI", "glVertexStream3dATI", "glVertexStream3dvATI",
    "glVertexStream4sATI", "glVertexStream4svATI", "glVertexStream4iATI", "glVertexStream4ivATI",
    "glVertexStream4fATI", "glVertexStream4fvATI", "glVertexStream4dATI", "glVertexStream4dvATI",
    "glNormalStream3bATI", "glNormalStream3bvATI", "glNormalStream3sATI", "glNormalStream3svATI",
    "glNormalStream3iATI", "glNormalStream3ivATI", "glNormalStream3fATI", "glNormalStream3fvATI",
    "glNormalStream3dATI", "glNormalStream3dvATI", "glClientActiveVertexStreamATI",
    "glVertexBlendEnviATI", "glVertexBlendEnvfATI"};
const char* const kNvElementArray[] = {
    "glElementPointerNV", "glDrawElementArrayNV", "glDrawRangeElementArrayNV",
    "glMultiDrawElementArrayNV", "glMultiDrawRangeElementArrayNV"};
const char* const kNvFence[] = {
    "glDeleteFencesNV", "glGenFencesNV", "glIsFenceNV", "glTestFenceNV", "glGetFenceivNV",
    "glFinishFenceNV", "glSetFenceNV"};
const char* const kNvFragmentProgram[] = {
    "glProgramNamedParameter4fNV", "glProgramNamedParameter4fvNV", "glProgramNamedParameter4dNV",
    "glProgramNamedParameter4dvNV", "glGetProgramNamedParameterfvNV",
    "glGetProgramNamedParameterdvNV"};
const char* const kNvOcclusionQuery[] = {
    "glGenOcclusionQueriesNV", "glDeleteOcclusionQueriesNV", "glIsOcclusionQueryNV",
    "glBeginOcclusionQueryNV", "glEndOcclusionQueryNV", "glGetOcclusionQueryivNV",
    "glGetOcclusionQueryuivNV"};
const char* const kNvPointSprite[] = {
    "glPointParameteriNV", "glPointParameterivNV"};
const char* const kNvPrimitiveRestart[] = {
    "glPrimitiveRestartNV", "glPrimitiveRestartIndexNV"};
const char* const kNvRegisterCombiners[] = {
    "glCombinerParameterfvNV", "glCombinerParameterfNV", "glCombinerParameterivNV",
    "glCombinerParameteriNV", "glCombinerInputNV", "glCombinerOutputNV", "glFinalCombinerInputNV",
    "glGetCombinerInputParameterfvNV", "glGetCombinerInputParameterivNV",
    "glGetCombinerOutputParameterfvNV", "glGetCombinerOutputParameterivNV",
    "glGetFinalCombinerInputParameterfvNV", "glGetFinalCombinerInputParameterivNV"};
const char* const kNvRegisterCombiners2[] = {
    "glCombinerStageParameterfvNV", "glGetCombinerStageParameterfvNV"};
const char* const kNvVertexArrayRange[] = {
    "glFlushVertexArrayRangeNV", "glVertexArrayRangeNV", "wglAllocateMemoryNV", "wglFreeMemoryNV"};
const char* const kNvVertexProgram[] = {
    "glAreProgramsResidentNV", "glBindProgramNV", "glDeleteProgramsNV", "glExecuteProgramNV",
    "glGenProgramsNV", "glGetProgramParameterdvNV", "glGetProgramParameterfvNV", "glGetProgramivNV",
    "glGetProgramStringNV", "glGetTrackMatrixivNV", "glGetVertexAttribdvNV",
    "glGetVertexAttribfvNV", "glGetVertexAttribivNV", "glGetVertexAttribPointervNV",
    "glIsProgramNV", "glLoadProgramNV", "glProgramParameter4dNV", "glProgramParameter4dvNV",
    "glProgramParameter4fNV", "glProgramParameter4fvNV", "glProgramParameters4dvNV",
    "glProgramParameters4fvNV", "glRequestResidentProgramsNV", "glTrackMatrixNV",
    "glVertexAttribPointerNV", "glVertexAttrib1dNV", "glVertexAttrib1dvNV", "glVertexAttrib1fNV",
    "glVertexAttrib1fvNV", "glVertexAttrib1sNV", "glVertexAttrib1svNV", "glVertexAttrib2dNV",
    "glVertexAttrib2dvNV", "glVertexAttrib2fNV", "glVertexAttrib2fvNV", "glVertexAttrib2sNV",
    "glVertexAttrib2svNV", "glVertexAttrib3dNV", "glVertexAttrib3dvNV", "glVertexAttrib3fNV",
    "glVertexAttrib3fvNV", "glVertexAttrib3sNV", "glVertexAttrib3svNV", "glVertexAttrib4dNV",
    "glVertexAttrib4dvNV", "glVertexAttrib4fNV", "glVertexAttrib4fvNV", "glVertexAttrib4sNV",
    "glVertexAttrib4svNV", "glVertexAttrib4ubNV", "glVertexAttrib4ubvNV", "glVertexAttribs1dvNV",
    "glVertexAttribs1fvNV", "glVertexAttribs1svNV", "glVertexAttribs2dvNV", "glVertexAttribs2fvNV",
    "glVertexAttribs2svNV", "glVertexAttribs3dvNV", "glVertexAttribs3fvNV", "glVertexAttribs3svNV",
    "glVertexAttribs4dvNV", "glVertexAttribs4fvNV", "glVertexAttribs4svNV", "glVertexAttribs4ubvNV"};
const char* const kWglArbBufferRegion[] = {
    "wglCreateBufferRegionARB", "wglDeleteBufferRegionARB", "wglSaveBufferRegionARB",
    "wglRestoreBufferRegionARB"};
const char* const kWglArbMakeCurrentRead[] = {
    "wglMakeContextCurrentARB", "wglGetCurrentReadDCARB"};
const char* const kWglArbPbuffer[] = {
    "wglCreatePbufferARB", "wglGetPbufferDCARB", "wglReleasePbufferDCARB", "wglDestroyPbufferARB",
    "wglQueryPbufferARB"};
const char* const kWglArbPixelFormat[] = {
    "wglGetPixelFormatAttribivARB", "wglGetPixelFormatAttribfvARB", "wglChoosePixelFormatARB"};
const char* const kWglArbRenderTexture[] = {
    "wglBindTexImageARB", "wglReleaseTexImageARB", "wglSetPbufferAttribARB"};
const char* const kWglExtSwapControl[] = {
    "wglSwapIntervalEXT", "wglGetSwapIntervalEXT"};

// The entry points of one or more of the lists above, in order.
template <std::size_t... N>
std::vector<const char*> Names(const char* const (&... lists)[N])
{
    std::vector<const char*> names;
    names.reserve((N + ...));
    // Element by element: GCC 12 at -O3 misreads a range insert as an overflow.
    auto append = [&names](const char* const* first, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            names.push_back(first[i]);
    };
    (append(lists, N), ...);
    return names;
}

} // namespace

std::vector<ExtensionLoader>& GLExtensionLoaders()
{
    static std::vector<ExtensionLoader> loaders = {
        {"GL_VERSION_1_2", Names(kVersion12)},
        {"GL_VERSION_1_3", Names(kVersion13)},
        {"GL_VERSION_1_4", Names(kVersion14)},
        {"GL_ARB_imaging", Names(kArbImaging)},
        {"GL_ARB_multitexture", Names(kArbMultitexture)},
        {"GL_ARB_transpose_matrix", Names(kArbTransposeMatrix)},
        {"GL_ARB_texture_compression", Names(kArbTextureCompression)},
        {"GL_ARB_multisample", Names(kArbMultisample)},
        {"GL_ARB_point_parameters", Names(kArbPointParameters)},
        {"GL_ARB_vertex_blend", Names(kArbVertexBlend)},
        {"GL_ARB_matrix_palette", Names(kArbMatrixPalette)},
        {"GL_ARB_window_pos", Names(kArbWindowPos)},
        // The program functions belong to both program extensions.
        {"GL_ARB_vertex_program", Names(kArbProgramShared, kArbVertexProgram)},
        {"GL_ARB_fragment_program", Names(kArbProgramShared)},
        {"GL_EXT_blend_func_separate", Names(kExtBlendFuncSeparate)},
        {"GL_EXT_compiled_vertex_array", Names(kExtCompiledVertexArray)},
        {"GL_EXT_cull_vertex", Names(kExtCullVertex)},
        {"GL_EXT_draw_range_elements", Names(kExtDrawRangeElements)},
        {"GL_EXT_fog_coord", Names(kExtFogCoord)},
        {"GL_EXT_multi_draw_arrays", Names(kExtMultiDrawArrays)},
        {"GL_EXT_point_parameters", Names(kExtPointParameters)},
        {"GL_EXT_secondary_color", Names(kExtSecondaryColor)},
        {"GL_EXT_stencil_two_side", Names(kExtStencilTwoSide)},
        {"GL_EXT_vertex_shader", Names(kExtVertexShader)},
        {"GL_EXT_vertex_weighting", Names(kExtVertexWeighting)},
        {"GL_ATI_element_array", Names(kAtiElementArray)},
        {"GL_ATI_envmap_bumpmap", Names(kAtiEnvmapBumpmap)},
        {"GL_ATI_fragment_shader", Names(kAtiFragmentShader)},
        {"GL_ATI_pn_triangles", Names(kAtiPnTriangles)},
        {"GL_ATI_vertex_array_object", Names(kAtiVertexArrayObject)},
        {"GL_ATI_vertex_streams", Names(kAtiVertexStreams)},
        {"GL_NV_element_array", Names(kNvElementArray)},
        {"GL_NV_fence", Names(kNvFence)},
        {"GL_NV_fragment_program", Names(kNvFragmentProgram)},
        {"GL_NV_occlusion_query", Names(kNvOcclusionQuery)},
        {"GL_NV_point_sprite", Names(kNvPointSprite)},
        {"GL_NV_primitive_restart", Names(kNvPrimitiveRestart)},
        {"GL_NV_register_combiners", Names(kNvRegisterCombiners)},
        {"GL_NV_register_combiners2", Names(kNvRegisterCombiners2)},
        {"GL_NV_vertex_array_range", Names(kNvVertexArrayRange)},
        {"GL_NV_vertex_program", Names(kNvVertexProgram)},
    };
    return loaders;
}

std::vector<ExtensionLoader>& WGLExtensionLoaders()
{
    static std::vector<ExtensionLoader> loaders = {
        {"WGL_ARB_buffer_region", Names(kWglArbBufferRegion)},
        {"WGL_ARB_make_current_read", Names(kWglArbMakeCurrentRead)},
        {"WGL_ARB_pbuffer", Names(kWglArbPbuffer)},
        {"WGL_ARB_pixel_format", Names(kWglArbPixelFormat)},
        {"WGL_ARB_render_texture", Names(kWglArbRenderTexture)},
        {"WGL_EXT_swap_control", Names(kWglExtSwapControl)},
    };
    return loaders;
}
