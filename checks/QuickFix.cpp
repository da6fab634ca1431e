#include "checks/QuickFix.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "checks/CheckedLevel.h"
#include "checks/FootprintMath.h"
#include "level/GameSettingsNode.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"

namespace {

// The places tried, around the nearest place inside the floor, are this far apart: designers
// snap to half units.
constexpr double kStep = 0.5;
// At most this many steps away in each direction: a floor as large as the form allows.
constexpr int kMostSteps = 200;

// The centres along one axis that keep a span of half length `extent` on [low, high]: the floor's
// middle when it is longer than the floor.
struct CentreRange {
    double low, high;

    static CentreRange Of(double extent, double low, double high)
    {
        if (2.0 * extent > high - low)
            return {0.5 * (low + high), 0.5 * (low + high)};
        return {low + extent, high - extent};
    }
    double Nearest(double value) const { return std::clamp(value, low, high); }
    bool Holds(double value) const { return value >= low - kTolerance && value <= high + kTolerance; }
};

// Where the object may go and whether a place is free: the start and an item must not be
// inside a wall, a wall must share no area with another wall.
class FreePlaces {
public:
    FreePlaces(const CheckedLevel& level, const CSGNode* node, const Footprint& shape, bool isWall)
        : m_level(level), m_node(node), m_shape(shape), m_isWall(isWall)
    {
    }

    bool Free(double x, double z) const
    {
        if (!std::isfinite(static_cast<float>(x)) || !std::isfinite(static_cast<float>(z)))
            return false;
        if (!m_isWall)
            return m_level.WallsHolding(x, z).empty();
        Footprint moved = m_shape;
        moved.x = x;
        moved.z = z;
        if (!m_level.wallsByPlace)
            return true;
        const TurnedFootprint turned(moved);
        for (int index : m_level.wallsByPlace->Within(moved.Bounds())) {
            const PlacedObject& wall = m_level.placedWalls[static_cast<std::size_t>(index)];
            if (wall.node != m_node && FootprintsOverlap(turned, wall))
                return false;
        }
        return true;
    }

private:
    const CheckedLevel& m_level;
    const CSGNode* m_node;
    Footprint m_shape;
    bool m_isWall;
};

struct Candidate {
    double distance, x, z;
};

// The free place inside the floor nearest the footprint's centre, on half steps from the
// nearest place inside; false when there is none.
bool NearestFreePlace(const CheckedLevel& level, const CSGNode* node, const Footprint& shape, bool isWall, double& x,
                      double& z)
{
    const LevelRect bounds = shape.Bounds();
    const LevelRect& floor = level.floorRect;
    const CentreRange rangeX = CentreRange::Of(0.5 * (bounds.maxX - bounds.minX), floor.minX, floor.maxX);
    const CentreRange rangeZ = CentreRange::Of(0.5 * (bounds.maxZ - bounds.minZ), floor.minZ, floor.maxZ);
    const double nearestX = rangeX.Nearest(shape.x);
    const double nearestZ = rangeZ.Nearest(shape.z);
    const FreePlaces places(level, node, shape, isWall);
    if (places.Free(nearestX, nearestZ)) {
        x = nearestX;
        z = nearestZ;
        return true;
    }
    const int stepsX = std::min(kMostSteps, static_cast<int>(std::ceil((rangeX.high - rangeX.low) / kStep)));
    const int stepsZ = std::min(kMostSteps, static_cast<int>(std::ceil((rangeZ.high - rangeZ.low) / kStep)));
    std::vector<Candidate> candidates;
    for (int i = -stepsX; i <= stepsX; ++i)
        for (int j = -stepsZ; j <= stepsZ; ++j) {
            const double cx = nearestX + i * kStep;
            const double cz = nearestZ + j * kStep;
            if (rangeX.Holds(cx) && rangeZ.Holds(cz))
                candidates.push_back({std::hypot(cx - shape.x, cz - shape.z), cx, cz});
        }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
    for (const Candidate& candidate : candidates)
        if (places.Free(candidate.x, candidate.z)) {
            x = candidate.x;
            z = candidate.z;
            return true;
        }
    return false;
}

// The centre in the file's floats, nudged towards the floor's middle where rounding would push
// the object's edge over the floor's.
float InsideAsFloat(double centre, double extent, double low, double high)
{
    auto value = static_cast<float>(centre);
    const float inwards = centre < 0.5 * (low + high) ? INFINITY : -INFINITY;
    for (int nudge = 0; nudge < 8 && 2.0 * extent <= high - low &&
                        (value - extent < low - kTolerance || value + extent > high + kTolerance);
         ++nudge)
        value = std::nextafter(value, inwards);
    return value;
}

std::optional<QuickFix> MoveFix(const Problem& problem, const LevelScene& scene)
{
    if (problem.nodes.empty())
        return std::nullopt;
    // Places only: no image is looked at.
    const ImageCheck noImages = [](const std::string&) { return std::string(); };
    const CheckedLevel level(scene, nullptr, noImages);
    if (!level.hasFloor)
        return std::nullopt;
    const CSGNode* node = problem.nodes.front();
    Footprint shape{};
    const bool isStart = node == scene.m_pGameSettings;
    if (isStart)
        shape = {scene.m_pGameSettings->SnakeInitialPosX, scene.m_pGameSettings->SnakeInitialPosZ, 0.0, 0.0, 0.0};
    else if (!Footprint::Of(*node, shape))
        return std::nullopt;
    const bool finite = std::isfinite(shape.x) && std::isfinite(shape.z) && std::isfinite(shape.halfX) &&
                        std::isfinite(shape.halfZ) && std::isfinite(shape.angleDeg);
    double x = 0.0, z = 0.0;
    if (!finite || !NearestFreePlace(level, node, shape, !isStart && node->GetType() == WALL_NODE, x, z))
        return std::nullopt;
    const LevelRect bounds = shape.Bounds();
    const LevelRect& floor = level.floorRect;
    return QuickFix{QuickFix::Kind::MoveInsideFloor, node,
                    InsideAsFloat(x, 0.5 * (bounds.maxX - bounds.minX), floor.minX, floor.maxX),
                    InsideAsFloat(z, 0.5 * (bounds.maxZ - bounds.minZ), floor.minZ, floor.maxZ)};
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
