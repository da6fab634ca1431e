#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "scenegraph/NumberText.h"

namespace {

// The C library's reading, which the conversions must match bit for bit (the tests run in the
// "C" locale).
double LibraryDouble(const std::string& text)
{
    return std::strtod(text.c_str(), nullptr);
}

int LibraryInt(const std::string& text)
{
    long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : value));
}

// Equal values with equal signs (-0 is not 0), or both NaN.
::testing::AssertionResult SameDouble(const std::string& text, double actual, double expected)
{
    bool same = std::isnan(expected) ? std::isnan(actual)
                                     : std::memcmp(&actual, &expected, sizeof actual) == 0;
    if (same)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << text << "\" read as " << actual
                                         << ", the C library reads " << expected;
}

void ExpectLibraryReading(const std::string& text)
{
    EXPECT_TRUE(SameDouble(text, TextToDouble(text), LibraryDouble(text)));
    EXPECT_EQ(TextToInt(text), LibraryInt(text)) << "\"" << text << "\"";
}

const std::vector<std::string> kUnusualTexts = {
    "", "   ", "-", "+", ".", "-.", "+-1", "--1", "-+1", "x1", "e5", ".e5",
    // blanks, signs and the longest valid prefix
    " \t\n\v\f\r2.5", "+1.5", "-1.5", "1.", ".5", "-.5", "2.5x", "1,5", "1.2.3", "007", "-0", "-0.000000",
    std::string("1\0" "5", 3),
    // exponents, complete or not
    "1e3", "1E-3", "-2.5e+2", "1e", "1e+", "1.5E", "1e400", "-1e400", "1e-400", "4.9e-324", "2.5e-310",
    // hexadecimal floats, infinities and NaNs
    "0x1p3", "0X1.8p1", "-0x10", "0x", "0xg", "10x5", "inf", "-Infinity", "INF", "nan", "-nan", "NaN(123)",
    // many digits: beyond 2^53, beyond 19 digits, beyond long
    "9007199254740993", "9007199254740993.0", "12345678901234567890", "123456789012345678.5",
    "0.1000000000000000055511151231257827", "0.00000000000000000000001", "1.0000000000000000000000001",
    "9223372036854775807", "9223372036854775808", "-9223372036854775809", "2147483648", "-2147483649",
    "340282346638528859811704183484516925440.000000",
};

} // namespace

TEST(NumberText, UnusualTextsReadAsTheCLibraryReadsThem)
{
    for (const std::string& text : kUnusualTexts)
        ExpectLibraryReading(text);
}

// Random texts, mostly numbers as the writers give them and some from a number-ish alphabet.
TEST(NumberText, RandomTextsReadAsTheCLibraryReadsThem)
{
    std::mt19937 random(20240601);
    const std::string alphabet = "0123456789.-+eE x";
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        if (i % 2 == 0) {
            if (random() % 2)
                text += '-';
            text += std::to_string(random() % 100000000);
            text += '.';
            int decimals = static_cast<int>(random() % 25);
            for (int d = 0; d < decimals; ++d)
                text += static_cast<char>('0' + random() % 10);
        } else {
            int length = static_cast<int>(random() % 24);
            for (int c = 0; c < length; ++c)
                text += alphabet[random() % alphabet.size()];
        }
        ExpectLibraryReading(text);
        if (HasFailure())
            return;
    }
}

TEST(NumberText, FloatsAreRoundedFromTheDoubleAsAtofGives)
{
    // Halfway between 1 and the next float once read as a double; read straight to float it
    // would round up.
    EXPECT_EQ(TextToFloat("1.0000000596046448"), 1.0f);
    EXPECT_EQ(TextToFloat("0.1"), static_cast<float>(0.1));
    EXPECT_EQ(TextToFloat("-185.000000"), -185.0f);
    EXPECT_EQ(TextToFloat("0x1p-149"), std::numeric_limits<float>::denorm_min());
    EXPECT_TRUE(std::signbit(TextToFloat("-0.0")));
    EXPECT_TRUE(std::isnan(TextToFloat("nan")));
    EXPECT_EQ(TextToFloat("abc"), 0.0f);
}

TEST(NumberText, FloatsBeyondTheRangeRoundToTheNearestFloatOrInfinity)
{
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        const char* text;
        float expected;
    } cases[] = {
        {"340282346638528859811704183484516925440.000000", FLT_MAX},
        // FLT_MAX is 0x1.fffffep+127; the next step would be 2^128.
        {"0x1.fffffe8p+127", FLT_MAX},       // a quarter step above
        {"0x1.fffffefffffffp+127", FLT_MAX}, // just below the halfway point
        {"340282352000000000000000000000000000000", FLT_MAX},
        {"0x1.ffffffp+127", inf}, // halfway: the tie goes to the even neighbour
        {"1e39", inf},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextToFloat(c.text), c.expected) << c.text;
        EXPECT_EQ(TextToFloat(std::string("-") + c.text), -c.expected) << c.text;
    }
}

TEST(NumberText, FormatCLocaleWritesWholeTextWithDecimalPoints)
{
    EXPECT_EQ(FormatCLocale("(%f, %i)", 2.5, -3), "(2.500000, -3)");
    // 301 digits, the point and six decimals: nothing is cut off.
    EXPECT_EQ(FormatCLocale("%f", 1e300).size(), 308u);
}
