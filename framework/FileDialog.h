#pragma once

#include <functional>
#include <optional>

#include <wx/string.h>

class wxWindow;

// Every file dialog of the program goes through ShowFileDialog: it keeps the process's current
// directory unchanged (all fixed data paths are relative to it), starts in the folder that suits
// its kind of file and lets a test choose the file.

struct FileDialogRequest {
    bool save = false;     // file-save dialog (with overwrite prompt) rather than file-open
    bool folder = false;   // chooses an existing folder rather than a file
    wxString message;      // dialog title; empty for the toolkit's default
    wxString filter;       // wx wildcard, e.g. "Level Map Files (*.xml)|*.xml"
    wxString defaultExt;   // without the dot, added when the chosen name has no extension
    wxString defaultName;  // initial file name, may be empty
    // Where the dialog starts, the first of these that names an existing folder: the folder of
    // the file being worked on; the last folder chosen in a dialog of the same kind (kept in the
    // application's settings under `folderKey`); `defaultFolder`. Relative folders are taken
    // from the current directory.
    wxString currentFolder;
    wxString folderKey;    // e.g. "/Folders/Textures"; empty when the kind keeps no folder
    wxString defaultFolder;
    wxString startFolder;  // set by ShowFileDialog: the folder found, absolute; empty for none
    wxWindow* parent = nullptr;
};

// Answers a file dialog in place of the user: the chosen full path, or nothing for Cancel.
using FileDialogHook = std::function<std::optional<wxString>(const FileDialogRequest&)>;

// Shows the dialog and returns the chosen full path, or nothing when the user cancels.
std::optional<wxString> ShowFileDialog(const FileDialogRequest& request);

// Replaces the dialog by `hook`; returns the previous hook. An empty hook shows real dialogs.
FileDialogHook SetFileDialogHook(FileDialogHook hook);
