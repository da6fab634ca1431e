#pragma once

#include <wx/app.h>
#include <wx/utils.h>

// Lets the toolkit deliver every queued event, run idle handlers and delete the windows that
// were destroyed, the way the main loop would between two user actions.
inline void PumpEvents()
{
    for (int i = 0; i < 5; ++i) {
        wxTheApp->Yield(true);
        wxTheApp->ProcessPendingEvents();
        wxTheApp->ProcessIdle();
        wxMilliSleep(5);
    }
}
