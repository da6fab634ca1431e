#include "views/CDriveMode.h"

#include <algorithm>
#include <cmath>

#include <wx/glcanvas.h>

#include "checks/CheckedLevel.h"
#include "checks/ShownNumber.h"
#include "document/CLevelMapDoc.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"
#include "level/StartPositionNode.h"
#include "framework/CFrameWnd.h"
#include "views/CGLView.h"
#include "views/RunDrawing.h"

namespace {

// A run always starts from the same seed, so that the same presses give the same run.
constexpr std::uint64_t kSeed = 1;
constexpr int kFrameMs = 15;

// A number to a tenth, with '.' whatever the language.
wxString Tenths(double value)
{
    return wxString::FromUTF8(ShownNumber(std::round(value * 10.0) / 10.0));
}

wxString LifeEndText(const LifeEnd& end)
{
    const wxString place = "(" + Tenths(end.place.x) + ", " + Tenths(end.place.z) + ")";
    const wxString seconds = Tenths(end.lifeSeconds);
    switch (end.cause) {
    case LifeEndCause::FloorEdge:
        return wxString::Format(_("Life lost: left the floor at %s after %s s"), place, seconds);
    case LifeEndCause::Body:
        return wxString::Format(_("Life lost: ran into its own body at %s after %s s"), place, seconds);
    case LifeEndCause::Wall:
        break;
    }
    return wxString::Format(_("Life lost: hit the wall at %s after %s s"), place, seconds);
}

} // namespace

CDriveMode::CDriveMode(CGLView& view) : m_view(view)
{
    m_timer.SetOwner(this);
    Bind(wxEVT_TIMER, &CDriveMode::OnTimer, this);
}

CDriveMode::~CDriveMode()
{
    m_timer.Stop();
}

void CDriveMode::Start()
{
    CLevelMapDoc* document = m_view.GetLevelDocument();
    if (!document || !document->m_pScene || !document->m_pStartMarker)
        return;
    const StartPositionNode& start = *document->m_pStartMarker;
    m_run = std::make_unique<PlayRun>(*document->m_pScene, PlayStart{start.x, start.z, start.angle}, kSeed);
    m_camera = ChaseCamera(start.angle);
    m_lastTick = std::chrono::steady_clock::now();
    m_timer.Start(kFrameMs);
    m_view.GetCanvas()->SetFocus();
    m_view.SetStatusText(_("Driving: Left and Right turn, Space pauses, V changes the camera, Escape ends"));
    m_view.GetCanvas()->Refresh(false);
}

void CDriveMode::Stop()
{
    if (!m_run)
        return;
    m_timer.Stop();
    const std::vector<TracePoint> trace = m_run->Trace();
    m_run.reset();
    m_view.SetStatusText(CFrameWnd::IdleMessage());
    m_view.GetCanvas()->Refresh(false);
    if (m_onEnded)
        m_onEnded(trace);
}

bool CDriveMode::OnKey(const wxKeyEvent& event)
{
    if (!m_run || event.HasModifiers())
        return false;
    switch (event.GetKeyCode()) {
    case WXK_ESCAPE:
        Stop();
        return true;
    case WXK_SPACE:
        m_run->SetPaused(!m_run->Paused());
        m_lastTick = std::chrono::steady_clock::now();
        break;
    case WXK_LEFT:
        m_run->Turn(1);
        break;
    case WXK_RIGHT:
        m_run->Turn(-1);
        break;
    case 'V':
        m_look = static_cast<ChaseView>((static_cast<int>(m_look) + 1) % 3);
        break;
    default:
        return false;
    }
    m_view.GetCanvas()->Refresh(false);
    return true;
}

void CDriveMode::OnTimer(wxTimerEvent&)
{
    if (!m_run)
        return;
    const auto now = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(now - m_lastTick).count();
    m_lastTick = now;
    m_run->Advance(seconds);
    m_camera.Follow(m_run->State().headingDeg, static_cast<float>(seconds));
    m_view.GetCanvas()->Refresh(false);
}

std::vector<wxString> CDriveMode::Lines() const
{
    std::vector<wxString> lines;
    if (!m_run)
        return lines;
    const SnakeState& s = m_run->State();
    lines.push_back(wxString::Format(_("Time %s s   Speed %s   Length %s   Lives %d   Items %d"), Tenths(m_run->Time()),
                                     Tenths(s.velocity), Tenths(s.body.Length()), s.lives, s.itemsTaken));
    if (!s.lifeEnds.empty())
        lines.push_back(LifeEndText(s.lifeEnds.back()));
    if (s.over)
        lines.push_back(_("No life left: Escape ends the run"));
    else if (m_run->Paused())
        lines.push_back(_("Paused: Space goes on"));
    return lines;
}

void CDriveMode::Draw(float aspect, int width, int height)
{
    CLevelMapDoc* document = m_view.GetLevelDocument();
    LevelScene* scene = document ? document->m_pScene.get() : nullptr;
    if (!m_run)
        return;
    const LevelFloor* floor = m_view.GetFloor();
    const float span = floor ? static_cast<float>(std::max(floor->Width, floor->Heigth)) : 20.0f;
    const LookAt look = m_camera.Look(m_run->State().body.Head(), m_look, span);
    DrawDriveFrame(look, aspect, scene ? &scene->Root() : nullptr, document ? document->m_animTime : 0.0f,
                   m_run->State(), m_run->ItemsAway(), m_meshes);
    m_overlay.Draw(Lines(), width, height);
}
