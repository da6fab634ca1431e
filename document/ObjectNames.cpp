#include "document/ObjectNames.h"

#include <string>

#include <wx/translation.h>

#include "level/LevelFloor.h"
#include "level/LevelObject.h"
#include "level/Wall.h"
#include "scenegraph/CSGNode.h"
#include "scenegraph/NodeType.h"
#include "scenegraph/NumberText.h"

namespace {

struct Kind {
    int type;
    const char* name;
};

// The level file keeps the numbers; the designer sees these names.
const Kind KINDS[] = {
    {LEVEL_FLOOR_NODE, wxTRANSLATE("Floor")},
    {WALL_NODE, wxTRANSLATE("Wall")},
    {START_POSITION_NODE, wxTRANSLATE("Start position")},
    {ITEM_NORMAL, wxTRANSLATE("Normal")},
    {ITEM_LIFE_EXTRA, wxTRANSLATE("Extra life")},
    {ITEM_NO_GROWTH, wxTRANSLATE("No growth")},
    {ITEM_DECREASE_LENGTH, wxTRANSLATE("Shorter snake")},
    {ITEM_INCREASE_SPEED, wxTRANSLATE("Faster")},
    {ITEM_DECREASE_SPEED, wxTRANSLATE("Slower")},
    {ITEM_OUT_OF_RANGE, wxTRANSLATE("Unknown item")},
};

wxString Translated(int type) { return wxGetTranslation(KindName(type)); }

// At most two decimals, as the forms show them, without trailing zeros and never "-0".
wxString Compact(double value)
{
    std::string text = FormatCLocale("%.2f", value);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? wxString("0") : wxString::FromUTF8(text);
}

// Width by depth; the sign is no text to translate.
wxString Size(const wxString& width, const wxString& depth) { return width + L" \u00D7 " + depth; }

wxString TwoDecimals(double value) { return wxString::FromUTF8(FormatCLocale("%.2f", value)); }

// The object's name in a sentence: an item with a known type is named by that type.
wxString Subject(int type)
{
    if (IsItemType(type) && type != ITEM_OUT_OF_RANGE)
        return wxString::Format(_("Item \"%s\""), Translated(type));
    return Translated(type);
}

} // namespace

const char* KindName(int type)
{
    for (const Kind& kind : KINDS)
        if (kind.type == type)
            return kind.name;
    return wxTRANSLATE("Object");
}

wxString ObjectName(const CSGNode& node)
{
    const int type = node.GetType();
    if (IsItemType(type))
        return _("Item");
    // Step names are menu texts, capitalised as menus are.
    if (type == START_POSITION_NODE)
        return _("Start Position");
    return Translated(type);
}

wxString DescribeObject(const CSGNode& node)
{
    const int type = node.GetType();
    if (const auto* floor = dynamic_cast<const LevelFloor*>(&node))
        return Translated(type) + ", " + Size(Compact(floor->Width), Compact(floor->Heigth));
    const auto* object = dynamic_cast<const LevelObject*>(&node);
    if (!object)
        return Subject(type);
    wxString text = wxString::Format(_("%s at %s"), Subject(type), PlaceText(object->x, object->z));
    if (const auto* wall = dynamic_cast<const Wall*>(&node))
        text += ", " + Size(Compact(wall->Width), Compact(wall->Depth));
    return text;
}

wxString NewWallStatus(double width, double depth)
{
    return wxString::Format(_("New wall %s"), Size(TwoDecimals(width), TwoDecimals(depth)));
}

wxString WallSizeStatus(double width, double depth)
{
    return wxString::Format(_("Wall %s"), Size(TwoDecimals(width), TwoDecimals(depth)));
}

wxString OneOfHereStatus(const CSGNode& node, std::size_t index, std::size_t count)
{
    return wxString::Format(_("%s %u of %u here"), ObjectName(node), static_cast<unsigned>(index + 1),
                            static_cast<unsigned>(count));
}

wxString NewWallStartStatus(double x, double z)
{
    return wxString::Format(_("New wall from %s"), PlaceText(x, z));
}

wxString PlaceText(double x, double z)
{
    return "(" + Compact(x) + ", " + Compact(z) + ")";
}
