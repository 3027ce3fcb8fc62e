// Replays the golden record file: every motor in it must give the same bits and the same grid texts.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "GoldenRecords.h"

namespace {

std::vector<std::string> Split(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields;
}

TEST(GoldenRecords, EveryMotorGivesTheSameBitsAndTexts)
{
    std::ifstream file(GOLDEN_RECORDS);
    ASSERT_TRUE(file) << GOLDEN_RECORDS;
    std::vector<std::string> blocks;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("motor\t", 0) == 0)
            blocks.emplace_back();
        ASSERT_FALSE(blocks.empty()) << "the file must start with a motor line";
        blocks.back() += line + "\n";
    }
    ASSERT_GE(blocks.size(), 200u);

    struct CommaSeparator {
        char32_t saved = DecimalSeparator;
        CommaSeparator() { DecimalSeparator = U','; }
        ~CommaSeparator() { DecimalSeparator = saved; }
    } comma;
    for (const std::string& expected : blocks) {
        const std::vector<std::string> in = Split(expected.substr(0, expected.find('\n')));
        ASSERT_EQ(in.size(), 9u);
        const TypedInput z{in[1], in[2], in[3], in[4], in[5], in[6], std::stoi(in[7]), std::stoi(in[8])};
        TKonstrukce k{};
        ASSERT_FALSE(AcceptInput(z, k).has_value()) << in[0];
        const std::string actual = golden::Block(z, k);
        if (actual == expected)
            continue;
        // Name the first line that differs rather than dump two blocks.
        std::istringstream a(actual), e(expected);
        for (std::string la, le; std::getline(e, le);) {
            std::getline(a, la);
            ASSERT_EQ(la, le) << "motor " << expected.substr(0, expected.find('\n'));
        }
        FAIL() << "extra lines for motor " << expected.substr(0, expected.find('\n'));
    }
}

} // namespace
