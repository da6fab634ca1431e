#pragma once

#include <cstddef>
#include <vector>

// The extension record's layout and the entry points of every version and extension that has a
// loader. Pure data: GLExtensions.cpp does the querying.

// Flag names in record order: the nine WGL extensions, the two WGL extension-string entry
// points, the three OpenGL versions, then the OpenGL extensions in the order they are queried.
constexpr std::size_t EXTENSION_FLAG_COUNT = 98;
constexpr std::size_t WGL_EXTENSION_COUNT = 9;
constexpr std::size_t WGL_STRING_ARB_FLAG = 9;
constexpr std::size_t WGL_STRING_EXT_FLAG = 10;
constexpr std::size_t VERSION_1_2_FLAG = 11;
constexpr std::size_t VERSION_1_3_FLAG = 12;
constexpr std::size_t VERSION_1_4_FLAG = 13;
constexpr std::size_t FIRST_GL_EXTENSION_FLAG = 14;
extern const char* const kExtensionFlagNames[EXTENSION_FLAG_COUNT];

// Index of the flag named `name`, or EXTENSION_FLAG_COUNT when there is none.
std::size_t FindExtensionFlag(const char* name);

// A version or extension whose entry points are resolved when its flag is set. `procs` runs
// parallel to `entryPoints` and holds null until a lookup succeeds.
struct ExtensionLoader {
    ExtensionLoader(const char* flagName, std::vector<const char*> names);

    const char* flag;
    std::vector<const char*> entryPoints;
    std::vector<void*> procs;
};

std::vector<ExtensionLoader>& GLExtensionLoaders();
std::vector<ExtensionLoader>& WGLExtensionLoaders();
