#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

// What the editor's command line asks for: a level to open (none: a new level) and, for a
// run without a person watching, a file to save a screenshot of the main window to; or only
// the usage or the version, which need no window.
struct CommandLineInfo {
    wxString fileName;
    wxString screenshotPath;
    bool showUsage = false;
    bool showVersion = false;
    wxString error; // not empty when the command line is not understood
};

// Reads the arguments that follow the program name.
CommandLineInfo ParseCommandLine(const wxArrayString& arguments);

// How to call the editor, one option a line.
extern const char* const USAGE_TEXT;
// "trelkan" and the version number.
extern const char* const VERSION_TEXT;
