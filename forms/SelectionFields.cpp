#include "forms/SelectionFields.h"

#include <wx/translation.h>

#include "forms/FieldText.h"
#include "forms/DialogTemplates.h"
#include "forms/SelectionKinds.h"
#include "level/TextureMapping.h"

namespace {

// A position lies on the floor, which is centred on the origin: half its size either way. The
// message is translated before the numbers go in, as no catalog holds it with them.
FieldRule PositionRule(const SelectionField& field, float floorSize)
{
    const float half = floorSize / 2.0f;
    return {field.editId, false, -half, half,
            wxString::Format(wxGetTranslation(field.message), FormatFloat("%2.2f", -half), FormatFloat("%2.2f", half))};
}

std::optional<FieldRule> AmountRule(const ItemTypeInfo* info)
{
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

using Range = SelectionField::Range;

const SelectionField SELECTION_FIELDS[8] = {
    {IDC_SELECTION_WIDTH, wxTRANSLATE("Width"), nullptr, &WallShape::width, nullptr, nullptr, Range::Fixed, 1, 99,
     wxTRANSLATE("Not a valid value for selection width! (valid range: 1-99 units)")},
    {IDC_SELECTION_DEPTH, wxTRANSLATE("Height"), nullptr, &WallShape::depth, nullptr, nullptr, Range::Fixed, 1, 99,
     wxTRANSLATE("Not a valid value for selection height! (valid range: 1-99 units)")},
    {IDC_POSITION_X, "X", &ObjectPosition::x, nullptr, nullptr, nullptr, Range::Position, 0, 0,
     wxTRANSLATE("Not a valid value for position X! (valid range: %s to %s units)")},
    {IDC_POSITION_Z, "Z", &ObjectPosition::z, nullptr, nullptr, nullptr, Range::Position, 0, 0,
     wxTRANSLATE("Not a valid value for position Z! (valid range: %s to %s units)")},
    {IDC_ROTATION_ANGLE, wxTRANSLATE("Rotation"), nullptr, &WallShape::angle, nullptr, &MarkerHeading::angle, Range::Angle, 0, 0, nullptr},
    {IDC_RESPAWN_TIME, wxTRANSLATE("Respawn Time"), nullptr, nullptr, &ItemValues::respawnTime, nullptr, Range::Fixed, 20, 120,
     wxTRANSLATE("Not a valid value for item respawn time! (valid range: 20-120 seconds)")},
    // A new item lives 1 second before it is picked, so 1 is the lower bound.
    {IDC_TTL_BEFORE_PICKED, wxTRANSLATE("Time Before Picked"), nullptr, nullptr, &ItemValues::ttl, nullptr, Range::Fixed, 1, 20,
     wxTRANSLATE("Not a valid value for item TTL before picked! (valid range: 1-20 seconds)")},
    {IDC_AMOUNT, wxTRANSLATE("Amount"), nullptr, nullptr, &ItemValues::amount, nullptr, Range::Amount, 0, 0, nullptr},
};

std::optional<FieldRule> RuleOf(const SelectionField& field, const FieldContext& context)
{
    switch (field.range) {
    case Range::Position:
        return PositionRule(field, field.position == &ObjectPosition::x ? context.floorWidth : context.floorDepth);
    case Range::Amount:
        return AmountRule(context.amountType);
    case Range::Angle:
        return AnyNumber(field.editId);
    case Range::Fixed:
        break;
    }
    return FieldRule{field.editId, false, field.min, field.max, field.message};
}

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
