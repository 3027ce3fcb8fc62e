// What a caller of the calculation may rely on in the floating-point unit: the x87 control word, the
// x87 exception flags and MXCSR; captured and installed exactly.
#pragma once

#include <cstdint>

struct FpEnvironment {
    std::uint16_t control = 0;
    std::uint16_t flags = 0; // the six exception flags of the x87 status word
    std::uint32_t mxcsr = 0;

    bool operator==(const FpEnvironment&) const = default;

    static FpEnvironment Capture()
    {
        FpEnvironment e;
        std::uint16_t status;
        __asm__ volatile("fnstcw %0" : "=m"(e.control));
        __asm__ volatile("fnstsw %0" : "=a"(status));
        __asm__ volatile("stmxcsr %0" : "=m"(e.mxcsr));
        e.flags = status & 0x3F;
        return e;
    }

    // The flags go in through the whole x87 environment, since no single instruction sets them.
    void Install() const
    {
        struct {
            std::uint16_t control, unused1, status, unused2;
            std::uint32_t rest[5];
        } x87;
        __asm__ volatile("fnstenv %0" : "=m"(x87));
        x87.control = control;
        x87.status = static_cast<std::uint16_t>((x87.status & ~0x3F) | flags);
        __asm__ volatile("fldenv %0" : : "m"(x87));
        __asm__ volatile("ldmxcsr %0" : : "m"(mxcsr));
    }
};

constexpr std::uint16_t kDefaultControl = 0x037F; // masked, extended, to nearest
constexpr std::uint32_t kDefaultMxcsr = 0x1F80;
