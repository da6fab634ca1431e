#include <cstdio>
#include <cstring>

#include "app/CLevelEditorApp.h"
#include "app/CommandLine.h"
#include "checks/LevelCheck.h"
#include "framework/Resource.h"
#include "framework/Translations.h"

#include <filesystem>

#include <wx/app.h>
#include <wx/translation.h>

wxIMPLEMENT_APP_NO_MAIN(CLevelEditorApp);

namespace {

// Exit status of a command line that is not understood, as the shell's own tools use it.
constexpr int USAGE_ERROR = 2;

} // namespace

int main(int argc, char** argv)
{
    // Checking level files opens no window, so it needs no display.
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) {
        const CheckCommand command = ParseCheckArguments(argc - 2, argv + 2);
        if (!command.error.empty()) {
            std::fprintf(stderr, "trelkan: %s\n%s", command.error.c_str(), USAGE_TEXT);
            return USAGE_ERROR;
        }
        // Messages in the desktop's language, as the editor shows them; the catalogs are found
        // through a console application object, without the toolkit's start, which would want
        // a display.
        wxAppConsole console;
        std::error_code unknown;
        const std::string program = std::filesystem::read_symlink("/proc/self/exe", unknown).string();
        UseTranslations(CATALOG_DOMAIN, CatalogFolders(wxString::FromUTF8(program)));
        return CheckLevelFiles(command, stdout, [](const char* english) {
            return std::string(wxGetTranslation(wxString::FromUTF8(english)).utf8_str());
        });
    }
    // Pictures are drawn by a program of its own (see RunRenderTool), without a display either.
    if (argc >= 2 && std::strcmp(argv[1], "--render") == 0)
        return RunRenderTool(argc, argv);
    // Help, version and mistakes are answered before the toolkit looks for a display.
    wxArrayString arguments;
    for (int i = 1; i < argc; ++i)
        arguments.Add(wxString::FromUTF8(argv[i]));
    const CommandLineInfo commandLine = ParseCommandLine(arguments);
    if (commandLine.showUsage) {
        std::fputs(USAGE_TEXT, stdout);
        return 0;
    }
    if (commandLine.showVersion) {
        std::fputs(VERSION_TEXT, stdout);
        return 0;
    }
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "trelkan: %s\n%s", static_cast<const char*>(commandLine.error.utf8_str()),
                     USAGE_TEXT);
        return USAGE_ERROR;
    }
    return wxEntry(argc, argv);
}
