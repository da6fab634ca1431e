#include "recovery/SettingsMigration.h"

#include <wx/filename.h>

#include "level/RegularFile.h"

namespace fs = std::filesystem;

namespace {

void Problem(const fs::path& from, const fs::path& to, const std::error_code& error, std::vector<std::string>& problems)
{
    problems.push_back("cannot move " + from.string() + " to " + to.string() + " (" + error.message() +
                       "); it stays where it was and is moved at the next start");
}

bool SameBytes(const fs::path& a, const fs::path& b)
{
    std::string first, second, error;
    return ReadRegularFile(a.string(), first, error) && ReadRegularFile(b.string(), second, error) && first == second;
}

// An old folder that the moves emptied goes; one still holding something stays.
void RemoveIfEmpty(const fs::path& folder)
{
    std::error_code error;
    if (fs::is_empty(folder, error) && !error)
        fs::remove(folder, error);
}

} // namespace

SettingsMigration::SettingsMigration(const std::string& settingsFile, const std::string& dataFolder, Rename rename)
    : m_oldSettings(fs::path(settingsFile).parent_path().parent_path() / "Local AppWizard-Generated Applications" /
                    "Trelkan.conf"),
      m_newSettings(settingsFile),
      m_oldData(fs::path(wxFileName::GetHomeDir().utf8_string()) / ".Trelkan"),
      m_newData(dataFolder),
      m_rename(rename ? std::move(rename)
                      : [](const fs::path& from, const fs::path& to, std::error_code& error) {
                            fs::rename(from, to, error);
                        })
{
}

std::vector<std::string> SettingsMigration::Run() const
{
    std::vector<std::string> problems;
    Move(m_oldSettings, m_newSettings, problems);
    RemoveIfEmpty(m_oldSettings.parent_path());
    std::error_code error;
    if (fs::is_directory(fs::symlink_status(m_oldData, error)))
        MoveFolder(m_oldData, m_newData, problems);
    return problems;
}

void SettingsMigration::Move(const fs::path& from, const fs::path& to, std::vector<std::string>& problems) const
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(from, error);
    if (!fs::exists(status))
        return;
    const bool placeTaken = fs::exists(fs::symlink_status(to, error));
    if (fs::is_directory(status) && placeTaken) {
        // An earlier start (or this version) made the folder: what is still outside goes in.
        MoveFolder(from, to, problems);
        return;
    }
    if (placeTaken) {
        // The same bytes in both places: an earlier start copied the file but could not remove it.
        if (fs::is_regular_file(status) && SameBytes(from, to))
            fs::remove(from, error);
        return;
    }
    fs::create_directories(to.parent_path(), error);
    if (!error)
        m_rename(from, to, error);
    if (error == std::errc::cross_device_link && fs::is_directory(status)) {
        MoveFolder(from, to, problems);
        return;
    }
    if (error == std::errc::cross_device_link && fs::is_regular_file(status))
        MoveFile(from, to, error);
    if (error)
        Problem(from, to, error, problems);
}

void SettingsMigration::MoveFolder(const fs::path& from, const fs::path& to, std::vector<std::string>& problems) const
{
    std::error_code error;
    fs::create_directories(to, error);
    if (error) {
        Problem(from, to, error, problems);
        return;
    }
    // Listed first: the folder is not changed while it is read.
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(from, error))
        entries.push_back(entry.path());
    for (const fs::path& entry : entries)
        Move(entry, to / entry.filename(), problems);
    RemoveIfEmpty(from);
}

void SettingsMigration::MoveFile(const fs::path& from, const fs::path& to, std::error_code& error) const
{
    // Under a name no scan takes for a copy or for settings, until it is known to be whole.
    const fs::path partial = to.parent_path() / ("." + to.filename().string() + ".moving");
    error.clear();
    fs::copy_file(from, partial, fs::copy_options::overwrite_existing, error);
    if (!error && !SameBytes(from, partial))
        error = std::make_error_code(std::errc::io_error);
    if (!error)
        fs::rename(partial, to, error);
    if (error) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return;
    }
    fs::remove(from, error);
}
