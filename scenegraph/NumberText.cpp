#include "scenegraph/NumberText.h"

#include <algorithm>
#include <cfloat>
#include <cstdarg>
#include <cstdio>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace {

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// White space as isspace() has it in the "C" locale.
bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A text as the C library reads a number: white space skipped, then an optional sign;
// `digits` is what follows the sign.
struct SignedText {
    bool negative = false;
    std::string_view digits;
};

SignedText SplitSign(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && IsSpace(text[start]))
        ++start;
    text.remove_prefix(start);
    SignedText split{!text.empty() && text.front() == '-', text};
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        split.digits.remove_prefix(1);
    return split;
}

// Appends the decimal digits at the start of `text` to `mantissa` (wrapping around when there are
// too many) and returns how many there were.
std::size_t AppendDigits(std::string_view text, std::uint64_t& mantissa)
{
    std::size_t count = 0;
    for (; count < text.size() && IsDigit(text[count]); ++count)
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[count] - '0');
    return count;
}

// The numbers the writers give ("%f"), without the C library: digits with an optional point,
// no exponent, at most 19 digits making an integer m <= 2^53 and at most 22 of them decimals.
// m and 10^decimals are then exact doubles, and one division rounds their quotient exactly as
// strtod rounds the text (Clinger's fast path). False for anything else, which strtod reads;
// `rest` is what follows the number.
bool ReadShortDecimal(std::string_view text, double& value, std::string_view& rest)
{
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    SignedText split = SplitSign(text);
    rest = split.digits;
    std::uint64_t mantissa = 0;
    std::size_t integerDigits = AppendDigits(rest, mantissa);
    rest.remove_prefix(integerDigits);
    std::size_t decimals = 0;
    if (!rest.empty() && rest.front() == '.') {
        decimals = AppendDigits(rest.substr(1), mantissa);
        rest.remove_prefix(1 + decimals);
    }
    // An exponent or a hexadecimal prefix may follow; strtod knows what to make of it.
    bool plainEnd = rest.empty() || std::string_view("eExX").find(rest.front()) == std::string_view::npos;
    std::size_t digitCount = integerDigits + decimals;
    bool exact = digitCount <= 19 && mantissa <= (std::uint64_t(1) << 53) && decimals <= 22;
    if (digitCount == 0 || !plainEnd || !exact)
        return false;
    // The sign goes in before the division, which then rounds as strtod would in any mode.
    double numerator = static_cast<double>(mantissa);
    value = (split.negative ? -numerator : numerator) / kPowersOfTen[decimals];
    return true;
}

bool IsBlank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IsSpace);
}

double ReadDouble(std::string_view text, bool& whole)
{
    double value = 0.0;
    std::string_view rest;
    if (ReadShortDecimal(text, value, rest)) {
        whole = IsBlank(rest);
        return value;
    }
    const std::string copy(text);
    char* end = nullptr;
    value = strtod_l(copy.c_str(), &end, CLocale());
    const auto used = static_cast<std::size_t>(end - copy.c_str());
    whole = used > 0 && IsBlank(text.substr(used));
    return value;
}

} // namespace

int TextToInt(std::string_view text, bool& whole)
{
    // strtol's base-10 reading, then clamped: atoi is undefined beyond int.
    SignedText split = SplitSign(text);
    std::string_view digits = split.digits;
    whole = false;
    if (digits.empty() || !IsDigit(digits[0]))
        return 0;
    long magnitude = 0;
    const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    whole = IsBlank(digits.substr(static_cast<std::size_t>(read.ptr - digits.data())));
    if (read.ec != std::errc())
        magnitude = LONG_MAX;
    return static_cast<int>(std::clamp<long>(split.negative ? -magnitude : magnitude, INT_MIN, INT_MAX));
}

int TextToInt(std::string_view text)
{
    bool whole = false;
    return TextToInt(text, whole);
}

double TextToDouble(std::string_view text)
{
    bool whole = false;
    return ReadDouble(text, whole);
}

bool IsNumberText(std::string_view text)
{
    bool whole = false;
    ReadDouble(text, whole);
    return whole;
}

float TextToFloat(std::string_view text)
{
    bool whole = false;
    return TextToFloat(text, whole);
}

float TextToFloat(std::string_view text, bool& whole)
{
    // Read as a double first, as atof does: rounding straight to float can differ. Beyond
    // FLT_MAX the rounding is spelled out, because the plain conversion is undefined there: up to
    // half a float step above FLT_MAX the nearest float is still FLT_MAX, from the halfway point
    // on (a tie goes to the even neighbour, the infinity) it is infinite.
    constexpr double kHalfwayToInfinity = 0x1.ffffffp+127;
    const double value = ReadDouble(text, whole);
    const double magnitude = std::fabs(value);
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    if (magnitude >= kHalfwayToInfinity)
        return value > 0 ? kInfinity : -kInfinity;
    if (magnitude > FLT_MAX)
        return value > 0 ? FLT_MAX : -FLT_MAX;
    return static_cast<float>(value);
}

ScopedCLocale::ScopedCLocale() : m_previous(uselocale(CLocale())) {}

ScopedCLocale::~ScopedCLocale()
{
    uselocale(static_cast<locale_t>(m_previous));
}

std::string FormatCLocale(const char* format, ...)
{
    ScopedCLocale cLocale;
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}
