// Snapshot of the whole floating-point environment: x87 control and status words and MXCSR.
#pragma once

#include <cstdint>
#include <cstring>

struct FpEnvironment {
    std::uint16_t x87Control = 0;
    std::uint16_t x87Status = 0;
    std::uint32_t mxcsr = 0;

    static FpEnvironment Capture()
    {
        FpEnvironment e;
        __asm__ volatile("fnstcw %0" : "=m"(e.x87Control));
        __asm__ volatile("fnstsw %0" : "=m"(e.x87Status));
        __asm__ volatile("stmxcsr %0" : "=m"(e.mxcsr));
        // The top-of-stack field and condition codes change with any x87 work; only the flags matter.
        e.x87Status &= 0x3F;
        return e;
    }

    bool operator==(const FpEnvironment&) const = default;
};
