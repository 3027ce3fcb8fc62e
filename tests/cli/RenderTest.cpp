// The escaping and number rules of the CSV and JSON writers.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "Render.h"

namespace {

TEST(CsvField, QuotesOnlyWhatRfc4180Requires)
{
    const struct {
        std::string cell, expected;
    } cases[] = {
        {"", ""},
        {"14,9090", "\"14,9090\""},
        {"1\xC2\xA0"
         "234,5000",
         "\"1\xC2\xA0"
         "234,5000\""},
        {"1\xC2\xA0"
         "234.5000",
         "1\xC2\xA0"
         "234.5000"},
        {"a \"b\"", "\"a \"\"b\"\"\""},
        {"line\nbreak", "\"line\nbreak\""},
        {"cr\r", "\"cr\r\""},
        {"Bod nakrátko Ak", "Bod nakrátko Ak"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvField(c.cell), c.expected) << c.cell;
}

TEST(JsonString, EscapesControlsAndKeepsUtf8)
{
    const struct {
        std::string text, expected;
    } cases[] = {
        {"Účiník", "\"Účiník\""},    {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"\t\n\r", "\"\\t\\n\\r\""}, {std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
        {"\x7f", "\"\x7f\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JsonString(c.text), c.expected) << c.expected;
}

bool SameValue(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0; // the 80 value bits, not the padding
}

TEST(JsonNumber, ReadsBackToTheSameExtendedValue)
{
    const long double cases[] = {
        0.1L,        1.0L / 3.0L, 14.908964L,
        -35.601135L, 333.333L,    1e-5L,
        1e21L,       -0.0L,       std::nextafter(1.0L, 2.0L),
        LDBL_MAX,    LDBL_MIN,    std::numeric_limits<long double>::denorm_min(),
    };
    for (long double v : cases) {
        const std::string text = JsonNumber(v);
        EXPECT_EQ(text.find_first_not_of("0123456789.e+-"), std::string::npos) << text;
        EXPECT_TRUE(SameValue(std::strtold(text.c_str(), nullptr), v)) << text;
    }
    EXPECT_EQ(JsonNumber(std::numeric_limits<long double>::infinity()), "null");
    EXPECT_EQ(JsonNumber(-std::numeric_limits<long double>::infinity()), "null");
    EXPECT_EQ(JsonNumber(std::numeric_limits<long double>::quiet_NaN()), "null");
    EXPECT_EQ(JsonNumber(OptionalValue()), "null");
}

} // namespace
