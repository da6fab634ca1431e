#include "checks/ShownNumber.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int kMostDecimals = 9;

std::string Fixed(double value, int decimals)
{
    char text[64];
    // Beyond what fixed notation shows readably, as "%g" writes it.
    const bool huge = std::fabs(value) >= 1e15 || !std::isfinite(value);
    const auto end = huge ? std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6).ptr
                          : std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    std::string shown(text, end);
    if (!huge && shown.find('.') != std::string::npos) {
        shown.erase(shown.find_last_not_of('0') + 1);
        if (shown.back() == '.')
            shown.pop_back();
    }
    return shown == "-0" ? "0" : shown;
}

double Read(const std::string& shown)
{
    double value = 0.0;
    std::from_chars(shown.data(), shown.data() + shown.size(), value);
    return value;
}

// Within the file's precision of a whole or half unit.
bool OnHalfUnit(double value)
{
    return std::fabs(value - 0.5 * std::round(value * 2.0)) < 1e-6;
}

} // namespace

std::string ShownNumber(double value)
{
    std::string shown = Fixed(value, 2);
    for (int decimals = 3; decimals <= kMostDecimals && OnHalfUnit(Read(shown)) && !OnHalfUnit(value); ++decimals)
        shown = Fixed(value, decimals);
    return shown;
}

std::string ShownBelow(double value, double limit)
{
    const double shownLimit = Read(ShownNumber(limit));
    std::string shown = ShownNumber(value);
    for (int decimals = 3; decimals <= kMostDecimals && Read(shown) >= shownLimit && value < limit; ++decimals)
        shown = Fixed(value, decimals);
    return shown;
}

std::string ShownPlace(double x, double z)
{
    return "(" + ShownNumber(x) + ", " + ShownNumber(z) + ")";
}
