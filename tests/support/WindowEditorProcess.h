#pragma once

#include <functional>
#include <string>
#include <vector>

#include <sys/types.h>
#include <wx/gdicmn.h>

// A second editor: the real program started from app/ on the same X display, with its settings
// and data in a folder of its own, found, raised and killed through X and process calls.
class EditorProcess {
public:
    // `home` holds the process's settings and data (HOME, XDG_CONFIG_HOME, XDG_DATA_HOME);
    // `environment` adds NAME=value entries.
    EditorProcess(const std::vector<std::string>& arguments, const std::string& home,
                  const std::vector<std::string>& environment = {});
    ~EditorProcess();
    EditorProcess(const EditorProcess&) = delete;
    EditorProcess& operator=(const EditorProcess&) = delete;

    pid_t Pid() const { return m_pid; }
    bool Running() const { return m_pid > 0; }

    // Waits until the process shows a top-level window whose title passes `wanted`; false on
    // timeout or when the process ended. The window found is the one the calls below act on.
    bool WaitForWindow(const std::function<bool(const std::string&)>& wanted, int timeoutMs = 30000);
    // The found window's title now ("" when it is gone).
    std::string Title() const;
    // The found window on screen.
    wxRect ScreenRect() const;
    // Puts the found window above all others and the pointer at `offset` from its top left,
    // where keys then go (there is no window manager: the focus is made to follow the pointer).
    void PointAt(const wxPoint& offset);

    // Sends `signal` and waits for the end.
    void Kill(int signal);

private:
    pid_t m_pid = -1;
    unsigned long m_window = 0;
};
