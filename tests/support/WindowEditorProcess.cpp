#include "tests/support/WindowEditorProcess.h"

#include <algorithm>
#include <cstring>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <wx/uiaction.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "tests/support/WindowTestSupport.h"

extern char** environ;

namespace {

// One connection to the display for the life of a call.
class XConnection {
public:
    XConnection() : m_display(XOpenDisplay(nullptr)) {}
    ~XConnection()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;
    Display* operator->() const { return m_display; }
    operator Display*() const { return m_display; }

private:
    Display* m_display;
};

// The bytes of property `name` of `window`, empty when it has none.
std::string Property(Display* display, Window window, const char* name, Atom type)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, type,
                           &actualType, &format, &count, &after, &data) == Success &&
        data) {
        // Items of format 32 come as longs.
        const std::size_t itemSize = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
        value.assign(reinterpret_cast<const char*>(data), count * itemSize);
        XFree(data);
    }
    return value;
}

pid_t OwnerOf(Display* display, Window window)
{
    const std::string pid = Property(display, window, "_NET_WM_PID", XA_CARDINAL);
    long value = 0;
    if (pid.size() >= sizeof(long))
        std::memcpy(&value, pid.data(), sizeof(long));
    return static_cast<pid_t>(value);
}

std::string TitleOf(Display* display, Window window)
{
    return Property(display, window, "_NET_WM_NAME", XInternAtom(display, "UTF8_STRING", False));
}

bool Viewable(Display* display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

} // namespace

EditorProcess::EditorProcess(const std::vector<std::string>& arguments, const std::string& home,
                             const std::vector<std::string>& environment)
{
    const std::vector<std::string> homes = {"HOME=", "XDG_CONFIG_HOME=", "XDG_DATA_HOME="};
    std::vector<std::string> variables;
    for (const std::string& name : homes)
        variables.push_back(name + home);
    variables.insert(variables.end(), environment.begin(), environment.end());
    for (char** entry = environ; *entry; ++entry)
        if (std::none_of(homes.begin(), homes.end(),
                         [&](const std::string& name) { return std::strncmp(*entry, name.c_str(), name.size()) == 0; }))
            variables.emplace_back(*entry);
    std::vector<char*> env;
    for (std::string& variable : variables)
        env.push_back(variable.data());
    env.push_back(nullptr);

    std::vector<std::string> words = {TRELKAN_BINARY};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    if (posix_spawn(&m_pid, argv[0], nullptr, nullptr, argv.data(), env.data()) != 0)
        m_pid = -1;
}

EditorProcess::~EditorProcess()
{
    Kill(SIGKILL);
}

bool EditorProcess::WaitForWindow(const std::function<bool(const std::string&)>& wanted, int timeoutMs)
{
    XConnection display;
    if (!display)
        return false;
    m_window = 0;
    PumpUntil(
        [&] {
            if (!Running() || waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
                m_pid = -1;
                return true;
            }
            Window root = 0;
            Window parent = 0;
            Window* children = nullptr;
            unsigned count = 0;
            if (!XQueryTree(display, DefaultRootWindow(static_cast<Display*>(display)), &root, &parent, &children, &count))
                return false;
            for (unsigned i = 0; i < count && !m_window; ++i)
                if (OwnerOf(display, children[i]) == m_pid && Viewable(display, children[i]) &&
                    wanted(TitleOf(display, children[i])))
                    m_window = children[i];
            if (children)
                XFree(children);
            return m_window != 0;
        },
        timeoutMs);
    return m_window != 0;
}

std::string EditorProcess::Title() const
{
    XConnection display;
    return display && m_window ? TitleOf(display, m_window) : std::string();
}

wxRect EditorProcess::ScreenRect() const
{
    XConnection display;
    XWindowAttributes attributes;
    Window child = 0;
    int x = 0;
    int y = 0;
    if (!display || !m_window || !XGetWindowAttributes(display, m_window, &attributes) ||
        !XTranslateCoordinates(display, m_window, DefaultRootWindow(static_cast<Display*>(display)), 0, 0, &x, &y,
                               &child))
        return wxRect();
    return wxRect(x, y, attributes.width, attributes.height);
}

void EditorProcess::PointAt(const wxPoint& offset)
{
    {
        XConnection display;
        if (!display || !m_window)
            return;
        XRaiseWindow(display, m_window);
        // A window that raised itself may have taken the focus for good: it goes back to the
        // pointer.
        XSetInputFocus(display, PointerRoot, RevertToPointerRoot, CurrentTime);
        XSync(display, False);
    }
    PumpFor(200);
    wxUIActionSimulator().MouseMove(ScreenRect().GetTopLeft() + offset);
    PumpFor(300);
}

void EditorProcess::Kill(int signal)
{
    if (!Running())
        return;
    kill(m_pid, signal);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
    m_window = 0;
}
