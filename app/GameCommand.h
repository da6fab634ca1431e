#pragma once

#include <vector>

#include <wx/string.h>

class wxConfigBase;

// How the game is started with a level, as Edit > Preferences > Game sets it: the program, its
// arguments, in which %f stands for the level file's absolute path, %d for its folder and %n
// for its name without extension, and the working folder (the level's folder when empty).
struct GameCommand {
    wxString program;
    wxString arguments;
    wxString folder;

    static GameCommand Load(const wxConfigBase& settings);
    void Store(wxConfigBase& settings) const;

    // The program's arguments for the level at `levelPath`, split as a shell splits words, so
    // that a path with blanks stays one argument.
    std::vector<wxString> ArgumentsFor(const wxString& levelPath) const;
    wxString WorkingFolder(const wxString& levelPath) const;
    // The program's full path: as given when it names a file, else the first match on PATH.
    // False, with `reason` set, when there is no such program or it cannot be run.
    bool FindProgram(wxString& path, wxString& reason) const;
};
