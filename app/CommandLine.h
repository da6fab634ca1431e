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

// Hands `trelkan --render ...` (argv[1] is "--render") to the offscreen renderer, trelkan-render,
// beside the program: it draws with OSMesa, which must not share a process with the system's
// libGL that the editor links. Returns only when the renderer cannot be started, with status 1.
int RunRenderTool(int argc, char** argv);

// How to call the editor, one option a line.
extern const char* const USAGE_TEXT;
// "trelkan" and the version number.
extern const char* const VERSION_TEXT;
