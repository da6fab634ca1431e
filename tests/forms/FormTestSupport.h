#pragma once

#include <wx/app.h>

#include "tests/support/WindowTestSupport.h"

// Lets the toolkit deliver the queued events and run one idle pass, in which the windows
// destroyed meanwhile are deleted, as the main loop does between two user actions.
inline void Settle()
{
    PumpFor(20);
    wxTheApp->ProcessIdle();
    PumpFor(20);
}
