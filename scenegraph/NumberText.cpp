#include "scenegraph/NumberText.h"

#include <cfloat>
#include <climits>
#include <limits>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace {

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

} // namespace

int TextToInt(const std::string& text)
{
    // strtol saturates where atoi is undefined; clamp to int for the same reason.
    long value = strtol_l(text.c_str(), nullptr, 10, CLocale());
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double TextToDouble(const std::string& text)
{
    return strtod_l(text.c_str(), nullptr, CLocale());
}

float TextToFloat(const std::string& text)
{
    // Out-of-range values become infinities explicitly: the plain conversion is undefined.
    double value = TextToDouble(text);
    if (value > FLT_MAX)
        return std::numeric_limits<float>::infinity();
    if (value < -FLT_MAX)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

ScopedCLocale::ScopedCLocale() : m_previous(uselocale(CLocale())) {}

ScopedCLocale::~ScopedCLocale()
{
    uselocale(static_cast<locale_t>(m_previous));
}
