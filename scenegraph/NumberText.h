#pragma once

#include <string_view>

// Conversions between numbers and file text that ignore the user's locale: level files always
// use '.' as the decimal point, whatever LC_NUMERIC the toolkit installed.

// C atoi rules: leading white space skipped, an optional sign, the longest valid prefix taken,
// 0 when there is none; values beyond int saturate.
int TextToInt(std::string_view text);
// C atof rules, with '.' as the decimal point: also hexadecimal floats, "inf" and "nan".
float TextToFloat(std::string_view text);
double TextToDouble(std::string_view text);
// Whether `text`, white space around it aside, is one number by those rules and nothing else:
// false for "", "abc", "5x" and "1.5.0", where TextToDouble reads a leading part or 0.
bool IsNumberText(std::string_view text);
// TextToFloat and TextToInt that also tell whether the text was one number as a whole (for
// TextToInt: one whole number, so "1.5" is not), without a second reading of the text.
float TextToFloat(std::string_view text, bool& whole);
int TextToInt(std::string_view text, bool& whole);

// While alive, the calling thread formats and parses numbers in the "C" locale, so that
// fprintf("%f") in the writers gives "2.000000" and never "2,000000".
class ScopedCLocale {
public:
    ScopedCLocale();
    ~ScopedCLocale();
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

private:
    void* m_previous;
};

// printf-style text with '.' as the decimal point whatever the locale (forms, status bar).
std::string FormatCLocale(const char* format, ...) __attribute__((format(printf, 1, 2)));
