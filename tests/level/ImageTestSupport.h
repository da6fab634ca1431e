#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <IL/il.h>

#include "level/ImageFile.h"

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "trelkan-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~TempDir()
    {
        if (!m_path.empty())
            std::filesystem::remove_all(m_path);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Saves a width x height image of one colour with the given channel layout (IL_RGB, IL_RGBA,
// IL_LUMINANCE) in the format `type`. Needs a current OpenGL context.
inline bool SaveSolidImage(const std::string& path, ILenum type, ILenum format, int width, int height,
                           std::vector<unsigned char> pixel)
{
    InitImageLibrary();
    ilEnable(IL_FILE_OVERWRITE);
    std::vector<unsigned char> data;
    for (int i = 0; i < width * height; ++i)
        data.insert(data.end(), pixel.begin(), pixel.end());
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    const bool ok = ilTexImage(width, height, 1, static_cast<ILubyte>(pixel.size()), format,
                               IL_UNSIGNED_BYTE, data.data()) &&
                    ilSave(type, path.c_str());
    ilDeleteImages(1, &image);
    return ok;
}
