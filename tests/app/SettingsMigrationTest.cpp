// The settings and recovery copies of earlier versions move to the desktop's folders once.
#include <cstdlib>
#include <fstream>
#include <optional>

#include <gtest/gtest.h>

#include "app/SettingsMigration.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowTestApp.h"

namespace {

// Sets an environment variable (or unsets it for nothing) and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }
    ~ScopedVariable() { m_old ? setenv(m_name, m_old->c_str(), 1) : unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

std::string Read(const std::string& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const std::string& path, const std::string& text)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path) << text;
}

// One start of the editor: what it moves, with the folders it uses.
std::vector<std::string> Start()
{
    return SettingsMigration(TestApp().SettingsFile().utf8_string(), TestApp().DataFolder().utf8_string()).Run();
}

} // namespace

TEST(SettingsMigrationTest, OldSettingsAndCopiesMoveOnceAndNeverOverANewPlace)
{
    struct Case {
        bool xdgSet;
        std::string oldSettings, newSettings, newCopy;
    };
    const Case cases[] = {
        {true, "cfg/Local AppWizard-Generated Applications/Trelkan.conf", "cfg/trelkan/trelkan.conf",
         "data/trelkan/autosave/autosave-1.xml"},
        {false, ".config/Local AppWizard-Generated Applications/Trelkan.conf", ".config/trelkan/trelkan.conf",
         ".local/share/trelkan/autosave/autosave-1.xml"},
    };
    const wxString appName = TestApp().GetAppName();
    TestApp().SetAppName("trelkan");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.newSettings);
        TempFolder home;
        ScopedVariable homeVariable("HOME", home.Path());
        ScopedVariable config("XDG_CONFIG_HOME", c.xdgSet ? std::optional(home.File("cfg")) : std::nullopt);
        ScopedVariable data("XDG_DATA_HOME", c.xdgSet ? std::optional(home.File("data")) : std::nullopt);
        Write(home.File(c.oldSettings), "[RecentFiles]\nfile1=/levels/a.xml\n");
        Write(home.File(".Trelkan/autosave/autosave-1.xml"), "<CSGGroup/>");

        EXPECT_EQ(Start(), std::vector<std::string>());
        EXPECT_EQ(Read(home.File(c.newSettings)), "[RecentFiles]\nfile1=/levels/a.xml\n");
        EXPECT_EQ(Read(home.File(c.newCopy)), "<CSGGroup/>");
        EXPECT_FALSE(std::filesystem::exists(home.File(".Trelkan")));

        // Old files that appear again never replace the new ones.
        Write(home.File(c.oldSettings), "[RecentFiles]\n");
        EXPECT_EQ(Start(), std::vector<std::string>());
        EXPECT_EQ(Read(home.File(c.newSettings)), "[RecentFiles]\nfile1=/levels/a.xml\n");
        EXPECT_EQ(Read(home.File(c.oldSettings)), "[RecentFiles]\n");
    }
    TestApp().SetAppName(appName);
}

TEST(SettingsMigrationTest, AMoveThatFailsLeavesTheOldFilesAndSaysSo)
{
    TempFolder home;
    ScopedVariable homeVariable("HOME", home.Path());
    ScopedVariable config("XDG_CONFIG_HOME", home.File("cfg"));
    ScopedVariable data("XDG_DATA_HOME", home.File("not-a-folder"));
    Write(home.File("not-a-folder"), "");
    Write(home.File(".Trelkan/autosave/autosave-1.xml"), "<CSGGroup/>");

    const std::vector<std::string> problems = Start();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find(".Trelkan/autosave"), std::string::npos) << problems[0];
    EXPECT_EQ(Read(home.File(".Trelkan/autosave/autosave-1.xml")), "<CSGGroup/>");
}
