#include "document/AnimationClock.h"

#include <chrono>

#include <wx/window.h>

#include "document/CLevelMapDoc.h"
#include "views/C3DGLView.h"

float ProcessSeconds()
{
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point start = Clock::now();
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    return static_cast<float>(elapsed.count()) * 0.001f;
}

void AdvanceAnimationClock(CLevelMapDoc& document, float now)
{
    float delta = now - document.m_lastTick;
    document.m_lastTick = now;
    if (document.m_bAnimate)
        document.m_animTime += delta;
}

bool RepaintPacer::Due(float now)
{
    if (now - m_last < m_interval)
        return false;
    m_last = now;
    return true;
}

bool AnimateIdle(CLevelMapDoc& document, RepaintPacer& pacer, float now)
{
    AdvanceAnimationClock(document, now);
    if (!document.m_bAnimate)
        return false;
    if (pacer.Due(now)) {
        for (CView* view : document.GetViewList())
            if (dynamic_cast<C3DGLView*>(view) && view->GetWindow())
                view->GetWindow()->Refresh(false);
    }
    return true;
}
