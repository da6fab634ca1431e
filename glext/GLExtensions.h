#pragma once

// Which OpenGL versions and extensions the current context offers, and their entry points.

// Queries the current context and fills the extension record; true when every entry point of
// the available versions and extensions was found.
bool InitExtensions();
// True when the name stands whole in the context's extension string (or the WGL string, which
// never exists on this platform).
bool QueryGLExtension(const char* name);
bool QueryWGLExtension(const char* name);
// The platform's entry-point lookup; a miss sets the lookup-failure flag.
void* GetExtensionProc(const char* name);
// The entry point that the last InitExtensions() stored under `name` for an available version
// or extension; null when none was resolved.
void* GetLoadedEntryPoint(const char* name);

// Flags of the last InitExtensions(), by extension or version name ("GL_ARB_texture_cube_map",
// "GL_VERSION_1_3", "WGL_ARB_pbuffer", ...); false for unknown names.
bool IsExtensionAvailable(const char* name);
// Overrides one flag of the record (lets a test run the fallback paths on any context).
void SetExtensionAvailable(const char* name, bool available);
