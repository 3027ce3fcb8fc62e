// The separators read from the locale named by LANG, by the reader LOAD_SEPARATORS names; the expected
// ones come as arguments.
#include <gtest/gtest.h>

#include <string>

#include "LoadNumberSeparators.h"
#include "NumText.h"

namespace {
char32_t expectedDecimal = 0;
char32_t expectedThousands = 0;
} // namespace

TEST(LoadNumberSeparators, TakesBothSeparatorsFromTheLocale)
{
    DecimalSeparator = U'?';
    ThousandSeparator = U'?';
    LOAD_SEPARATORS();
    EXPECT_EQ(static_cast<std::uint32_t>(DecimalSeparator), static_cast<std::uint32_t>(expectedDecimal));
    EXPECT_EQ(static_cast<std::uint32_t>(ThousandSeparator), static_cast<std::uint32_t>(expectedThousands));
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3)
        return 2;
    expectedDecimal = static_cast<char32_t>(std::stoul(argv[1], nullptr, 16));
    expectedThousands = static_cast<char32_t>(std::stoul(argv[2], nullptr, 16));
    return RUN_ALL_TESTS();
}
