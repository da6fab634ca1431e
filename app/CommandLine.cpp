#include "app/CommandLine.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include <unistd.h>

const char* const USAGE_TEXT =
    "Usage: trelkan [--screenshot FILE.png] [LEVEL.xml]\n"
    "       trelkan --check [--werror] LEVEL.xml...\n"
    "       trelkan --render LEVEL.xml OUT.png [--view top|preview] [--size N]\n"
    "Opens LEVEL.xml, or a new level, in the Trelkan level editor.\n"
    "\n"
    "  --screenshot FILE.png  save a picture of the main window once it is shown, then quit\n"
    "  --check                check level files without opening a window: one line per\n"
    "                         problem (FILE:LINE: error|warning: MESSAGE [id]), then one per\n"
    "                         file; the exit status is 0 when no file has an error, 1 otherwise\n"
    "  --werror               with --check, warnings fail the check too\n"
    "  --render               draw the level without a display into a PNG picture of N x N\n"
    "                         pixels (256 unless given): the top view fitted to the floor, or\n"
    "                         the preview (OUT.png - writes it to standard output); the exit\n"
    "                         status is 0 when it is written, 1 otherwise\n"
    "  --help                 show this text and quit\n"
    "  --version              show the version and quit\n";

const char* const VERSION_TEXT = "trelkan " TRELKAN_VERSION "\n";

CommandLineInfo ParseCommandLine(const wxArrayString& arguments)
{
    CommandLineInfo info;
    for (size_t i = 0; i < arguments.size() && info.error.empty(); ++i) {
        const wxString& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            info.showUsage = true;
            return info;
        } else if (argument == "--version") {
            info.showVersion = true;
            return info;
        } else if (argument == "--screenshot") {
            if (i + 1 < arguments.size())
                info.screenshotPath = arguments[++i];
            else
                info.error = "--screenshot needs a file name";
        } else if (argument.StartsWith("-") && argument != "-") {
            info.error = "unknown option " + argument;
        } else if (info.fileName.empty()) {
            info.fileName = argument;
        } else {
            info.error = "only one level file can be opened";
        }
    }
    return info;
}

int RunRenderTool(int argc, char** argv)
{
    std::error_code unknown;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", unknown);
    const std::string tool = (program.parent_path() / "trelkan-render").string();
    std::vector<char*> arguments = {const_cast<char*>(tool.c_str())};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    arguments.push_back(nullptr);
    execv(tool.c_str(), arguments.data());
    std::fprintf(stderr, "trelkan: cannot run %s: %s\n", tool.c_str(), std::strerror(errno));
    return 1;
}
