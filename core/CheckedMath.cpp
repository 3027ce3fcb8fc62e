// The checked operations behind CheckedMath.h: run one operation, read the fault flags.
#include "CheckedMath.h"

#include <cfenv>
#include <cmath>

#include "Errors.h"

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

} // namespace

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
    case Op::Atan2: r = atan2l(va, vb); break;
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

} // namespace fpcheck
