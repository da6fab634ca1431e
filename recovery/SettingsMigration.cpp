#include "recovery/SettingsMigration.h"

#include <system_error>

#include <wx/filename.h>

namespace fs = std::filesystem;

namespace {

// Moves `from` to `to` when there is something to move and nothing in the way; adds a message
// to `problems` when the move was due and failed.
void MoveOnce(const fs::path& from, const fs::path& to, std::vector<std::string>& problems)
{
    std::error_code error;
    if (!fs::exists(fs::symlink_status(from, error)) || fs::exists(fs::symlink_status(to, error)))
        return;
    fs::create_directories(to.parent_path(), error);
    if (!error)
        fs::rename(from, to, error);
    if (error)
        problems.push_back("cannot move " + from.string() + " to " + to.string() + " (" + error.message() +
                           "); it stays where it was");
}

// An old folder that the moves emptied goes; one still holding something stays.
void RemoveIfEmpty(const fs::path& folder)
{
    std::error_code error;
    if (fs::is_empty(folder, error) && !error)
        fs::remove(folder, error);
}

} // namespace

SettingsMigration::SettingsMigration(const std::string& settingsFile, const std::string& dataFolder)
    : m_oldSettings(fs::path(settingsFile).parent_path().parent_path() / "Local AppWizard-Generated Applications" /
                    "Trelkan.conf"),
      m_newSettings(settingsFile),
      m_oldData(fs::path(wxFileName::GetHomeDir().utf8_string()) / ".Trelkan"),
      m_newData(dataFolder)
{
}

std::vector<std::string> SettingsMigration::Run() const
{
    std::vector<std::string> problems;
    MoveOnce(m_oldSettings, m_newSettings, problems);
    RemoveIfEmpty(m_oldSettings.parent_path());
    // Listed first: the folder is not changed while it is read.
    std::vector<fs::path> oldEntries;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(m_oldData, error))
        oldEntries.push_back(entry.path());
    for (const fs::path& entry : oldEntries)
        MoveOnce(entry, m_newData / entry.filename(), problems);
    RemoveIfEmpty(m_oldData);
    return problems;
}
