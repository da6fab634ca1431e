#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Brings what earlier versions kept outside the desktop's folders into them, once: their
// settings file (<config home>/Local AppWizard-Generated Applications/Trelkan.conf: recent
// files, window layout, dialog folders) becomes the settings file, and each entry of their data
// folder (~/.Trelkan/: the recovery copies) moves into the data folder. Nothing moves onto a
// place that exists already, so a second start moves nothing and nothing is overwritten; a move
// that fails leaves the old files where they are.
class SettingsMigration {
public:
    // `settingsFile` lies in a folder of the configuration folder, where earlier versions kept
    // theirs too; their data folder was ~/.Trelkan.
    SettingsMigration(const std::string& settingsFile, const std::string& dataFolder);

    // Makes the moves that are due; one message for each that failed.
    std::vector<std::string> Run() const;

private:
    std::filesystem::path m_oldSettings;
    std::filesystem::path m_newSettings;
    std::filesystem::path m_oldData;
    std::filesystem::path m_newData;
};
