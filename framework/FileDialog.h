#pragma once

#include <functional>
#include <optional>

#include <wx/string.h>

class wxWindow;

// Every file dialog of the program goes through ShowFileDialog: it keeps the process's current
// directory unchanged (all fixed data paths are relative to it) and lets a test choose the file.

struct FileDialogRequest {
    bool save = false;     // file-save dialog (with overwrite prompt) rather than file-open
    wxString message;      // dialog title; empty for the toolkit's default
    wxString filter;       // wx wildcard, e.g. "Level Map Files (*.xml)|*.xml"
    wxString defaultExt;   // without the dot, added when the chosen name has no extension
    wxString defaultName;  // initial file name, may be empty
    wxWindow* parent = nullptr;
};

// Answers a file dialog in place of the user: the chosen full path, or nothing for Cancel.
using FileDialogHook = std::function<std::optional<wxString>(const FileDialogRequest&)>;

// Shows the dialog and returns the chosen full path, or nothing when the user cancels.
std::optional<wxString> ShowFileDialog(const FileDialogRequest& request);

// Replaces the dialog by `hook`; returns the previous hook. An empty hook shows real dialogs.
FileDialogHook SetFileDialogHook(FileDialogHook hook);
