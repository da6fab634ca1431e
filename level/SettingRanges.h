#pragma once

// The values the level form accepts for the level's settings, inclusive: the form refuses others
// and the level checker reports them.
struct SettingRange {
    bool integer; // a whole number; otherwise one with decimals allowed
    float min, max;

    bool Holds(float value) const { return value >= min && value <= max; }
};

constexpr SettingRange FLOOR_SIZE_RANGE = {true, 5, 99};
constexpr SettingRange NORMAL_ITEMS_RANGE = {true, 1, 10};
constexpr SettingRange TURNING_ANGLE_RANGE = {false, 20, 90};
constexpr SettingRange INITIAL_LENGTH_RANGE = {false, 8, 20};
constexpr SettingRange INITIAL_VELOCITY_RANGE = {false, 2, 5};
