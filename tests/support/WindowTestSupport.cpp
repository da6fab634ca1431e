#include "tests/support/WindowTestSupport.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

bool PumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        wxTheApp->Yield(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

void PumpFor(int ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    PumpUntil([&] { return std::chrono::steady_clock::now() >= end; }, ms + 1000);
}

void RunEventLoopFor(int ms)
{
    wxGUIEventLoop loop;
    wxTimer stop;
    stop.Bind(wxEVT_TIMER, [&loop](wxTimerEvent&) { loop.Exit(); });
    stop.StartOnce(ms);
    loop.Run();
}

bool WaitUntilShown(wxWindow& window, int timeoutMs)
{
    return PumpUntil([&] { return window.IsShownOnScreen() && window.GetSize().x > 0; }, timeoutMs);
}

void ClickAt(wxWindow& window, const wxPoint& clientPoint, int button)
{
    wxUIActionSimulator input;
    input.MouseMove(window.ClientToScreen(clientPoint));
    PumpFor(30);
    input.MouseClick(button);
    PumpFor(60);
}

namespace {

// Sends the events of `send` on a connection of its own and flushes them.
template <class Send> void SendToX(Send send)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return;
    send(display);
    XFlush(display);
    XCloseDisplay(display);
}

} // namespace

void SendPointerMove(const wxPoint& screenPoint)
{
    SendToX([&](Display* display) { XTestFakeMotionEvent(display, -1, screenPoint.x, screenPoint.y, CurrentTime); });
}

void SendButton(bool down)
{
    SendToX([&](Display* display) { XTestFakeButtonEvent(display, 1, down, CurrentTime); });
}

void SendKeySym(unsigned long keySym)
{
    SendToX([&](Display* display) {
        const KeyCode code = XKeysymToKeycode(display, keySym);
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
    });
}

void TurnWheel(int notches)
{
    // The toolkit's simulator knows three buttons only; the wheel is buttons 4 (up) and 5.
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return;
    const unsigned button = notches > 0 ? 4 : 5;
    for (int i = 0; i < std::abs(notches); ++i) {
        XTestFakeButtonEvent(display, button, True, CurrentTime);
        XTestFakeButtonEvent(display, button, False, CurrentTime);
        XFlush(display);
        PumpFor(40);
    }
    XCloseDisplay(display);
    PumpFor(40);
}

void DragMouse(const wxPoint& from, const wxPoint& to)
{
    wxUIActionSimulator input;
    input.MouseMove(from);
    PumpFor(50);
    input.MouseDown();
    PumpFor(50);
    input.MouseMove(to);
    PumpFor(50);
    input.MouseUp();
    PumpFor(100);
}

void PressKey(int keyCode, int modifiers)
{
    wxUIActionSimulator input;
    input.KeyDown(keyCode, modifiers);
    input.KeyUp(keyCode, modifiers);
    PumpFor(60);
}

namespace {

// The 8-bit value of the colour channel `mask` of an X pixel.
unsigned char Channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1u))
        ++shift;
    const unsigned long value = (pixel & mask) >> shift;
    const unsigned long top = mask >> shift;
    return static_cast<unsigned char>(value * 255 / top);
}

} // namespace

wxImage ScreenPicture(const wxRect& area)
{
    wxImage picture;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return picture;
    XImage* shot = XGetImage(display, DefaultRootWindow(display), area.GetX(), area.GetY(),
                             static_cast<unsigned>(area.GetWidth()),
                             static_cast<unsigned>(area.GetHeight()), AllPlanes, ZPixmap);
    if (shot) {
        picture.Create(area.GetWidth(), area.GetHeight());
        for (int y = 0; y < area.GetHeight(); ++y)
            for (int x = 0; x < area.GetWidth(); ++x) {
                const unsigned long pixel = XGetPixel(shot, x, y);
                picture.SetRGB(x, y, Channel(pixel, shot->red_mask),
                               Channel(pixel, shot->green_mask), Channel(pixel, shot->blue_mask));
            }
        XDestroyImage(shot);
    }
    XCloseDisplay(display);
    return picture;
}

MessageBoxRecorder::MessageBoxRecorder()
{
    m_previous = SetMessageBoxHook([this](const MessageBoxRequest& request) {
        shown.push_back(request);
        if (!answers.empty()) {
            int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return (request.style & wxYES_NO) ? wxNO : wxOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHook(m_previous);
}

std::vector<wxString> MessageBoxRecorder::Texts() const
{
    std::vector<wxString> texts;
    for (const MessageBoxRequest& request : shown)
        texts.push_back(request.text);
    return texts;
}

FileDialogAnswerer::FileDialogAnswerer()
{
    m_previous = SetFileDialogHook([this](const FileDialogRequest& request) {
        requests.push_back(request);
        std::optional<wxString> answer;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        return answer;
    });
}

FileDialogAnswerer::~FileDialogAnswerer()
{
    SetFileDialogHook(m_previous);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteWholeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}
