#include "play/PlayRun.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLongestStall = 0.25;
// Spacing of the kept path points along a straight run, in level units.
constexpr float kTraceSpacing = 0.25f;

} // namespace

PlayRun::PlayRun(const LevelScene& scene, const PlayStart& start, std::uint64_t seed)
    : m_field(scene, start), m_seed(seed), m_state(SnakeRules::Start(m_field, seed))
{
    m_trace.push_back({m_state.body.Head(), 0.0, true});
}

std::vector<const CSGNode*> PlayRun::ItemsAway() const
{
    std::vector<const CSGNode*> away;
    for (std::size_t i = 0; i < m_field.items.size(); ++i)
        if (!SnakeRules::ItemPresent(m_state, i))
            away.push_back(m_field.items[i].node);
    return away;
}

void PlayRun::Advance(double seconds)
{
    if (m_paused)
        return;
    m_owed = std::min(m_owed + seconds, kLongestStall);
    while (m_owed >= SnakeRules::kStep && !m_state.over) {
        m_owed -= SnakeRules::kStep;
        const SnakeState before = m_state;
        m_state = SnakeRules::Step(m_field, before, {m_turns}, m_seed);
        m_turns = 0;
        Record(before);
    }
}

void PlayRun::Record(const SnakeState& before)
{
    const PlayPoint head = m_state.body.Head();
    if (m_state.lifeEnds.size() != before.lifeEnds.size()) {
        m_trace.push_back({m_state.lifeEnds.back().place, Time(), false});
        if (!m_state.over)
            m_trace.push_back({head, Time(), true});
        return;
    }
    const PlayPoint& last = m_trace.back().place;
    if (m_state.headingDeg != before.headingDeg)
        m_trace.push_back({before.body.Head(), SnakeRules::Time(before), false});
    else if (std::hypot(head.x - last.x, head.z - last.z) >= kTraceSpacing)
        m_trace.push_back({head, Time(), false});
}
