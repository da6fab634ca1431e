#pragma once

#include <functional>
#include <vector>

#include <wx/string.h>

// Every message box of the program goes through ShowMessageBox, so that a test can answer it
// instead of a person.

// What a message box was asked to show; `style` holds the wx button and icon flags.
struct MessageBoxRequest {
    wxString text;
    wxString caption;
    long style = 0;
    // Own labels of the Yes, No (and Cancel) buttons, in that order; empty for the usual ones.
    std::vector<wxString> labels;
};

// Answers a message box in place of the user; returns wxOK, wxYES, wxNO or wxCANCEL.
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

// Shows a modal message box over the application's main window and returns the button pressed
// (wxOK, wxYES, wxNO or wxCANCEL). The caption defaults to the application's name. `labels`
// name the Yes, No (and Cancel) buttons by what they do; the answer is still wxYES, wxNO or
// wxCANCEL.
int ShowMessageBox(const wxString& text, const wxString& caption = wxString(), long style = 0,
                   const std::vector<wxString>& labels = {});

// The message of a file that could not be used: "<path>" <failure>: <reason>.
// `failure` says what went wrong, e.g. "could not be opened" or "could not be saved".
void ShowFileErrorBox(const wxString& path, const wxString& failure, const wxString& reason);

// Replaces the dialog by `hook` until the returned previous hook is put back; an empty hook
// shows real dialogs.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
