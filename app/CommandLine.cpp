#include "app/CommandLine.h"

CommandLineInfo ParseCommandLine(const wxArrayString& arguments)
{
    CommandLineInfo info;
    for (size_t i = 0; i < arguments.size() && info.error.empty(); ++i) {
        const wxString& argument = arguments[i];
        if (argument == "--screenshot") {
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
