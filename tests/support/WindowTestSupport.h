#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <wx/gdicmn.h>
#include <wx/image.h>
#include <wx/string.h>

#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "tests/support/TempFolder.h"

class wxWindow;

// Helpers for tests with real windows on an X display (Xvfb in the test script).

// Handles pending events until `done` holds or `timeoutMs` has passed; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Handles the events that arrive within `ms` milliseconds.
void PumpFor(int ms);
// Runs a real event loop for `ms` milliseconds: events, and idle calls only when the loop
// goes idle, as in the running program (unlike PumpFor, which asks for idle calls itself).
void RunEventLoopFor(int ms);
// Waits until the window is shown on screen and has a size.
bool WaitUntilShown(wxWindow& window, int timeoutMs = 5000);

// Real input through the X test extension, as a person would give it.
// A click at a point given in the window's client coordinates.
void ClickAt(wxWindow& window, const wxPoint& clientPoint, int button = 1 /* wxMOUSE_BTN_LEFT */);
// Turns the mouse wheel under the pointer by `notches` (up when positive): one wheel button
// press and release each, as a real wheel sends them.
void TurnWheel(int notches);
// A left-button drag from one screen point to another.
void DragMouse(const wxPoint& from, const wxPoint& to);
// A press and release of a key, with modifiers (wxMOD_SHIFT, wxMOD_CONTROL, ...).
void PressKey(int keyCode, int modifiers = 0);

// Input sent straight to the X server, without waiting for the toolkit to take it in as the
// calls above do: for input given from a timer, where a drag's or a menu's nested loop must not
// start inside the timer's own call (the timer would not run again until it ends).
void SendPointerMove(const wxPoint& screenPoint);
void SendButton(bool down);
void SendKeySym(unsigned long keySym);

// What the X display shows now in `area` (screen coordinates), read from the display itself:
// the toolkit's screen device context may hand back an older picture.
wxImage ScreenPicture(const wxRect& area);

// Answers every message box while it lives: records each request and answers with the next
// queued answer, or with OK (Yes/No boxes: No) when none is queued.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<MessageBoxRequest> shown;
    std::deque<int> answers;

    std::vector<wxString> Texts() const;

private:
    MessageBoxHook m_previous;
};

// Answers every file dialog while it lives with the queued answers (a path, or nothing for
// Cancel); with none queued it cancels. Records each request.
class FileDialogAnswerer {
public:
    FileDialogAnswerer();
    ~FileDialogAnswerer();
    FileDialogAnswerer(const FileDialogAnswerer&) = delete;
    FileDialogAnswerer& operator=(const FileDialogAnswerer&) = delete;

    std::vector<FileDialogRequest> requests;
    std::deque<std::optional<wxString>> answers;

private:
    FileDialogHook m_previous;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& text);
