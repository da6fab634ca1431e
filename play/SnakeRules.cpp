#include "play/SnakeRules.h"

#include <algorithm>
#include <cmath>

namespace {

// A well-mixed number from the seed, the step and a draw's index (SplitMix64's finaliser).
std::uint64_t Random(std::uint64_t seed, std::uint64_t step, std::uint64_t index)
{
    std::uint64_t z = seed ^ (step * 0x9E3779B97F4A7C15ull) ^ (index * 0xD1B54A32D192ED03ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Distance(const PlayPoint& a, const PlayPoint& b)
{
    return std::hypot(b.x - a.x, b.z - a.z);
}

// Whether the head's move from `from` to `to` enters the reach of an item at `place`.
bool Enters(const PlayPoint& from, const PlayPoint& to, const PlayPoint& place, float reach)
{
    return Distance(to, place) < reach && Distance(from, place) >= reach;
}

} // namespace

SnakeState SnakeRules::Start(const PlayField& field, std::uint64_t seed)
{
    SnakeState state;
    state.lives = kLives;
    state.itemBackAt.assign(field.items.size(), 0.0);
    for (int i = 0; i < field.extraNormalItems; ++i)
        state.extraItems.push_back(field.FreeCell(Random(seed, 0, static_cast<std::uint64_t>(i))));
    PlaceAtStart(field, state);
    return state;
}

void SnakeRules::PlaceAtStart(const PlayField& field, SnakeState& state)
{
    state.headingDeg = field.start.headingDeg;
    state.velocity = field.initialVelocity;
    state.targetLength = field.initialLength;
    state.noGrowthUntil = 0.0;
    state.body = SnakeBody({field.start.x, field.start.z}, PlayField::Direction(field.start.headingDeg),
                           field.initialLength);
}

SnakeState SnakeRules::Step(const PlayField& field, const SnakeState& state, const StepInput& input, std::uint64_t seed)
{
    SnakeState next = state;
    if (next.over)
        return next;
    if (input.turns != 0) {
        next.headingDeg = std::fmod(next.headingDeg + static_cast<float>(input.turns) * field.turningAngle, 360.0f);
        next.body.Turn();
    }
    const PlayPoint direction = PlayField::Direction(next.headingDeg);
    const PlayPoint from = next.body.Head();
    const float travel = next.velocity * static_cast<float>(kStep);
    const PlayPoint to{from.x + direction.x * travel, from.z + direction.z * travel};
    next.body.MoveHead(to);
    next.body.CutTo(next.targetLength);
    float distance = travel;
    LifeEndCause cause = LifeEndCause::Wall;
    if (LifeEnds(field, next, from, to, distance, cause)) {
        EndLife(field, next, from, distance, cause);
        return next;
    }
    TakeItems(field, next, from, seed);
    ++next.steps;
    return next;
}

bool SnakeRules::LifeEnds(const PlayField& field, const SnakeState& state, const PlayPoint& from, const PlayPoint& to,
                          float& distance, LifeEndCause& cause)
{
    const PlayPoint direction = PlayField::Direction(state.headingDeg);
    bool ends = false;
    if (!field.OnFloor(to)) {
        distance = RayDistanceToEdge(field.floor, from.x, from.z, direction.x, direction.z);
        cause = LifeEndCause::FloorEdge;
        ends = true;
    }
    float wall = 0.0f;
    if (field.WallHit(from, to, direction, wall) && (!ends || wall <= distance)) {
        distance = wall;
        cause = LifeEndCause::Wall;
        ends = true;
    }
    if (!ends && state.body.Touches(to, kBodyWidth, kNeck)) {
        cause = LifeEndCause::Body;
        ends = true;
    }
    return ends;
}

void SnakeRules::EndLife(const PlayField& field, SnakeState& state, const PlayPoint& from, float distance,
                         LifeEndCause cause)
{
    const PlayPoint direction = PlayField::Direction(state.headingDeg);
    const PlayPoint place{from.x + direction.x * distance, from.z + direction.z * distance};
    const double endTime = Time(state) + (state.velocity > 0.0f ? distance / state.velocity : 0.0);
    state.lifeEnds.push_back({cause, place, endTime - state.lifeStart});
    ++state.steps;
    if (--state.lives > 0) {
        state.lifeStart = Time(state);
        PlaceAtStart(field, state);
    } else {
        state.over = true;
        state.body.MoveHead(place);
    }
}

void SnakeRules::TakeItems(const PlayField& field, SnakeState& state, const PlayPoint& from, std::uint64_t seed)
{
    const PlayPoint to = state.body.Head();
    const double now = Time(state);
    for (int index : field.ItemsNear(to)) {
        const auto i = static_cast<std::size_t>(index);
        const PlayItem& item = field.items[i];
        if (ItemPresent(state, i) && Enters(from, to, item.place, item.reach)) {
            state.itemBackAt[i] = now + item.respawnTime;
            Apply(item, state);
        }
    }
    const PlayItem normal;
    for (std::size_t i = 0; i < state.extraItems.size(); ++i)
        if (Enters(from, to, state.extraItems[i], normal.reach)) {
            state.extraItems[i] = field.FreeCell(Random(seed, state.steps + 1, i));
            Apply(normal, state);
        }
}

void SnakeRules::Apply(const PlayItem& item, SnakeState& state)
{
    ++state.itemsTaken;
    const double now = Time(state);
    switch (item.kind) {
    case ItemKind::Normal:
        if (now >= state.noGrowthUntil)
            state.targetLength += 1.0f;
        break;
    case ItemKind::ExtraLife:
        ++state.lives;
        break;
    case ItemKind::NoGrowth:
        state.noGrowthUntil = now + item.amount;
        break;
    case ItemKind::Shorter:
        state.targetLength = std::max(state.targetLength - item.amount, std::min(state.targetLength, kShortestBody));
        state.body.CutTo(state.targetLength);
        break;
    case ItemKind::Faster:
        state.velocity += item.amount;
        break;
    case ItemKind::Slower:
        state.velocity = std::max(state.velocity - item.amount, std::min(state.velocity, kSlowest));
        break;
    }
}
