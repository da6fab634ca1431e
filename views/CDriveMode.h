#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include <wx/event.h>
#include <wx/timer.h>

#include "play/ChaseCamera.h"
#include "play/PlayRun.h"
#include "views/DriveOverlay.h"

class CGLView;
class wxKeyEvent;

// The preview's drive mode: the snake runs through the level by its rules while the pane shows
// the run from a camera that follows the head, with the run's numbers over it. Left and Right
// turn, Space pauses, V changes the camera (behind the head, its own eye, from above), Escape
// ends the run. The run reads the level once at its start and never changes it.
class CDriveMode : public wxEvtHandler {
public:
    explicit CDriveMode(CGLView& view);
    ~CDriveMode() override;

    bool IsOn() const { return m_run != nullptr; }
    // Starts a run on the document's level from the start marker; nothing without a level.
    void Start();
    // Ends the run; the preview's own camera shows again and m_onEnded gets the head's path.
    void Stop();
    void Toggle() { IsOn() ? Stop() : Start(); }
    // The drive mode's keys while it is on; false for every other key.
    bool OnKey(const wxKeyEvent& event);
    // One frame of the run, the view's context current, into a frame of `size` pixels.
    void Draw(float aspect, int width, int height);

    const PlayRun* Run() const { return m_run.get(); }
    ChaseView Look() const { return m_look; }
    // The lines shown over the run.
    std::vector<wxString> Lines() const;

    std::function<void(const std::vector<TracePoint>&)> m_onEnded;

private:
    void OnTimer(wxTimerEvent& event);

    CGLView& m_view;
    std::unique_ptr<PlayRun> m_run;
    ChaseCamera m_camera{0.0f};
    ChaseView m_look = ChaseView::Behind;
    wxTimer m_timer;
    std::chrono::steady_clock::time_point m_lastTick;
    DriveOverlay m_overlay;
};
