// A test whose prerequisite the machine lacks (a locale, a tool) is skipped on a developer's machine, but
// fails where the CI variable is set: a guard that quietly never runs there guards nothing.
#pragma once

#include <cstdlib>
#include <string_view>

inline bool RunsInCi()
{
    const char* ci = std::getenv("CI");
    if (ci == nullptr)
        return false;
    const std::string_view value(ci);
    return !value.empty() && value != "0" && value != "false";
}

// Inside a GoogleTest body, in place of GTEST_SKIP() << reason.
#define ORBITEK_SKIP_OUTSIDE_CI(reason)                                                                                \
    do {                                                                                                               \
        if (RunsInCi())                                                                                                \
            FAIL() << "CI is set, so this test must run: " << (reason);                                                \
        GTEST_SKIP() << (reason);                                                                                      \
    } while (false)
