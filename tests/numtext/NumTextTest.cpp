// Examples of the three conversions in both separator settings, the error texts and the FP mode.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <fpu_control.h>
#include <limits>

#include "NumText.h"

namespace {

constexpr long double Inf = std::numeric_limits<long double>::infinity();
constexpr long double Nan = std::numeric_limits<long double>::quiet_NaN();

// Sets the separators for one test and puts the defaults back afterwards.
struct Separators {
    Separators(char32_t decimal, char32_t thousands)
    {
        DecimalSeparator = decimal;
        ThousandSeparator = thousands;
    }
    ~Separators()
    {
        DecimalSeparator = U'.';
        ThousandSeparator = U',';
    }
};

// Cases are written for ',' and ' '; this rewrites them for another pair of separators.
std::string Localise(const std::string& text, char32_t decimal, char32_t thousands)
{
    std::string out;
    for (char c : text)
        out += c == ',' ? SeparatorText(decimal) : c == ' ' ? SeparatorText(thousands) : std::string(1, c);
    return out;
}

struct SeparatorSetting {
    char32_t decimal, thousands;
};
constexpr SeparatorSetting Settings[] = {{U',', U' '}, {U'.', U','}, {U',', U'\u00A0'}};

struct AcceptCase {
    const char* text;
    long double value;
};
const AcceptCase AcceptedTexts[] = {
    {" -1,5 ", -1.5L},
    {"+,5", 0.5L},
    {",", 0.0L},
    {"5,", 5.0L},
    {"1,5e3", 1500.0L},
    {"1E", 1.0L},
    {"1e+", 1.0L},
    {"1e500", 1e500L},
    {"0e4999", 0.0L},
    {"-0", -0.0L},
    {"  007,250E-2", 0.0725L},
    {"1e0499", 1e499L},
    {"1e-4999", 0.0L}, // underflow to zero is no error
};

TEST(TextToNumber, AcceptsTheGrammarInEverySeparatorSetting)
{
    for (auto [decimal, thousands] : Settings) {
        Separators scope(decimal, thousands);
        for (const auto& c : AcceptedTexts) {
            // The blanks in these texts stay blanks; only the decimal separator is rewritten.
            const std::string text = Localise(c.text, decimal, U' ');
            const long double v = TextToNumber(text);
            EXPECT_EQ(v, c.value) << text;
            EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << text;
        }
    }
}

TEST(TextToNumber, ZeroByteEndsTheTextAndUtf8SeparatorsMatchWhole)
{
    EXPECT_EQ(TextToNumber(std::string("2\0junk", 6)), 2.0L);
    Separators scope(U'\u066B', U',');
    EXPECT_EQ(TextToNumber("1\u066B5"), 1.5L);
    EXPECT_THROW(TextToNumber("1\xD9"), EConvertError);
    EXPECT_THROW(TextToNumber("1\xD9"
                              "5"),
                 EConvertError);
    EXPECT_THROW(TextToNumber("1.5"), EConvertError);
}

const char* const RejectedTexts[] = {
    "1.5",     "1 000",   "- 5",       "e5",   "+",   "",    "   ", "\t1", "1\t", "--1", "1,5,", "1e5e", "1e--1",
    "1e4999", // overflows
    "1e5000", // the fourth exponent digit is not taken
    "1e-5000", "1e50000", "1\xC2\xA0", "0x10", "inf", "nan",
};

TEST(TextToNumber, RejectsWithTheTextAsPassed)
{
    for (auto [decimal, thousands] : Settings) {
        Separators scope(decimal, thousands);
        for (const char* raw : RejectedTexts) {
            // In the '.' setting "1.5" becomes "1,5", again a foreign separator.
            std::string text = raw;
            if (decimal == U'.')
                for (char& c : text)
                    c = c == '.' ? ',' : c == ',' ? '.' : c;
            try {
                TextToNumber(text);
                ADD_FAILURE() << "accepted '" << text << "'";
            } catch (const EConvertError& e) {
                EXPECT_EQ(e.what(), "'" + text + "' is not a valid floating point value");
            }
        }
    }
}

TEST(TextToNumber, RejectsAMantissaThatOverflowsWhileAccumulating)
{
    EXPECT_THROW(TextToNumber(std::string(5000, '9') + "e-4999"), EConvertError);
}

// The limit counts characters, whatever their length in UTF-8; a broken sequence or a stray byte is one.
TEST(TextToNumber, LongTextsCarryTheFormatLimitMessage)
{
    struct Case {
        std::size_t length;
        bool limit;
        const char* character = "x";
    };
    for (Case c : {Case{4058, false}, Case{4059, true}, Case{100000, true}, Case{2100, false, "\u010D"},
                   Case{4058, false, "\u010D"}, Case{4059, true, "\u010D"}, Case{4058, false, "\U0001D7CE"},
                   Case{4059, true, "\U0001D7CE"}, Case{4058, false, "\xE2\x82"}, Case{4059, true, "\x80"}}) {
        std::string text;
        for (std::size_t i = 0; i < c.length; ++i)
            text += c.character;
        try {
            TextToNumber(text);
            ADD_FAILURE();
        } catch (const EConvertError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message == "Format result longer than 4096 characters", c.limit) << c.length << c.character;
            if (!c.limit) {
                EXPECT_EQ(message, "'" + text + "' is not a valid floating point value");
            }
        }
    }
}

// The caller's FP environment as the calculation sets it: overflow, invalid and zero divide unmasked.
TEST(TextToNumber, WorksMaskedAndRestoresTheCallersEnvironment)
{
    const long double tenth = TextToNumber("0.1");
    feenableexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
    std::fesetround(FE_UPWARD);
    fpu_control_t cw;
    _FPU_GETCW(cw);
    cw = (cw & ~_FPU_EXTENDED) | _FPU_DOUBLE; // 53-bit significand
    _FPU_SETCW(cw);
    std::feraiseexcept(FE_INEXACT | FE_UNDERFLOW);
    std::fenv_t before;
    std::fegetenv(&before);

    const long double value = TextToNumber("0.1");
    EXPECT_THROW(TextToNumber("1e4999"), EConvertError);
    EXPECT_THROW(TextToNumber(std::string(6000, '9')), EConvertError);

    std::fenv_t after;
    std::fegetenv(&after);
    std::fesetenv(FE_DFL_ENV);
    EXPECT_EQ(value, tenth); // nearest, with all 64 bits, whatever the caller's mode
    EXPECT_EQ(after.__control_word, before.__control_word);
    EXPECT_EQ(after.__status_word & FE_ALL_EXCEPT, before.__status_word & FE_ALL_EXCEPT);
    EXPECT_EQ(after.__mxcsr, before.__mxcsr);
}

struct GroupedCase {
    long double value;
    const char* text; // with ',' and ' '
};
const GroupedCase GroupedCases[] = {
    {1234.56789L, "1 234,5679"},
    {0.0L, "0,0000"},
    {0.5L, "0,5000"},
    {0.012345678L, "0,0123"},
    {123456.789L, "123 456,7900"},
    {12345678.9L, "12 345 679,0000"},
    {-1234.5L, "-1 234,5000"},
    {12345.678L, "12 345,6780"},
    {123456789.0L, "1,2345679E8"},
    {99999999.5L, "1E8"},
    {100000000.0L, "1E8"},
    {-2.5e15L, "-2,5E15"},
    {0.00005L, "0,0001"},
    {-0.00003L, "-0,0000"},
    {-0.000003L, "0,0000"},
    {0.03125L, "0,0313"}, // a decimal tie goes up
    {9999.99995L, "10 000,0000"},
    {99999994.5L, "99 999 995,0000"},
    {-0.0L, "0,0000"},
    {1e-4940L, "0,0000"}, // denormal
    {1e300L, "1E300"},
    {std::numeric_limits<long double>::max(), "1,1897315E4932"},
    {Inf, "INF"},
    {-Inf, "INF"},
    {Nan, "NAN"},
    {-Nan, "NAN"},
};

TEST(NumberToGroupedText, FollowsTheLocaleSeparators)
{
    for (auto [decimal, thousands] : Settings) {
        Separators scope(decimal, thousands);
        for (const auto& c : GroupedCases)
            EXPECT_EQ(NumberToGroupedText(c.value), Localise(c.text, decimal, thousands)) << c.text;
    }
}

struct FixedCase {
    long double value;
    int width, decimals;
    std::string text;
};
const FixedCase FixedCases[] = {
    {0.05L, 1, 2, "0.05"},
    {0.0L, 1, 3, "0.000"},
    {314.159265L, 3, 3, "314.159"},
    {0.125L, 1, 2, "0.13"},
    {99.9996L, 1, 3, "100.000"},
    {-0.0004L, 1, 3, "-0.000"},
    {-0.0L, 1, 3, "-0.000"},
    {5.0L, 8, 2, "    5.00"},
    {1e36L, 1, 3, "1" + std::string(36, '0') + ".000"},
    {1.5e36L, 1, 3, " 1.5E+0036"},
    {1e300L, 3, 3, " 1.0E+0300"},
    {9.96e40L, 1, 3, " 1.0E+0041"}, // the carry reaches the leading digit
    {0.5L, 1, 2, "0.50"},
    {12.5L, 1, 0, "13"},
    {-15.999L, 1, 2, "-16.00"},
    {123456789.0L, 1, 0, "123456789"},
    {1234.5L, 10, -1, " 1.2E+0003"},
    {0.00012346L, 12, -1, " 1.235E-0004"},
    {Inf, 1, 3, "+Inf"},
    {-Inf, 6, 3, "  -Inf"},
    {Nan, 5, 2, "  Nan"},
    {1.0L, 300, 0, std::string(254, ' ') + "1"},
    {1.0L, 1, 300, "1." + std::string(216, '0')},
    {2.0L / 3.0L, 1, 25, "0." + std::string(16, '6') + "7" + std::string(8, '0')},
};

TEST(NumberToFixedText, WritesDigitsHalfUpWithAPoint)
{
    for (auto [decimal, thousands] : Settings) {
        Separators scope(decimal, thousands); // the fixed form ignores the locale
        for (const auto& c : FixedCases)
            EXPECT_EQ(NumberToFixedText(c.value, c.width, c.decimals), c.text) << c.text;
    }
}

TEST(NumberToFixedText, SameValueFollowsTheLocaleOnlyInTheGroupedForm)
{
    Separators scope(U',', U' ');
    EXPECT_EQ(NumberToGroupedText(0.5L), "0,5000");
    EXPECT_EQ(NumberToFixedText(0.5L, 1, 2), "0.50");
}

TEST(NumberToFixedText, IntegerVariant)
{
    struct Case {
        std::int32_t value;
        int width;
        const char* text;
    };
    for (Case c : {Case{0, 0, "0"}, Case{7, 3, "  7"}, Case{-42, 1, "-42"}, Case{-42, 5, "  -42"},
                   Case{INT32_MIN, 0, "-2147483648"}, Case{INT32_MAX, -5, "2147483647"}})
        EXPECT_EQ(NumberToFixedText(c.value, c.width), c.text);
    EXPECT_EQ(NumberToFixedText(std::int32_t{1}, 1000).size(), 255u);
}

TEST(SeparatorText, EncodesOneCodePointAsUtf8)
{
    struct Case {
        char32_t c;
        const char* text;
    };
    for (Case c :
         {Case{U',', ","}, Case{U'\u00A0', "\xC2\xA0"}, Case{U'\u066B', "\xD9\xAB"}, Case{U'\u202F', "\xE2\x80\xAF"},
          Case{U'\U0001D7CE', "\xF0\x9D\x9F\x8E"}, Case{0xD800, "\xEF\xBF\xBD"}})
        EXPECT_EQ(SeparatorText(c.c), c.text);
}

} // namespace
