// Checked extended arithmetic: each fault kind is raised, the left operand's fault wins over the
// right one's, and underflow, denormals and inexact results pass.
#include <functional>

#include <gtest/gtest.h>

#include "CheckedMath.h"
#include "Errors.h"

namespace {

using namespace fpcheck;

TEST(CheckedMath, RaisesTheFirstFaultInReadingOrder)
{
    const long double zero = 0, huge = 1e4000L, tiny = 1e-4940L;
    const struct {
        const char* name;
        std::function<long double()> formula;
        const char* message; // nullptr: no fault
    } cases[] = {
        {"division by zero", [&] { return X(1.0L) / zero; }, "Floating point division by zero"},
        {"zero by zero", [&] { return X(zero) / zero; }, "Invalid floating point operation"},
        {"square root of a negative", [&] { return Sqrt(X(-1.0L)); }, "Invalid floating point operation"},
        {"overflow", [&] { return X(huge) * huge; }, "Floating point overflow"},
        {"left zero divide before right overflow", [&] { return X(1.0L) / zero + X(huge) * huge; },
         "Floating point division by zero"},
        {"left overflow before right zero divide", [&] { return X(huge) * huge + X(1.0L) / zero; },
         "Floating point overflow"},
        {"overflow not hidden by the invalid operation it causes", [&] { return Sqrt(X(1.0L) - X(huge) * huge); },
         "Floating point overflow"},
        {"underflow to a denormal", [&] { return X(tiny) * 1e-3L; }, nullptr},
        {"underflow to zero", [&] { return X(tiny) * tiny; }, nullptr},
        {"inexact", [&] { return X(1.0L) / 3.0L; }, nullptr},
    };
    for (const auto& c : cases) {
        try {
            c.formula();
            EXPECT_EQ(c.message, nullptr) << c.name << ": no fault raised";
        } catch (const EMathError& e) {
            EXPECT_STREQ(e.what(), c.message ? c.message : "(none)") << c.name;
        }
    }
}

} // namespace
