#include "glext/ExtensionStrings.h"

#include <cctype>
#include <cstring>

bool ExtensionNameInList(const char* list, const char* name)
{
    if (!list || !name || *name == '\0' || std::strchr(name, ' '))
        return false;
    const std::size_t length = std::strlen(name);
    // A hit inside a longer name ("GL_NV_texture_shader" in "GL_NV_texture_shader2") does not
    // count; the search goes on behind it.
    for (const char* hit = std::strstr(list, name); hit; hit = std::strstr(hit + length, name)) {
        const bool startsWord = hit == list || hit[-1] == ' ';
        const char after = hit[length];
        if (startsWord && (after == ' ' || after == '\0'))
            return true;
    }
    return false;
}

namespace {

// The leading decimal number of the string, counted only up to 2 (all that matters here).
int LeadingMajorUpTo2(const char* version)
{
    int major = 0;
    for (const char* p = version; std::isdigit(static_cast<unsigned char>(*p)) && major < 2; ++p)
        major = major * 10 + (*p - '0');
    return major;
}

} // namespace

GLVersionFlags VersionFlagsFromString(const char* version)
{
    GLVersionFlags flags;
    if (!version)
        return flags;
    if (LeadingMajorUpTo2(version) >= 2) {
        flags.v1_2 = flags.v1_3 = flags.v1_4 = true;
        return flags;
    }
    const char* one = std::strstr(version, "1.");
    if (!one)
        return flags;
    const char minor = one[2];
    flags.v1_2 = minor >= '2';
    flags.v1_3 = minor >= '3';
    flags.v1_4 = minor > '3';
    return flags;
}
