#pragma once

#include <optional>
#include <vector>

#include "forms/FieldRules.h"
#include "document/ObjectValuesCommand.h"

struct ItemTypeInfo;

// What a field's rule depends on: the floor a place must lie on and the amount range of the
// selected items (none when their types take different ranges).
struct FieldContext {
    float floorWidth, floorDepth;
    const ItemTypeInfo* amountType;
};

// One number field of the selection form and where its value lies in each kind of object's
// values; a null member means that kind has no such field.
struct SelectionField {
    int editId;
    const char* name; // in step names ("Set Width of Wall"), before translation
    float ObjectPosition::*position;
    float WallShape::*wall;
    float ItemValues::*item;
    float MarkerHeading::*marker;
    // The range of a typed value, and its message before translation. A position's range is
    // the floor's (the message names it with two %s), an amount's its item type's; an angle
    // takes any number, reduced by whole turns (NormaliseAngle).
    enum class Range { Fixed, Position, Amount, Angle } range;
    float min, max;
    const char* message;
};

// The rule of a value typed into the field; none when the selection's objects cannot share one.
std::optional<FieldRule> RuleOf(const SelectionField& field, const FieldContext& context);

// In the order Apply reads them.
extern const SelectionField SELECTION_FIELDS[8];

// The field's value in an object's values after the step, or before it; null when the object has
// no such field (an item whose type takes no amount).
float* FieldSlot(ObjectValues& values, const SelectionField& field, bool after);

// The context of the objects' values on a floor of this size.
FieldContext MakeFieldContext(std::vector<ObjectValues>& values, float floorWidth, float floorDepth);

// An angle reduced by whole turns when it lies outside (-360, 360): 450 -> 90, -400 -> -40.
float NormaliseAngle(float degrees);
