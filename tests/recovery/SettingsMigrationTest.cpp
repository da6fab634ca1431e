// The settings and recovery copies of earlier versions move to the desktop's folders once.
#include <cstdlib>
#include <optional>

#include <gtest/gtest.h>

#include "recovery/SettingsMigration.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowTestApp.h"
#include "tests/support/WindowTestSupport.h"

namespace {

using Problems = std::vector<std::string>;
const char* const VARIABLES[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
const std::string SETTINGS = "[RecentFiles]\nfile1=/levels/a.xml\n";
const std::string OLD_COPY = ".Trelkan/autosave/autosave-1.xml";

// Starts the editor's migration as "trelkan" with these HOME and XDG folders (none: unset), then
// puts the test program's back.
Problems StartWith(const std::optional<std::string> (&folders)[3])
{
    std::optional<std::string> saved[3];
    for (int i = 0; i < 3; ++i) {
        if (const char* value = std::getenv(VARIABLES[i]))
            saved[i] = value;
        folders[i] ? setenv(VARIABLES[i], folders[i]->c_str(), 1) : unsetenv(VARIABLES[i]);
    }
    const wxString appName = TestApp().GetAppName();
    TestApp().SetAppName("trelkan");
    const Problems problems =
        SettingsMigration(TestApp().SettingsFile().utf8_string(), TestApp().DataFolder().utf8_string()).Run();
    TestApp().SetAppName(appName);
    for (int i = 0; i < 3; ++i)
        saved[i] ? setenv(VARIABLES[i], saved[i]->c_str(), 1) : unsetenv(VARIABLES[i]);
    return problems;
}

void Put(const std::string& path, const std::string& text)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteWholeFile(path, text);
}

} // namespace

TEST(SettingsMigrationTest, OldSettingsAndCopiesMoveOnceAndNeverOverANewPlace)
{
    const struct {
        bool xdgSet;
        std::string oldSettings, newSettings, newCopy;
    } cases[] = {
        {true, "c/Local AppWizard-Generated Applications/Trelkan.conf", "c/trelkan/trelkan.conf",
         "d/trelkan/autosave/autosave-1.xml"},
        {false, ".config/Local AppWizard-Generated Applications/Trelkan.conf", ".config/trelkan/trelkan.conf",
         ".local/share/trelkan/autosave/autosave-1.xml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.newSettings);
        TempFolder home;
        const auto xdg = [&](const char* name) { return c.xdgSet ? std::optional(home.File(name)) : std::nullopt; };
        const std::optional<std::string> folders[3] = {home.Path(), xdg("c"), xdg("d")};
        Put(home.File(c.oldSettings), SETTINGS);
        Put(home.File(OLD_COPY), "<CSGGroup/>");
        EXPECT_EQ(StartWith(folders), Problems());
        EXPECT_EQ(ReadWholeFile(home.File(c.newSettings)), SETTINGS);
        EXPECT_EQ(ReadWholeFile(home.File(c.newCopy)), "<CSGGroup/>");
        EXPECT_FALSE(std::filesystem::exists(home.File(".Trelkan")));

        // Old settings that appear again stay where they are; the new ones stay as they were.
        Put(home.File(c.oldSettings), "[RecentFiles]\n");
        EXPECT_EQ(StartWith(folders), Problems());
        EXPECT_EQ(ReadWholeFile(home.File(c.newSettings)), SETTINGS);
        EXPECT_EQ(ReadWholeFile(home.File(c.oldSettings)), "[RecentFiles]\n");
    }
}

TEST(SettingsMigrationTest, AMoveThatFailsLeavesTheOldFilesAndSaysSo)
{
    TempFolder home;
    Put(home.File("not-a-folder"), "");
    Put(home.File(OLD_COPY), "<CSGGroup/>");
    const Problems problems = StartWith({home.Path(), home.File("c"), home.File("not-a-folder")});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find(".Trelkan/autosave"), std::string::npos) << problems[0];
    EXPECT_EQ(ReadWholeFile(home.File(OLD_COPY)), "<CSGGroup/>");
}
