#include "checks/LevelChecks.h"

#include <cmath>
#include <map>

#include "checks/CheckedLevel.h"
#include "checks/FootprintMath.h"
#include "level/CICubeMapNode.h"
#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"
#include "level/SettingRanges.h"
#include "level/SkyBox.h"
#include "level/TexturesNode.h"
#include "level/Wall.h"
#include "scenegraph/NumberText.h"

namespace {

constexpr float kDegrees = 3.14159265358979f / 180.0f;
// How long the snake runs straight ahead before its player can be expected to turn.
constexpr float kReactionSeconds = 2.0f;

std::string Number(double value)
{
    return CheckedLevel::Number(value);
}

// Collects the problems of the check that runs, each at the line of its first object.
class Report {
public:
    Report(const SourceNotes* notes, std::vector<Problem>& problems) : m_notes(notes), m_problems(problems) {}

    void Begin(const CheckInfo& check) { m_check = check; }
    void Add(std::string message, std::vector<const CSGNode*> nodes)
    {
        int line = 0;
        if (m_notes && !nodes.empty()) {
            const auto found = m_notes->find(nodes.front());
            line = found == m_notes->end() ? 0 : found->second.line;
        }
        m_problems.push_back({m_check.id, m_check.severity, std::move(message), std::move(nodes), line});
    }

private:
    const SourceNotes* m_notes;
    std::vector<Problem>& m_problems;
    CheckInfo m_check{};
};

std::string StartName(const CheckedLevel& level)
{
    return "The start position " + CheckedLevel::Place(level.startX, level.startZ);
}

void CheckNumbers(const CheckedLevel& level, Report& report)
{
    if (!level.notes)
        return;
    ForEachNode(level.scene.Root(), [&](CSGNode& node) {
        const auto found = level.notes->find(&node);
        if (found == level.notes->end())
            return;
        for (const UnreadNumber& unread : found->second.unreadNumbers) {
            const std::string read = unread.integer ? std::to_string(TextToInt(unread.text))
                                                    : Number(TextToFloat(unread.text));
            report.Add(CheckedLevel::NameOf(node) + ": " + unread.name + " \"" + unread.text + "\" is not " +
                           (unread.integer ? "a whole number" : "a number") + " (read as " + read + ")",
                       {&node});
        }
    });
}

void CheckFloorSize(const CheckedLevel& level, Report& report)
{
    if (!level.hasFloor)
        report.Add("The floor's size " + std::to_string(level.floor.Width) + " x " + std::to_string(level.floor.Heigth) +
                       " is not positive",
                   {&level.floor});
}

// A setting of the level form: its words, its value and its range.
struct Setting {
    const char* words;
    float value;
    const SettingRange& range;
    const CSGNode& node;
};

void CheckSettingRanges(const CheckedLevel& level, Report& report)
{
    const GameSettingsNode& s = level.settings;
    const Setting settings[] = {
        {"The floor's width", static_cast<float>(level.floor.Width), FLOOR_SIZE_RANGE, level.floor},
        {"The floor's height", static_cast<float>(level.floor.Heigth), FLOOR_SIZE_RANGE, level.floor},
        {"The normal items number", static_cast<float>(s.NormalItemsNumber), NORMAL_ITEMS_RANGE, s},
        {"The snake's turning angle", s.SnakeTurningAngle, TURNING_ANGLE_RANGE, s},
        {"The snake's initial length", s.SnakeInitialLength, INITIAL_LENGTH_RANGE, s},
        {"The snake's initial velocity", s.SnakeInitialVelocity, INITIAL_VELOCITY_RANGE, s},
    };
    for (const Setting& setting : settings) {
        // A floor without a positive size is the floor-size check's.
        const bool floorSize = &setting.range == &FLOOR_SIZE_RANGE;
        if (setting.range.Holds(setting.value) || (floorSize && !level.hasFloor))
            continue;
        report.Add(std::string(setting.words) + " " + Number(setting.value) + " lies outside " +
                       Number(setting.range.min) + " to " + Number(setting.range.max),
                   {&setting.node});
    }
}

void CheckWallSizes(const CheckedLevel& level, Report& report)
{
    for (const Wall* wall : level.walls)
        if (!(wall->Width > 0.0f && wall->Depth > 0.0f && std::isfinite(wall->Width) && std::isfinite(wall->Depth)))
            report.Add(CheckedLevel::NameOf(*wall) + " has the size " + Number(wall->Width) + " x " +
                           Number(wall->Depth) + ", which is not positive and finite",
                       {wall});
}

void CheckFinitePlaces(const CheckedLevel& level, Report& report)
{
    for (const Wall* wall : level.walls)
        if (!std::isfinite(wall->x) || !std::isfinite(wall->z) || !std::isfinite(wall->OrientationAngle))
            report.Add(CheckedLevel::NameOf(*wall) + " has a place or turn that is no finite number", {wall});
    for (const Item* item : level.items)
        if (!std::isfinite(item->x) || !std::isfinite(item->z))
            report.Add(CheckedLevel::NameOf(*item) + " has a place that is no finite number", {item});
    const GameSettingsNode& s = level.settings;
    if (!std::isfinite(s.SnakeInitialPosX) || !std::isfinite(s.SnakeInitialPosZ) ||
        !std::isfinite(s.SnakeInitialOrientationAngle))
        report.Add(StartName(level) + " has a place or heading that is no finite number", {&s});
}

void CheckItemTypes(const CheckedLevel& level, Report& report)
{
    for (const Item* item : level.items)
        if (item->GetType() == ITEM_OUT_OF_RANGE)
            report.Add(CheckedLevel::NameOf(*item) + " has the type " + std::to_string(item->ItemTypeID) +
                           ", which the game does not know (16 to 21)",
                       {item});
}

void CheckStartOnFloor(const CheckedLevel& level, Report& report)
{
    const LevelRect& f = level.floorRect;
    const float x = level.startX;
    const float z = level.startZ;
    if (level.hasFloor && std::isfinite(x) && std::isfinite(z) && !(x >= f.minX && x <= f.maxX && z >= f.minZ && z <= f.maxZ))
        report.Add(StartName(level) + " is not on the floor", {&level.settings});
}

void CheckStartInWall(const CheckedLevel& level, Report& report)
{
    if (!level.wallsByPlace)
        return;
    for (int index : level.wallsByPlace->Near(level.startX, level.startZ)) {
        const PlacedObject& wall = level.placedWalls[static_cast<std::size_t>(index)];
        if (FootprintHolds(wall.footprint, level.startX, level.startZ, false))
            report.Add(StartName(level) + " lies inside the wall at " + CheckedLevel::Place(wall.footprint.x, wall.footprint.z),
                       {&level.settings, wall.node});
    }
}

void CheckOutsideFloor(const CheckedLevel& level, Report& report, bool wholly)
{
    if (!level.hasFloor)
        return;
    for (const std::vector<PlacedObject>* objects : {&level.placedWalls, &level.placedItems}) {
        // Partly outside is worth a word for walls only: an item's sphere may hang over the edge.
        if (!wholly && objects == &level.placedItems)
            continue;
        for (const PlacedObject& object : *objects) {
            const bool touches = object.footprint.Touches(level.floorRect);
            if (wholly && !touches)
                report.Add(CheckedLevel::NameOf(*object.node) + " lies wholly outside the floor", {object.node});
            else if (!wholly && touches && !level.floorRect.Contains(object.footprint.Bounds()))
                report.Add(CheckedLevel::NameOf(*object.node) + " crosses the floor's edge", {object.node});
        }
    }
}

void CheckObjectsOutsideFloor(const CheckedLevel& level, Report& report)
{
    CheckOutsideFloor(level, report, true);
}

void CheckWallsPartlyOutside(const CheckedLevel& level, Report& report)
{
    CheckOutsideFloor(level, report, false);
}

// Why an image of the level cannot be read, asked once per path.
class ImageAnswers {
public:
    explicit ImageAnswers(const ImageCheck& check) : m_check(check) {}
    const std::string& Why(const std::string& path)
    {
        auto found = m_answers.find(path);
        if (found == m_answers.end())
            found = m_answers.emplace(path, m_check(path)).first;
        return found->second;
    }

private:
    const ImageCheck& m_check;
    std::map<std::string, std::string> m_answers;
};

void CheckTextures(const CheckedLevel& level, Report& report)
{
    ImageAnswers images(level.imageCheck);
    if (const TexturesNode* textures = level.scene.m_pTextures) {
        for (std::size_t i = 0; i < textures->m_names.size(); ++i) {
            const std::string& why = images.Why(textures->m_names[i]);
            if (!why.empty())
                report.Add("Texture " + std::to_string(i + 1) + " \"" + textures->m_names[i] + "\" cannot be read: " + why,
                           {textures});
        }
    }
    const CICubeMapNode* cubeMap = level.scene.m_pCubeMap;
    if (!cubeMap)
        return;
    std::string faces[6];
    if (!SkyBoxFaceNames(cubeMap->TextureBaseName, faces)) {
        report.Add("The sky box image name \"" + cubeMap->TextureBaseName + "\" has no extension", {cubeMap});
        return;
    }
    for (const std::string& face : faces) {
        const std::string& why = images.Why(face);
        if (!why.empty())
            report.Add("Sky box image \"" + face + "\" cannot be read: " + why, {cubeMap});
    }
}

void CheckItemsInWalls(const CheckedLevel& level, Report& report)
{
    if (!level.wallsByPlace)
        return;
    for (const PlacedObject& item : level.placedItems)
        for (int index : level.wallsByPlace->Near(item.footprint.x, item.footprint.z)) {
            const PlacedObject& wall = level.placedWalls[static_cast<std::size_t>(index)];
            if (FootprintHolds(wall.footprint, item.footprint.x, item.footprint.z, false))
                report.Add(CheckedLevel::NameOf(*item.node) + " lies inside the wall at " +
                               CheckedLevel::Place(wall.footprint.x, wall.footprint.z),
                           {item.node, wall.node});
        }
}

void CheckItemsOverlap(const CheckedLevel& level, Report& report)
{
    if (!level.hasFloor)
        return;
    // Each item is filed with room for a neighbour's size around it, so that the bucket of an
    // item's centre holds every earlier item closer than their sizes.
    BucketGrid nearby(level.nearFloor, 2.0f);
    for (std::size_t i = 0; i < level.placedItems.size(); ++i) {
        const Footprint& a = level.placedItems[i].footprint;
        for (int earlier : nearby.Near(a.x, a.z)) {
            const Footprint& b = level.placedItems[static_cast<std::size_t>(earlier)].footprint;
            const float size = a.halfX + b.halfX;
            const float distance = std::hypot(a.x - b.x, a.z - b.z);
            if (distance < size)
                report.Add(CheckedLevel::NameOf(*level.placedItems[i].node) + " is " + Number(distance) +
                               " from the item at " + CheckedLevel::Place(b.x, b.z) + ", closer than an item's size (" +
                               Number(size) + ")",
                           {level.placedItems[i].node, level.placedItems[static_cast<std::size_t>(earlier)].node});
        }
        nearby.Insert(static_cast<int>(i), {a.x - 2 * a.halfX, a.z - 2 * a.halfZ, a.x + 2 * a.halfX, a.z + 2 * a.halfZ});
    }
}

void CheckStartFacing(const CheckedLevel& level, Report& report)
{
    const GameSettingsNode& s = level.settings;
    if (!level.startPlaced || !std::isfinite(s.SnakeInitialVelocity))
        return;
    // The start marker's cone points along -Z turned by the heading.
    const float dx = -std::sin(s.SnakeInitialOrientationAngle * kDegrees);
    const float dz = -std::cos(s.SnakeInitialOrientationAngle * kDegrees);
    float nearest = RayDistanceToEdge(level.floorRect, level.startX, level.startZ, dx, dz);
    const PlacedObject* nearestWall = nullptr;
    for (const PlacedObject& wall : level.placedWalls) {
        const float distance = RayDistanceTo(wall.footprint, level.startX, level.startZ, dx, dz);
        if (distance >= 0.0f && distance < nearest) {
            nearest = distance;
            nearestWall = &wall;
        }
    }
    const float reach = kReactionSeconds * s.SnakeInitialVelocity;
    if (nearest >= reach)
        return;
    const std::string what = nearestWall ? "the wall at " + CheckedLevel::Place(nearestWall->footprint.x, nearestWall->footprint.z)
                                         : std::string("the floor's edge");
    std::vector<const CSGNode*> nodes{&s};
    if (nearestWall)
        nodes.push_back(nearestWall->node);
    report.Add(StartName(level) + " faces " + what + " " + Number(nearest) + " ahead, nearer than " +
                   Number(kReactionSeconds) + " seconds at the initial velocity (" + Number(reach) + ")",
               nodes);
}

void CheckItemsReachable(const CheckedLevel& level, Report& report)
{
    if (!level.cells)
        return;
    for (const PlacedObject& item : level.placedItems)
        if (item.footprint.Touches(level.floorRect) && !level.cells->Reached(item.footprint.x, item.footprint.z))
            report.Add(CheckedLevel::NameOf(*item.node) + " cannot be reached from the start over free floor",
                       {item.node});
}

using CheckFunction = void (*)(const CheckedLevel&, Report&);

struct Check {
    CheckInfo info;
    CheckFunction run;
};

const Check kChecks[] = {
    {{"not-a-number", Severity::Error}, CheckNumbers},
    {{"floor-size", Severity::Error}, CheckFloorSize},
    {{"setting-range", Severity::Error}, CheckSettingRanges},
    {{"wall-size", Severity::Error}, CheckWallSizes},
    {{"not-finite", Severity::Error}, CheckFinitePlaces},
    {{"item-type", Severity::Error}, CheckItemTypes},
    {{"start-outside-floor", Severity::Error}, CheckStartOnFloor},
    {{"start-in-wall", Severity::Error}, CheckStartInWall},
    {{"object-outside-floor", Severity::Error}, CheckObjectsOutsideFloor},
    {{"texture-missing", Severity::Error}, CheckTextures},
    {{"wall-partly-outside", Severity::Warning}, CheckWallsPartlyOutside},
    {{"item-in-wall", Severity::Warning}, CheckItemsInWalls},
    {{"items-overlap", Severity::Warning}, CheckItemsOverlap},
    {{"start-facing-wall", Severity::Warning}, CheckStartFacing},
    {{"item-unreachable", Severity::Warning}, CheckItemsReachable},
};

} // namespace

std::vector<CheckInfo> LevelCheckList()
{
    std::vector<CheckInfo> list;
    for (const Check& check : kChecks)
        list.push_back(check.info);
    return list;
}

std::vector<Problem> CheckLevel(const LevelScene& scene, const SourceNotes* notes, const ImageCheck& imageCheck)
{
    std::vector<Problem> problems;
    if (!scene.m_pGameSettings || !scene.m_pFloor)
        return problems;
    const CheckedLevel level(scene, notes, imageCheck);
    Report report(notes, problems);
    for (const Check& check : kChecks) {
        report.Begin(check.info);
        check.run(level, report);
    }
    return problems;
}
