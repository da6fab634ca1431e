#pragma once

#include <functional>

#include <wx/string.h>

// Every message box of the program goes through ShowMessageBox, so that a test can answer it
// instead of a person.

// What a message box was asked to show; `style` holds the wx button and icon flags.
struct MessageBoxRequest {
    wxString text;
    wxString caption;
    long style = 0;
};

// Answers a message box in place of the user; returns wxOK, wxYES, wxNO or wxCANCEL.
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

// Shows a modal message box over the application's main window and returns the button pressed
// (wxOK, wxYES, wxNO or wxCANCEL). The caption defaults to the application's name.
int ShowMessageBox(const wxString& text, const wxString& caption = wxString(), long style = 0);

// The message of a file that could not be used: "<path>" <failure>: <reason>.
// `failure` says what went wrong, e.g. "could not be opened" or "could not be saved".
void ShowFileErrorBox(const wxString& path, const wxString& failure, const wxString& reason);

// Replaces the dialog by `hook` until the returned previous hook is put back; an empty hook
// shows real dialogs.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
