#pragma once

// Reading of the strings an OpenGL context reports about itself, free of any context so that
// any string can be checked.

// True when `name` stands whole in the blank-separated `list`: at its start or after a blank,
// and followed by a blank or the end. An empty name, a name with a blank and a null list (a
// context without an extension string) are never found.
bool ExtensionNameInList(const char* list, const char* name);

struct GLVersionFlags {
    bool v1_2 = false;
    bool v1_3 = false;
    bool v1_4 = false;
};

// The versions 1.2, 1.3 and 1.4 that a version string ("1.3 Vendor 7.0", "4.5 (Compatibility
// Profile) Mesa") covers: OpenGL 2 and later cover all three; a null string covers none.
GLVersionFlags VersionFlagsFromString(const char* version);
