#include "glext/GLExtensions.h"

#include <array>
#include <cstdint>
#include <cstring>

#include <dlfcn.h>
#include <GL/gl.h>

#include "glext/ExtensionStrings.h"
#include "glext/ExtensionTables.h"

namespace {

using ExtensionRecord = std::array<std::int32_t, EXTENSION_FLAG_COUNT>;

// The record the rest of the program reads; InitExtensions replaces it as a whole.
ExtensionRecord g_record{};
bool g_lookupFailed = false;

using VoidFunction = void (*)();
using OSMesaCurrentContextFunction = void* (*)();
using OSMesaLookupFunction = VoidFunction (*)(const char*);
using GLXLookupFunction = VoidFunction (*)(const unsigned char*);

template <class Function>
Function FindProcessSymbol(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

// The library is linked to no particular OpenGL: the lookup belongs to whichever of OSMesa (an
// offscreen context is current) or GLX the process carries, else the plain exported symbol.
void* PlatformLookup(const char* name)
{
    auto osmesaCurrent = FindProcessSymbol<OSMesaCurrentContextFunction>("OSMesaGetCurrentContext");
    auto osmesaLookup = FindProcessSymbol<OSMesaLookupFunction>("OSMesaGetProcAddress");
    if (osmesaCurrent && osmesaLookup && osmesaCurrent())
        return reinterpret_cast<void*>(osmesaLookup(name));
    if (auto glxLookup = FindProcessSymbol<GLXLookupFunction>("glXGetProcAddressARB"))
        return reinterpret_cast<void*>(glxLookup(reinterpret_cast<const unsigned char*>(name)));
    return dlsym(RTLD_DEFAULT, name);
}

const char* GLString(GLenum which)
{
    return reinterpret_cast<const char*>(glGetString(which));
}

bool FlagSet(const ExtensionRecord& record, const char* name)
{
    const std::size_t index = FindExtensionFlag(name);
    return index < EXTENSION_FLAG_COUNT && record[index] != 0;
}

// Resolves the entry points of the loaders whose flag is set; the others are emptied, so
// nothing of an earlier context survives.
void ResolveAvailable(std::vector<ExtensionLoader>& loaders, const ExtensionRecord& working)
{
    for (ExtensionLoader& loader : loaders) {
        const bool available = FlagSet(working, loader.flag);
        for (std::size_t i = 0; i < loader.entryPoints.size(); ++i)
            loader.procs[i] = available ? GetExtensionProc(loader.entryPoints[i]) : nullptr;
    }
}

void QueryOpenGL(ExtensionRecord& working)
{
    const char* version = GLString(GL_VERSION);
    if (!version)
        return;
    const GLVersionFlags versions = VersionFlagsFromString(version);
    working[VERSION_1_2_FLAG] = versions.v1_2;
    working[VERSION_1_3_FLAG] = versions.v1_3;
    working[VERSION_1_4_FLAG] = versions.v1_4;
    for (std::size_t i = FIRST_GL_EXTENSION_FLAG; i < EXTENSION_FLAG_COUNT; ++i)
        working[i] = QueryGLExtension(kExtensionFlagNames[i]);
}

void QueryWGL(ExtensionRecord& working)
{
    // Probing for the extension-string functions is no failure when they are missing.
    const bool failedBefore = g_lookupFailed;
    working[WGL_STRING_ARB_FLAG] = GetExtensionProc("wglGetExtensionsStringARB") != nullptr;
    working[WGL_STRING_EXT_FLAG] = GetExtensionProc("wglGetExtensionsStringEXT") != nullptr;
    g_lookupFailed = failedBefore;
    for (std::size_t i = 0; i < WGL_EXTENSION_COUNT; ++i)
        working[i] = QueryWGLExtension(kExtensionFlagNames[i]);
}

} // namespace

bool InitExtensions()
{
    g_lookupFailed = false;
    ExtensionRecord working{};
    QueryOpenGL(working);
    ResolveAvailable(GLExtensionLoaders(), working);
    QueryWGL(working);
    ResolveAvailable(WGLExtensionLoaders(), working);
    g_record = working;
    return !g_lookupFailed;
}

bool QueryGLExtension(const char* name)
{
    return ExtensionNameInList(GLString(GL_EXTENSIONS), name);
}

bool QueryWGLExtension(const char* /*name*/)
{
    // Only Windows has a WGL extension string; elsewhere no WGL extension is offered.
    return false;
}

void* GetExtensionProc(const char* name)
{
    void* proc = PlatformLookup(name);
    if (!proc)
        g_lookupFailed = true;
    return proc;
}

void* GetLoadedEntryPoint(const char* name)
{
    if (!name)
        return nullptr;
    for (auto* loaders : {&GLExtensionLoaders(), &WGLExtensionLoaders()})
        for (const ExtensionLoader& loader : *loaders)
            for (std::size_t i = 0; i < loader.entryPoints.size(); ++i)
                if (loader.procs[i] && std::strcmp(loader.entryPoints[i], name) == 0)
                    return loader.procs[i];
    return nullptr;
}

bool IsExtensionAvailable(const char* name)
{
    return FlagSet(g_record, name);
}

void SetExtensionAvailable(const char* name, bool available)
{
    const std::size_t index = FindExtensionFlag(name);
    if (index < EXTENSION_FLAG_COUNT)
        g_record[index] = available ? 1 : 0;
}
