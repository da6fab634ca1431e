#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

// Brings what earlier versions kept outside the desktop's folders into them: their settings
// file (<config home>/Local AppWizard-Generated Applications/Trelkan.conf: recent files, window
// layout, dialog folders) becomes the settings file, and each file of their data folder
// (~/.Trelkan/: the recovery copies) moves to its place in the data folder, into folders that
// may exist already. Nothing moves onto a file that exists already, so nothing is overwritten.
// A file that cannot be renamed (another file system) is copied, the copy checked, and only then
// the old one removed; a move that fails leaves the old file where it is, to be tried again at
// the next start.
class SettingsMigration {
public:
    using Rename = std::function<void(const std::filesystem::path& from, const std::filesystem::path& to,
                                      std::error_code& error)>;

    // `settingsFile` lies in a folder of the configuration folder, where earlier versions kept
    // theirs too; their data folder was ~/.Trelkan. `rename` renames a file or a folder
    // (std::filesystem::rename unless given).
    SettingsMigration(const std::string& settingsFile, const std::string& dataFolder, Rename rename = nullptr);

    // Makes the moves that are due; one message for each that failed.
    std::vector<std::string> Run() const;

private:
    void Move(const std::filesystem::path& from, const std::filesystem::path& to,
              std::vector<std::string>& problems) const;
    void MoveFolder(const std::filesystem::path& from, const std::filesystem::path& to,
                    std::vector<std::string>& problems) const;
    void MoveFile(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& error) const;

    std::filesystem::path m_oldSettings;
    std::filesystem::path m_newSettings;
    std::filesystem::path m_oldData;
    std::filesystem::path m_newData;
    Rename m_rename;
};
