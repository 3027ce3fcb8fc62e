// Translated templates: the parts go where the slots say, in any order, and nothing else changes.
#include <gtest/gtest.h>

#include "TextTemplate.h"

namespace {

TEST(TextTemplate, PartsGoWhereTheSlotsAre)
{
    const struct {
        const char* pattern;
        std::initializer_list<std::string_view> parts;
        const char* expected;
    } cases[] = {
        {"%1 až %2", {"1", "3"}, "1 až 3"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1%1", {"ab"}, "abab"},
        {"%1 %2", {"%2", "z"}, "%2 z"}, // a part is not read again
        {"o více než 5 %; %1", {"x"}, "o více než 5 %; x"},
        {"%3 %0 %", {"a"}, "%3 %0 %"},
        {"„%1“", {""}, "„“"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(translation::Fill(c.pattern, c.parts), c.expected) << c.pattern;
}

} // namespace
