#include "app/SelectionFields.h"

#include <wx/translation.h>

#include "app/FieldText.h"
#include "app/DialogTemplates.h"
#include "app/SelectionKinds.h"
#include "level/TextureMapping.h"

namespace {

std::optional<FieldRule> Fixed(int editId, float min, float max, const char* message)
{
    return FieldRule{editId, false, min, max, message};
}

// A position lies on the floor, which is centred on the origin: half its size either way.
// `message`, untranslated, names the range with two %s: it is translated before the numbers
// go in, as no catalog holds it with them.
std::optional<FieldRule> PositionRule(int editId, const char* message, float floorSize)
{
    const float half = floorSize / 2.0f;
    return FieldRule{editId, false, -half, half,
                     wxString::Format(wxGetTranslation(message), FormatFloat("%2.2f", -half), FormatFloat("%2.2f", half))};
}

std::optional<FieldRule> AmountRule(const FieldContext& context)
{
    const ItemTypeInfo* info = context.amountType;
    if (!info)
        return std::nullopt;
    const wxString message = wxString::Format(_("Not a valid value for amount value! (valid values range: %s-%s)"),
                                              FormatFloat("%2.2f", info->minAmount),
                                              FormatFloat("%2.2f", info->maxAmount));
    return FieldRule{IDC_AMOUNT, false, info->minAmount, info->maxAmount, message};
}

bool HasAmount(int type)
{
    const ItemTypeInfo* info = FindItemType(type);
    return info && info->hasAmount;
}

float WallShape::*Member(const SelectionField& field, const WallShape&)
{
    return field.wall;
}

float MarkerHeading::*Member(const SelectionField& field, const MarkerHeading&)
{
    return field.marker;
}

float ItemValues::*Member(const SelectionField& field, const ItemValues& values)
{
    return field.item == &ItemValues::amount && !HasAmount(values.type) ? nullptr : field.item;
}

template <class Second>
float* Slot(StatePair<ObjectPosition, Second>& state, const SelectionField& field)
{
    if (field.position)
        return &(state.first.*field.position);
    float Second::*member = Member(field, state.second);
    return member ? &(state.second.*member) : nullptr;
}

bool SameRange(const ItemTypeInfo& a, const ItemTypeInfo& b)
{
    return a.minAmount == b.minAmount && a.maxAmount == b.maxAmount;
}

} // namespace

const SelectionField SELECTION_FIELDS[8] = {
    {IDC_SELECTION_WIDTH, nullptr, &WallShape::width, nullptr, nullptr,
     [](const FieldContext&) {
         return Fixed(IDC_SELECTION_WIDTH, 1, 99,
                      wxTRANSLATE("Not a valid value for selection width! (valid range: 1-99 units)"));
     },
     false},
    {IDC_SELECTION_DEPTH, nullptr, &WallShape::depth, nullptr, nullptr,
     [](const FieldContext&) {
         return Fixed(IDC_SELECTION_DEPTH, 1, 99,
                      wxTRANSLATE("Not a valid value for selection height! (valid range: 1-99 units)"));
     },
     false},
    {IDC_POSITION_X, &ObjectPosition::x, nullptr, nullptr, nullptr,
     [](const FieldContext& context) {
         return PositionRule(IDC_POSITION_X,
                             wxTRANSLATE("Not a valid value for position X! (valid range: %s to %s units)"),
                             context.floorWidth);
     },
     false},
    {IDC_POSITION_Z, &ObjectPosition::z, nullptr, nullptr, nullptr,
     [](const FieldContext& context) {
         return PositionRule(IDC_POSITION_Z,
                             wxTRANSLATE("Not a valid value for position Z! (valid range: %s to %s units)"),
                             context.floorDepth);
     },
     false},
    {IDC_ROTATION_ANGLE, nullptr, &WallShape::angle, nullptr, &MarkerHeading::angle,
     [](const FieldContext&) { return std::optional(AnyNumber(IDC_ROTATION_ANGLE)); }, true},
    {IDC_RESPAWN_TIME, nullptr, nullptr, &ItemValues::respawnTime, nullptr,
     [](const FieldContext&) {
         return Fixed(IDC_RESPAWN_TIME, 20, 120,
                      wxTRANSLATE("Not a valid value for item respawn time! (valid range: 20-120 seconds)"));
     },
     false},
    // A new item lives 1 second before it is picked, so 1 is the lower bound.
    {IDC_TTL_BEFORE_PICKED, nullptr, nullptr, &ItemValues::ttl, nullptr,
     [](const FieldContext&) {
         return Fixed(IDC_TTL_BEFORE_PICKED, 1, 20,
                      wxTRANSLATE("Not a valid value for item TTL before picked! (valid range: 1-20 seconds)"));
     },
     false},
    {IDC_AMOUNT, nullptr, nullptr, &ItemValues::amount, nullptr, AmountRule, false},
};

float* FieldSlot(ObjectValues& values, const SelectionField& field, bool after)
{
    return std::visit([&field, after](auto& change) { return Slot(after ? change.after : change.before, field); },
                      values);
}

FieldContext MakeFieldContext(std::vector<ObjectValues>& values, float floorWidth, float floorDepth)
{
    FieldContext context{floorWidth, floorDepth, nullptr};
    for (ObjectValues& object : values) {
        const auto* item = std::get_if<ItemChange>(&object);
        const ItemTypeInfo* info = item ? FindItemType(item->before.second.type) : nullptr;
        if (!info || !info->hasAmount)
            continue;
        if (context.amountType && !SameRange(*context.amountType, *info))
            return {floorWidth, floorDepth, nullptr};
        context.amountType = info;
    }
    return context;
}

float NormaliseAngle(float degrees)
{
    if (degrees > -360.0f && degrees < 360.0f)
        return degrees;
    return ReduceByWholeTurns(degrees);
}
