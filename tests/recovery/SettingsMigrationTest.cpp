// The settings and recovery copies of earlier versions move to the desktop's folders once.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>

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
Problems StartWith(const std::optional<std::string> (&folders)[3], SettingsMigration::Rename rename = nullptr)
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
        SettingsMigration(TestApp().SettingsFile().utf8_string(), TestApp().DataFolder().utf8_string(), rename).Run();
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
    EXPECT_NE(problems[0].find(".Trelkan"), std::string::npos) << problems[0];
    EXPECT_EQ(ReadWholeFile(home.File(OLD_COPY)), "<CSGGroup/>");
}

// Random old trees of settings and copies, a new data folder that may exist already with copies
// of its own, and starts whose renames work, cross file systems or fail. After every start each
// old file's bytes are in its old place or its new one, nothing of the new folder is replaced,
// and a start whose renames work (or cross file systems) leaves nothing behind, however the
// starts before it failed. TRELKAN_MIGRATION_SEED replays one seed.
TEST(SettingsMigrationTest, MovesAcrossFileSystemsAndRetriesLoseNothing)
{
    namespace fs = std::filesystem;
    enum Outcome { WORKS, CROSSES, FAILS };
    const auto rename = [](Outcome outcome) -> SettingsMigration::Rename {
        return [outcome](const fs::path& from, const fs::path& to, std::error_code& error) {
            if (outcome == WORKS)
                fs::rename(from, to, error);
            else
                error = std::make_error_code(outcome == CROSSES ? std::errc::cross_device_link : std::errc::io_error);
        };
    };
    const char* replay = std::getenv("TRELKAN_MIGRATION_SEED");
    for (unsigned seed = replay ? std::strtoul(replay, nullptr, 10) : 1; seed <= (replay ? seed : 200u); ++seed) {
        SCOPED_TRACE("replay with TRELKAN_MIGRATION_SEED=" + std::to_string(seed));
        std::mt19937 random(seed);
        TempFolder home;
        const std::optional<std::string> folders[3] = {home.Path(), home.File("c"), home.File("d")};
        std::map<std::string, std::string> moving; // old place -> new place, with the bytes below
        std::map<std::string, std::string> bytes;
        if (random() % 2) {
            moving["c/Local AppWizard-Generated Applications/Trelkan.conf"] = "c/trelkan/trelkan.conf";
            bytes["c/trelkan/trelkan.conf"] = SETTINGS + std::to_string(seed);
        }
        for (unsigned i = random() % 4; i > 0; --i) {
            const std::string name = "autosave/autosave-" + std::to_string(i) + (random() % 2 ? ".xml" : ".source");
            moving[".Trelkan/" + name] = "d/trelkan/" + name;
            bytes["d/trelkan/" + name] = "copy " + std::to_string(random());
        }
        for (const auto& [from, to] : moving)
            Put(home.File(from), bytes[to]);
        const std::string ownCopy = "d/trelkan/autosave/autosave-own.xml";
        if (random() % 2)
            Put(home.File(ownCopy), "this version's copy");
        const auto nothingLost = [&] {
            for (const auto& [from, to] : moving) {
                const bool old = fs::exists(home.File(from)), now = fs::exists(home.File(to));
                EXPECT_TRUE(old || now) << from;
                EXPECT_EQ(ReadWholeFile(home.File(old ? from : to)), bytes[to]) << from;
            }
            if (fs::exists(home.File(ownCopy))) {
                EXPECT_EQ(ReadWholeFile(home.File(ownCopy)), "this version's copy");
            }
        };
        for (int start = random() % 3; start > 0; --start) {
            const Outcome outcome = static_cast<Outcome>(random() % 3);
            const bool due = std::any_of(moving.begin(), moving.end(),
                                         [&](const auto& move) { return fs::exists(home.File(move.first)); });
            const Problems problems = StartWith(folders, rename(outcome));
            EXPECT_EQ(problems.empty(), outcome != FAILS || !due) << problems.size();
            nothingLost();
        }
        EXPECT_EQ(StartWith(folders, rename(random() % 2 ? WORKS : CROSSES)), Problems());
        nothingLost();
        for (const auto& [from, to] : moving)
            EXPECT_FALSE(fs::exists(home.File(from))) << from << " is moved at last";
        EXPECT_FALSE(fs::exists(home.File(".Trelkan")));
        if (HasFailure())
            break;
    }
}
