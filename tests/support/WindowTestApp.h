#pragma once

#include <functional>

#include "framework/CWinApp.h"

// The application object of the window tests: a framework application whose idle hook a test
// can set, and whose settings and document manager tests reach directly.
class WindowTestApp : public CWinApp {
public:
    bool OnInit() override { return true; }

    std::function<bool(long)> idleHook;

    using CWinApp::LoadStdProfileSettings;

protected:
    bool OnIdle(long count) override { return idleHook ? idleHook(count) : false; }
};

inline WindowTestApp& TestApp()
{
    return *static_cast<WindowTestApp*>(wxTheApp);
}
