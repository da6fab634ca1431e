#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "level/GameSettingsNode.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/TexturesNode.h"
#include "scenegraph/CSGGroup.h"

inline std::string LevelFixture(const std::string& name)
{
    return std::string(TRELKAN_SOURCE_DIR) + "/tests/fixtures/levels/" + name;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

#include "tests/support/TempFolder.h"

// While alive, the process formats numbers with a decimal comma, from an installed German
// locale or, when the system has none, from one that localedef builds in `folder`.
class DecimalCommaLocale {
public:
    explicit DecimalCommaLocale(const TempFolder& folder) : m_previous(std::setlocale(LC_ALL, nullptr))
    {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
            if (std::setlocale(LC_ALL, name))
                return;
        std::string locales = folder.File("locales");
        std::string build = "mkdir -p " + locales + " && localedef -i de_DE -f UTF-8 " + locales +
                            "/de_DE.UTF-8 >/dev/null 2>&1";
        if (std::system(build.c_str()) != 0)
            return;
        setenv("LOCPATH", locales.c_str(), 1);
        m_ownPath = true;
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    }
    ~DecimalCommaLocale()
    {
        std::setlocale(LC_ALL, m_previous.c_str());
        if (m_ownPath)
            unsetenv("LOCPATH");
    }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    bool Active() const { return std::localeconv()->decimal_point[0] == ','; }

private:
    std::string m_previous;
    bool m_ownPath = false;
};

// The tree of a new level below `root`: game settings, texture list, and the level group with
// the floor. Returns the level group.
inline LevelGroupNode& BuildNewLevel(CSGGroup& root)
{
    root.AppendChild(new GameSettingsNode);
    root.AppendChild(new TexturesNode);
    auto* levelGroup = new LevelGroupNode;
    root.AppendChild(levelGroup);
    levelGroup->AppendChild(new LevelFloor);
    return *levelGroup;
}
