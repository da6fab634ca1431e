#include "checks/LevelChecks.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <map>
#include <string_view>

#include "checks/CheckedLevel.h"
#include "checks/FootprintMath.h"
#include "checks/ShownNumber.h"
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

// How long the snake runs straight ahead before its player can be expected to turn.
constexpr double kReactionSeconds = 2.0;

ProblemText Plain(std::string text)
{
    return ProblemText::Plain(std::move(text));
}

ProblemText Number(double value)
{
    return Plain(ShownNumber(value));
}

ProblemText Place(double x, double z)
{
    return Plain(ShownPlace(x, z));
}

// Collects the problems of the check that runs, each at the line of its first object.
class Report {
public:
    Report(const SourceNotes* notes, std::vector<Problem>& problems) : m_notes(notes), m_problems(problems) {}

    void Begin(const CheckInfo& check) { m_check = check; }
    void Add(ProblemText message, std::vector<const CSGNode*> nodes) { Add(m_check.severity, std::move(message), std::move(nodes)); }
    void Add(Severity severity, ProblemText message, std::vector<const CSGNode*> nodes)
    {
        int line = 0;
        if (m_notes && !nodes.empty()) {
            const auto found = m_notes->find(nodes.front());
            line = found == m_notes->end() ? 0 : found->second.line;
        }
        m_problems.push_back({m_check.id, severity, std::move(message), std::move(nodes), line});
    }

private:
    const SourceNotes* m_notes;
    std::vector<Problem>& m_problems;
    CheckInfo m_check{};
};

ProblemText StartName(const CheckedLevel& level)
{
    return {N_("The start position {0}"), {Place(level.startX, level.startZ)}};
}

// Whether the text is a number as the file format writes them: decimal digits with an optional
// sign, point and exponent. atof would also take "0x10", "inf" and "nan".
bool IsDecimalText(std::string_view text)
{
    const auto trimmed = [&] {
        const std::size_t first = text.find_first_not_of(" \t\n\r\f\v");
        const std::size_t last = text.find_last_not_of(" \t\n\r\f\v");
        return first == std::string_view::npos ? std::string_view() : text.substr(first, last - first + 1);
    }();
    std::size_t at = 0;
    const auto sign = [&] {
        if (at < trimmed.size() && (trimmed[at] == '+' || trimmed[at] == '-'))
            ++at;
    };
    const auto digits = [&] {
        const std::size_t from = at;
        while (at < trimmed.size() && trimmed[at] >= '0' && trimmed[at] <= '9')
            ++at;
        return at - from;
    };
    sign();
    std::size_t mantissa = digits();
    if (at < trimmed.size() && trimmed[at] == '.') {
        ++at;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (at < trimmed.size() && (trimmed[at] == 'e' || trimmed[at] == 'E')) {
        ++at;
        sign();
        if (digits() == 0)
            return false;
    }
    return at == trimmed.size();
}

// What is wrong with an attribute read as a number: not a number, too large for its kind, or,
// for a whole number, a fraction.
ProblemText UnreadWords(const ProblemText& name, const UnreadNumber& unread)
{
    const std::string largest = unread.integer ? std::to_string(INT_MAX) : ShownNumber(FLT_MAX);
    const std::string read = unread.integer ? std::to_string(TextToInt(unread.text)) : ShownNumber(TextToFloat(unread.text));
    const bool decimal = IsDecimalText(unread.text);
    const bool tooLarge = decimal && std::fabs(TextToDouble(unread.text)) > (unread.integer ? INT_MAX : FLT_MAX);
    const char* words = !decimal ? N_("{0}: {1} \"{2}\" is not a number (read as {3})")
                        : tooLarge ? N_("{0}: {1} \"{2}\" is too large (at most {3})")
                                   : N_("{0}: {1} \"{2}\" is not a whole number (read as {3})");
    return {words, {name, Plain(unread.name), Plain(unread.text), Plain(tooLarge ? largest : read)}};
}

void CheckNumbers(const CheckedLevel& level, Report& report)
{
    if (!level.notes)
        return;
    ForEachNode(level.scene.Root(), [&](CSGNode& node) {
        const auto found = level.notes->find(&node);
        if (found == level.notes->end())
            return;
        for (const UnreadNumber& unread : found->second.unreadNumbers)
            report.Add(UnreadWords(CheckedLevel::NameOf(node), unread), {&node});
    });
}

void CheckFloorSize(const CheckedLevel& level, Report& report)
{
    if (!level.hasFloor)
        report.Add({N_("The floor's size {0} x {1} is not positive"),
                    {Plain(std::to_string(level.floor.Width)), Plain(std::to_string(level.floor.Heigth))}},
                   {&level.floor});
}

// A setting of the level form: its words, its value and its range.
struct Setting {
    const char* words;
    double value;
    const SettingRange& range;
    const CSGNode& node;
};

void CheckSettingRanges(const CheckedLevel& level, Report& report)
{
    const GameSettingsNode& s = level.settings;
    const Setting settings[] = {
        {N_("The floor's width"), static_cast<double>(level.floor.Width), FLOOR_SIZE_RANGE, level.floor},
        {N_("The floor's height"), static_cast<double>(level.floor.Heigth), FLOOR_SIZE_RANGE, level.floor},
        {N_("The normal items number"), static_cast<double>(s.NormalItemsNumber), NORMAL_ITEMS_RANGE, s},
        {N_("The snake's turning angle"), s.SnakeTurningAngle, TURNING_ANGLE_RANGE, s},
        {N_("The snake's initial length"), s.SnakeInitialLength, INITIAL_LENGTH_RANGE, s},
        {N_("The snake's initial velocity"), s.SnakeInitialVelocity, INITIAL_VELOCITY_RANGE, s},
    };
    for (const Setting& setting : settings) {
        // A floor without a positive size is the floor-size check's.
        const bool floorSize = &setting.range == &FLOOR_SIZE_RANGE;
        if (setting.range.Holds(static_cast<float>(setting.value)) || (floorSize && !level.hasFloor))
            continue;
        report.Add({N_("{0} {1} lies outside {2} to {3}"),
                    {setting.words, Number(setting.value), Number(setting.range.min), Number(setting.range.max)}},
                   {&setting.node});
    }
}

void CheckWallSizes(const CheckedLevel& level, Report& report)
{
    for (const Wall* wall : level.walls)
        if (!(wall->Width > 0.0f && wall->Depth > 0.0f && std::isfinite(wall->Width) && std::isfinite(wall->Depth)))
            report.Add({N_("{0} has the size {1} x {2}, which is not positive and finite"),
                        {CheckedLevel::NameOf(*wall), Number(wall->Width), Number(wall->Depth)}},
                       {wall});
}

void CheckFinitePlaces(const CheckedLevel& level, Report& report)
{
    for (const Wall* wall : level.walls)
        if (!std::isfinite(wall->x) || !std::isfinite(wall->z) || !std::isfinite(wall->OrientationAngle))
            report.Add({N_("{0} has a place or turn that is no finite number"), {CheckedLevel::NameOf(*wall)}}, {wall});
    for (const Item* item : level.items)
        if (!std::isfinite(item->x) || !std::isfinite(item->z))
            report.Add({N_("{0} has a place that is no finite number"), {CheckedLevel::NameOf(*item)}}, {item});
    const GameSettingsNode& s = level.settings;
    if (!std::isfinite(s.SnakeInitialPosX) || !std::isfinite(s.SnakeInitialPosZ) ||
        !std::isfinite(s.SnakeInitialOrientationAngle))
        report.Add({N_("{0} has a place or heading that is no finite number"), {StartName(level)}}, {&s});
}

void CheckItemTypes(const CheckedLevel& level, Report& report)
{
    for (const Item* item : level.items)
        if (item->GetType() == ITEM_OUT_OF_RANGE)
            report.Add({N_("{0} has the type {1}, which the game does not know (16 to 21)"),
                        {CheckedLevel::NameOf(*item), Plain(std::to_string(item->ItemTypeID))}},
                       {item});
}

void CheckStartOnFloor(const CheckedLevel& level, Report& report)
{
    if (level.hasFloor && std::isfinite(level.startX) && std::isfinite(level.startZ) &&
        !RectHoldsPoint(level.floorRect, level.startX, level.startZ))
        report.Add({N_("{0} is not on the floor"), {StartName(level)}}, {&level.settings});
}

void CheckStartInWall(const CheckedLevel& level, Report& report)
{
    for (const PlacedObject* wall : level.WallsHolding(level.startX, level.startZ))
        report.Add({N_("{0} lies inside the wall at {1}"), {StartName(level), Place(wall->footprint.x, wall->footprint.z)}},
                   {&level.settings, wall->node});
}

void CheckObjectsOutsideFloor(const CheckedLevel& level, Report& report)
{
    if (!level.hasFloor)
        return;
    // Touching the edge from outside puts no part of an object on the floor.
    for (const std::vector<PlacedObject>* objects : {&level.placedWalls, &level.placedItems})
        for (const PlacedObject& object : *objects)
            if (!OverlapsRect(object, level.floorRect))
                report.Add({N_("{0} lies wholly outside the floor"), {CheckedLevel::NameOf(*object.node)}}, {object.node});
}

void CheckWallsPartlyOutside(const CheckedLevel& level, Report& report)
{
    if (!level.hasFloor)
        return;
    // Walls only: an item's sphere may hang over the edge.
    for (const PlacedObject& wall : level.placedWalls)
        if (OverlapsRect(wall, level.floorRect) && !RectHolds(level.floorRect, wall.footprint))
            report.Add({N_("{0} crosses the floor's edge"), {CheckedLevel::NameOf(*wall.node)}}, {wall.node});
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
                report.Add({N_("Texture {0} \"{1}\" cannot be read: {2}"),
                            {Plain(std::to_string(i + 1)), Plain(textures->m_names[i]), Plain(why)}},
                           {textures});
        }
    }
    const CICubeMapNode* cubeMap = level.scene.m_pCubeMap;
    if (!cubeMap)
        return;
    std::string faces[6];
    if (!SkyBoxFaceNames(cubeMap->TextureBaseName, faces)) {
        report.Add({N_("The sky box image name \"{0}\" has no extension"), {Plain(cubeMap->TextureBaseName)}}, {cubeMap});
        return;
    }
    for (const std::string& face : faces) {
        const std::string& why = images.Why(face);
        if (!why.empty())
            report.Add({N_("Sky box image \"{0}\" cannot be read: {1}"), {Plain(face), Plain(why)}}, {cubeMap});
    }
}

void CheckItemsInWalls(const CheckedLevel& level, Report& report)
{
    // One line per item, however many walls hold it.
    for (const PlacedObject& item : level.placedItems) {
        const std::vector<const PlacedObject*> walls = level.WallsHolding(item.footprint.x, item.footprint.z);
        if (walls.empty())
            continue;
        std::vector<const CSGNode*> nodes{item.node};
        for (const PlacedObject* wall : walls)
            nodes.push_back(wall->node);
        const ProblemText name = CheckedLevel::NameOf(*item.node);
        if (walls.size() == 1)
            report.Add({N_("{0} lies inside the wall at {1}"), {name, Place(walls[0]->footprint.x, walls[0]->footprint.z)}},
                       nodes);
        else
            report.Add({N_("{0} lies inside {1} walls"), {name, Plain(std::to_string(walls.size()))}}, nodes);
    }
}

// Whether two items are closer than their sizes; their distance in `distance`.
bool ItemsOverlap(const Footprint& a, const Footprint& b, double& distance)
{
    distance = std::hypot(a.x - b.x, a.z - b.z);
    return distance < a.halfX + b.halfX - kTolerance;
}

void CheckItemsOverlap(const CheckedLevel& level, Report& report)
{
    if (!level.hasFloor)
        return;
    const std::vector<PlacedObject>& items = level.placedItems;
    // Each item is filed with room for a neighbour's size around it, so that the bucket of an
    // item's centre holds every item closer than their sizes.
    BucketGrid nearby(level.nearFloor, 2.0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Footprint& a = items[i].footprint;
        nearby.Insert(static_cast<int>(i), {a.x - 2 * a.halfX, a.z - 2 * a.halfZ, a.x + 2 * a.halfX, a.z + 2 * a.halfZ});
    }
    // An item is reported once with every item it overlaps, in the level's order; an item
    // already named in an earlier line gets no line of its own, so that a stack of n items is one
    // line and not n² / 2.
    std::vector<bool> named(items.size(), false);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (named[i])
            continue;
        const Footprint& a = items[i].footprint;
        std::vector<const CSGNode*> nodes{items[i].node};
        double distance = 0.0;
        double firstDistance = 0.0;
        for (int other : nearby.Near(a.x, a.z)) {
            const auto j = static_cast<std::size_t>(other);
            if (j == i || !ItemsOverlap(a, items[j].footprint, distance))
                continue;
            firstDistance = nodes.size() == 1 ? distance : firstDistance;
            nodes.push_back(items[j].node);
            named[j] = true;
        }
        if (nodes.size() == 1)
            continue;
        const ProblemText name = CheckedLevel::NameOf(*items[i].node);
        if (nodes.size() == 2) {
            const auto& other = dynamic_cast<const LevelObject&>(*nodes[1]);
            const double size = a.halfX + dynamic_cast<const Item&>(*nodes[1]).m_size;
            report.Add({N_("{0} is {1} from the item at {2}, closer than an item's size ({3})"),
                        {name, Plain(ShownBelow(firstDistance, size)), Place(other.x, other.z), Number(size)}},
                       nodes);
        } else {
            report.Add({N_("{0} overlaps {1} items"), {name, Plain(std::to_string(nodes.size() - 1))}}, nodes);
        }
    }
}

void CheckStartFacing(const CheckedLevel& level, Report& report)
{
    const GameSettingsNode& s = level.settings;
    const double velocity = s.SnakeInitialVelocity;
    if (!level.startPlaced || !std::isfinite(velocity) || velocity <= 0.0)
        return;
    // The start marker's cone points along -Z turned by the heading.
    const FootprintAxes heading = FootprintAxes::Turned(s.SnakeInitialOrientationAngle);
    const double dx = -heading.vx;
    const double dz = -heading.vz;
    double nearest = RayDistanceToEdge(level.floorRect, level.startX, level.startZ, dx, dz);
    const PlacedObject* nearestWall = nullptr;
    for (const PlacedObject& wall : level.placedWalls) {
        const double distance = RayDistanceTo(wall.footprint, level.startX, level.startZ, dx, dz);
        if (distance >= 0.0 && distance < nearest) {
            nearest = distance;
            nearestWall = &wall;
        }
    }
    const double seconds = nearest / velocity;
    if (seconds >= kReactionSeconds - kTolerance)
        return;
    const ProblemText what = nearestWall
                                 ? ProblemText(N_("the wall at {0}"), {Place(nearestWall->footprint.x, nearestWall->footprint.z)})
                                 : ProblemText(N_("the floor's edge"));
    std::vector<const CSGNode*> nodes{&s};
    if (nearestWall)
        nodes.push_back(nearestWall->node);
    report.Add({N_("{0} faces {1} {2} units ahead: {3} s at the initial velocity {4} (warned under {5} s)"),
                {StartName(level), what, Number(nearest), Plain(ShownBelow(seconds, kReactionSeconds)), Number(velocity),
                 Number(kReactionSeconds)}},
               nodes);
}

void CheckItemsReachable(const CheckedLevel& level, Report& report)
{
    if (!level.cells) {
        // Said once, and only where there is something to reach.
        if (!level.placedItems.empty())
            report.Add(Severity::Info, {N_("reachability not checked: {0}"), {level.floodSkipped}}, {&level.settings});
        return;
    }
    for (const PlacedObject& item : level.placedItems) {
        const double x = item.footprint.x;
        const double z = item.footprint.z;
        // An item inside a wall is reached only through its own cells; asked only where it matters.
        const bool reached = level.cells->Reached(x, z, false) &&
                             (level.cells->Reached(x, z, true) || level.WallsHolding(x, z).empty());
        if (OverlapsRect(item, level.floorRect) && !reached)
            report.Add({N_("{0} cannot be reached from the start over free floor"), {CheckedLevel::NameOf(*item.node)}},
                       {item.node});
    }
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
