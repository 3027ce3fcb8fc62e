// The checked operations behind CheckedMath.h: run one operation, read the fault flags.
#include "CheckedMath.h"

#include <cfenv>
#include <cmath>

#include "Errors.h"

// libquadmath's atan2 (software, the same bits everywhere); declared here because not every
// compiler that builds the core finds quadmath.h.
extern "C" __float128 atan2q(__float128 y, __float128 x);

namespace fpcheck {

namespace {

constexpr int FaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

void RaiseFault(int flags)
{
    // One operation raises at most one of the three.
    if (flags & FE_DIVBYZERO)
        throw EZeroDivide();
    if (flags & FE_INVALID)
        throw EInvalidOp();
    if (flags & FE_OVERFLOW)
        throw EOverflow();
}

thread_local int scopeDepth = 0;

} // namespace

// Flags only accumulate and inexact, underflow and denormal are no faults, so the caller's flags are
// cleared only when they include a fault; and when the calculation raised nothing new (or the caller
// had nothing) giving them back is cheap.
FaultScope::FaultScope()
{
    if (scopeDepth++ > 0)
        return;
    outermost_ = true;
    x87Flags_ = fpstate::Flags();
    if ((x87Flags_ & x87::FaultBits) != 0)
        fpstate::ClearFlags();
    mxcsr_ = fpstate::Mxcsr();
    if ((mxcsr_ & x87::FaultBits) != 0)
        fpstate::SetMxcsr(mxcsr_ & ~fpstate::FlagBits);
}

FaultScope::~FaultScope()
{
    --scopeDepth;
    if (!outermost_)
        return;
    if (fpstate::Flags() != x87Flags_) {
        if (x87Flags_ == 0)
            fpstate::ClearFlags();
        else
            fpstate::SetFlags(x87Flags_);
    }
    if (fpstate::Mxcsr() != mxcsr_)
        fpstate::SetMxcsr(mxcsr_);
}

// Used only to find which operation of a formula faulted, so it may be slow: each operation starts
// from clear flags, whatever an earlier comparison or the caller left in them.
// The operands and the result go through volatile storage so that the compiler cannot move the
// operation to the other side of the flag calls.
long double Apply(Op op, long double a, long double b)
{
    volatile long double va = a;
    volatile long double vb = b;
    volatile long double r = 0;
    std::feclearexcept(FaultFlags);
    switch (op) {
    case Op::Add: r = va + vb; break;
    case Op::Sub: r = va - vb; break;
    case Op::Mul: r = va * vb; break;
    case Op::Div: r = va / vb; break;
    case Op::Atan2: r = Atan2Extended(va, vb); break;
    }
    RaiseFault(std::fetestexcept(FaultFlags));
    return r;
}

long double Apply(Fn fn, long double a)
{
    volatile long double va = a;
    volatile long double r = 0;
    std::feclearexcept(FaultFlags);
    switch (fn) {
    case Fn::Neg: r = -va; break;
    case Fn::Abs: r = fabsl(va); break;
    case Fn::Square: {
        const long double v = va;
        r = v * v;
        break;
    }
    case Fn::Sqrt: r = sqrtl(va); break;
    case Fn::Sin: r = sinl(va); break;
    case Fn::Cos: r = cosl(va); break;
    }
    RaiseFault(std::fetestexcept(FaultFlags));
    return r;
}

long double Atan2Extended(long double y, long double x)
{
    // Infinities and NaNs keep the library's answer and its flags; for finite operands the software
    // routine cannot fault, and its one rounding to extended raises at most inexact or underflow.
    if (!std::isfinite(y) || !std::isfinite(x))
        return atan2l(y, x);
    return static_cast<long double>(atan2q(static_cast<__float128>(y), static_cast<__float128>(x)));
}

} // namespace fpcheck
