// The floating-point state a caller relies on: the x87 control word, the x87 exception flags and MXCSR.
#pragma once

#include <cstdint>

namespace fpstate {

constexpr std::uint16_t FlagBits = 0x3F; // the six exception flags, the same bits in the x87 status word and MXCSR

// Each statement is volatile and clobbers memory, so it stays where it is written among the loads,
// stores and calls around it.
inline std::uint16_t ControlWord()
{
    std::uint16_t control;
    __asm__ volatile("fnstcw %0" : "=m"(control) : : "memory");
    return control;
}
inline void SetControlWord(std::uint16_t control)
{
    __asm__ volatile("fldcw %0" : : "m"(control) : "memory");
}
inline std::uint16_t Flags()
{
    std::uint16_t status;
    __asm__ volatile("fnstsw %0" : "=a"(status) : : "memory");
    return status & FlagBits;
}
inline void ClearFlags()
{
    __asm__ volatile("fnclex" : : : "memory");
}
inline std::uint32_t Mxcsr()
{
    std::uint32_t mxcsr;
    __asm__ volatile("stmxcsr %0" : "=m"(mxcsr) : : "memory");
    return mxcsr;
}
inline void SetMxcsr(std::uint32_t mxcsr)
{
    __asm__ volatile("ldmxcsr %0" : : "m"(mxcsr) : "memory");
}

// The x87 flags and, unless `control` is null, the control word, set through the whole environment:
// slow, but the one way to raise a flag without an operation.
inline void SetFlagsAndControlWord(std::uint16_t flags, const std::uint16_t* control)
{
    struct {
        std::uint16_t control, unused1, status, unused2;
        std::uint32_t rest[5];
    } environment;
    __asm__ volatile("fnstenv %0" : "=m"(environment) : : "memory");
    if (control)
        environment.control = *control;
    environment.status = static_cast<std::uint16_t>((environment.status & ~FlagBits) | (flags & FlagBits));
    __asm__ volatile("fldenv %0" : : "m"(environment) : "memory");
}
inline void SetFlagsAndControlWord(std::uint16_t flags, std::uint16_t control)
{
    SetFlagsAndControlWord(flags, &control);
}
inline void SetFlags(std::uint16_t flags)
{
    SetFlagsAndControlWord(flags, nullptr);
}

// All three at once, captured and installed exactly.
struct Snapshot {
    std::uint16_t control = 0;
    std::uint16_t flags = 0; // x87
    std::uint32_t mxcsr = 0;

    bool operator==(const Snapshot&) const = default;

    static Snapshot Capture() { return {ControlWord(), Flags(), Mxcsr()}; }
    void Install() const
    {
        SetFlagsAndControlWord(flags, control);
        SetMxcsr(mxcsr);
    }
};

} // namespace fpstate
