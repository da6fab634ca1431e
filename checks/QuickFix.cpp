#include "checks/QuickFix.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "geometry/Footprint.h"
#include "level/GameSettingsNode.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"

namespace {

// How far a span [low, high] must shift to lie within [floorLow, floorHigh]; a span longer than
// the floor is centred on it.
float ShiftInside(float low, float high, float floorLow, float floorHigh)
{
    if (high - low > floorHigh - floorLow)
        return 0.5f * (floorLow + floorHigh) - 0.5f * (low + high);
    if (low < floorLow)
        return floorLow - low;
    if (high > floorHigh)
        return floorHigh - high;
    return 0.0f;
}

// A shift, at least `least` long unless it is none: a shift shorter than the spacing of floats
// at the floor's edge would be lost to rounding.
float AtLeast(float shift, float least)
{
    return shift == 0.0f ? 0.0f : std::copysign(std::max(std::fabs(shift), least), shift);
}

// Moves the footprint's centre (x, z) so that its bounds lie inside `floor`, centred on it along
// a side where it is larger. Shifts round, so they are worked out again from the bounds at the
// new centre, as the checks work them out, until none is left.
void MoveInside(Footprint footprint, const LevelRect& floor, float& x, float& z)
{
    const LevelRect bounds = footprint.Bounds();
    x += ShiftInside(bounds.minX, bounds.maxX, floor.minX, floor.maxX);
    z += ShiftInside(bounds.minZ, bounds.maxZ, floor.minZ, floor.maxZ);
    const bool fitsX = bounds.maxX - bounds.minX <= floor.maxX - floor.minX;
    const bool fitsZ = bounds.maxZ - bounds.minZ <= floor.maxZ - floor.minZ;
    const float leastX = std::nextafter(floor.maxX, INFINITY) - floor.maxX;
    const float leastZ = std::nextafter(floor.maxZ, INFINITY) - floor.maxZ;
    for (int pass = 0; pass < 16; ++pass) {
        footprint.x = x;
        footprint.z = z;
        const LevelRect moved = footprint.Bounds();
        const float dx = fitsX ? AtLeast(ShiftInside(moved.minX, moved.maxX, floor.minX, floor.maxX), leastX) : 0.0f;
        const float dz = fitsZ ? AtLeast(ShiftInside(moved.minZ, moved.maxZ, floor.minZ, floor.maxZ), leastZ) : 0.0f;
        if (dx == 0.0f && dz == 0.0f)
            return;
        x += dx;
        z += dz;
    }
}

std::optional<QuickFix> MoveFix(const Problem& problem, const LevelScene& scene)
{
    const LevelFloor& floor = *scene.m_pFloor;
    if (!(floor.Width > 0 && floor.Heigth > 0) || problem.nodes.empty())
        return std::nullopt;
    const float halfWidth = 0.5f * static_cast<float>(floor.Width);
    const float halfHeight = 0.5f * static_cast<float>(floor.Heigth);
    const LevelRect floorRect{-halfWidth, -halfHeight, halfWidth, halfHeight};
    const CSGNode* node = problem.nodes.front();
    QuickFix fix{QuickFix::Kind::MoveInsideFloor, node};
    if (node == scene.m_pGameSettings) {
        fix.x = scene.m_pGameSettings->SnakeInitialPosX;
        fix.z = scene.m_pGameSettings->SnakeInitialPosZ;
        MoveInside({fix.x, fix.z, 0.0f, 0.0f, 0.0f}, floorRect, fix.x, fix.z);
        return fix;
    }
    Footprint footprint{};
    if (!Footprint::Of(*node, footprint))
        return std::nullopt;
    fix.x = footprint.x;
    fix.z = footprint.z;
    MoveInside(footprint, floorRect, fix.x, fix.z);
    return fix;
}

struct FixRule {
    const char* checkId;
    std::optional<QuickFix> (*make)(const Problem&, const LevelScene&);
};

std::optional<QuickFix> NodeFix(const Problem& problem, QuickFix::Kind kind)
{
    if (problem.nodes.empty())
        return std::nullopt;
    return QuickFix{kind, problem.nodes.front()};
}

const FixRule kRules[] = {
    {"start-outside-floor", MoveFix},
    {"object-outside-floor", MoveFix},
    {"wall-partly-outside", MoveFix},
    {"wall-size", [](const Problem& p, const LevelScene&) { return NodeFix(p, QuickFix::Kind::RemoveWall); }},
    {"item-type", [](const Problem& p, const LevelScene&) { return NodeFix(p, QuickFix::Kind::MakeItemNormal); }},
};

} // namespace

std::optional<QuickFix> QuickFixFor(const Problem& problem, const LevelScene& scene)
{
    for (const FixRule& rule : kRules)
        if (std::strcmp(rule.checkId, problem.id) == 0)
            return rule.make(problem, scene);
    return std::nullopt;
}
