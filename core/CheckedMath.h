// Extended arithmetic that raises the first floating-point fault at the operation where it happens.
//
// Linux does not trap on floating-point faults, so faults are found in the sticky flags. Formulas are
// written as usual (`X(a) - b`, `Sqrt(x)`): they build a small expression that is evaluated when it
// is converted to long double. C++ itself leaves the order of the two operands of + - * / unspecified,
// which is why plain operator overloads would not do.
//
// A formula is first run straight through and the fault flags read once at its end. Only when a flag
// is up is it run again, one checked operation at a time (Apply), left operand before right operand,
// so the first fault in reading order decides which error is raised. Both runs do the very same
// operations on the same operands, so the values are the same bits either way. RunStraight takes the
// same idea one level up, for a whole calculation that can simply be run again.
#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <utility>

#include "FpState.h"

namespace fpcheck {

enum class Op { Add, Sub, Mul, Div, Atan2 };
enum class Fn { Neg, Abs, Square, Sqrt, Sin, Cos };

// One rounded operation from clear fault flags; raises EZeroDivide, EInvalidOp or EOverflow when it
// faults. Underflow, denormal operands and inexact results pass.
long double Apply(Op op, long double a, long double b);
long double Apply(Fn fn, long double a);

// atan2 rounded alike on every processor: the x87 instruction behind atan2l is off by an ulp for some
// arguments on some processors (23 of the power factors 0,001 … 0,999 on one), and the construction's
// digits start from this angle. Computed in software with 113 bits and rounded once to extended.
long double Atan2Extended(long double y, long double x);

// Clears the fault flags for one whole calculation and gives the caller back its own flags (x87 and
// SSE) at the end, also when a fault is raised: the straight runs then meet clear flags. Only the
// outermost scope of a thread does anything, so a calculation may call another.
class FaultScope {
public:
    FaultScope();
    ~FaultScope();
    FaultScope(const FaultScope&) = delete;
    FaultScope& operator=(const FaultScope&) = delete;

private:
    bool outermost_ = false;
    std::uint16_t x87Flags_ = 0;
    std::uint32_t mxcsr_ = 0;
};

namespace x87 {

// The only inline assembly of the checked arithmetic.
constexpr unsigned FaultBits = 0x01 | 0x04 | 0x08; // invalid, zero divide, overflow: same bits in both units

// Makes a value opaque and fixes its place among the other volatile statements: no operation on it
// can be moved before an earlier flag test, merged with another or rewritten (e.g. -(a·b) for (-a)·b).
inline long double Pin(long double v)
{
    __asm__ volatile("" : "+t"(v));
    return v;
}

// True when a fault flag is up once `result` exists; the SSE flags only matter after a libm call.
template <bool WithSse>
inline bool FaultRaised(long double result)
{
    std::uint16_t status;
    __asm__ volatile("fnstsw %0" : "=a"(status) : "t"(result));
    unsigned flags = status;
    if constexpr (WithSse) {
        std::uint32_t mxcsr;
        __asm__ volatile("stmxcsr %0" : "=m"(mxcsr));
        flags |= mxcsr;
    }
    return (flags & FaultBits) != 0;
}

} // namespace x87

// Set while RunStraight runs a calculation: its formulas then leave the flags to be read at the end.
inline thread_local bool straight = false;

// Runs `calculation` with no flag test per formula and returns true when no fault flag came up, in
// which case every value is what the checked run gives. Otherwise the caller must undo what it wrote
// and run it again checked (outside RunStraight) to raise the first fault. Needs a FaultScope.
template <class Calculation>
bool RunStraight(Calculation&& calculation)
{
    if ((fpstate::Flags() & x87::FaultBits) != 0)
        fpstate::ClearFlags();
    if (const std::uint32_t mxcsr = fpstate::Mxcsr(); (mxcsr & x87::FaultBits) != 0)
        fpstate::SetMxcsr(mxcsr & ~fpstate::FlagBits);
    struct Mode {
        Mode() { straight = true; }
        ~Mode() { straight = false; }
    };
    {
        const Mode mode;
        calculation();
    }
    return !x87::FaultRaised<true>(0.0L);
}

struct Node {};

template <class T>
concept Expr = std::derived_from<T, Node>;
template <class T>
concept Operand = Expr<T> || std::same_as<T, long double>;

// Evaluates on conversion, so `long double y = X(a) * b;` runs the checked multiplication.
template <class Derived>
struct Expression : Node {
    operator long double() const
    {
        const Derived& self = static_cast<const Derived&>(*this);
        const long double value = self.Run();
        if (straight)
            return value;
        if (x87::FaultRaised<Derived::CallsLibm>(value)) [[unlikely]]
            return self.Eval(); // again, op by op: throws at the first fault (or clears a stale flag)
        return value;
    }
};

struct Leaf : Expression<Leaf> {
    static constexpr bool CallsLibm = false;
    long double v;
    long double Eval() const { return v; }
    long double Run() const { return x87::Pin(v); }
};

template <Fn F, class A>
struct Unary : Expression<Unary<F, A>> {
    static constexpr bool CallsLibm = A::CallsLibm || F == Fn::Sqrt || F == Fn::Sin || F == Fn::Cos;
    A a;
    long double Eval() const { return Apply(F, a.Eval()); }
    long double Run() const
    {
        const long double v = a.Run();
        if constexpr (F == Fn::Neg)
            return x87::Pin(-v);
        else if constexpr (F == Fn::Abs)
            return x87::Pin(fabsl(v));
        else if constexpr (F == Fn::Square)
            return x87::Pin(v * v);
        else if constexpr (F == Fn::Sqrt)
            return x87::Pin(sqrtl(v));
        else if constexpr (F == Fn::Sin)
            return x87::Pin(sinl(v));
        else
            return x87::Pin(cosl(v));
    }
};

template <Op O, class L, class R>
struct Binary : Expression<Binary<O, L, R>> {
    static constexpr bool CallsLibm = L::CallsLibm || R::CallsLibm || O == Op::Atan2;
    L l;
    R r;
    long double Eval() const
    {
        const long double a = l.Eval(); // left before right: the fault met first is the one raised
        const long double b = r.Eval();
        return Apply(O, a, b);
    }
    long double Run() const
    {
        const long double a = l.Run();
        const long double b = r.Run();
        if constexpr (O == Op::Add)
            return x87::Pin(a + b);
        else if constexpr (O == Op::Sub)
            return x87::Pin(a - b);
        else if constexpr (O == Op::Mul)
            return x87::Pin(a * b);
        else if constexpr (O == Op::Div)
            return x87::Pin(a / b);
        else
            return x87::Pin(Atan2Extended(a, b));
    }
};

// A plain number as the start of a checked formula.
inline Leaf X(long double v)
{
    return Leaf{{}, v};
}

template <Operand T>
auto Wrap(T t)
{
    if constexpr (Expr<T>)
        return t;
    else
        return X(t);
}
template <class T>
using Wrapped = decltype(Wrap(std::declval<T>()));

template <Fn F, Operand A>
auto Call(A a)
{
    return Unary<F, Wrapped<A>>{{}, Wrap(a)};
}
template <Op O, Operand L, Operand R>
auto Call(L l, R r)
{
    return Binary<O, Wrapped<L>, Wrapped<R>>{{}, Wrap(l), Wrap(r)};
}

template <Operand A>
auto Abs(A a)
{
    return Call<Fn::Abs>(a);
}
// `a` is evaluated once, then multiplied by itself.
template <Operand A>
auto Square(A a)
{
    return Call<Fn::Square>(a);
}
template <Operand A>
auto Sqrt(A a)
{
    return Call<Fn::Sqrt>(a);
}
template <Operand A>
auto Sin(A a)
{
    return Call<Fn::Sin>(a);
}
template <Operand A>
auto Cos(A a)
{
    return Call<Fn::Cos>(a);
}
template <Operand Y, Operand Z>
auto Atan2(Y y, Z x)
{
    return Call<Op::Atan2>(y, x);
}

template <Expr A>
auto operator-(A a)
{
    return Call<Fn::Neg>(a);
}

template <Operand L, Operand R>
requires(Expr<L> || Expr<R>) auto operator+(L l, R r)
{
    return Call<Op::Add>(l, r);
}
template <Operand L, Operand R>
requires(Expr<L> || Expr<R>) auto operator-(L l, R r)
{
    return Call<Op::Sub>(l, r);
}
template <Operand L, Operand R>
requires(Expr<L> || Expr<R>) auto operator*(L l, R r)
{
    return Call<Op::Mul>(l, r);
}
template <Operand L, Operand R>
requires(Expr<L> || Expr<R>) auto operator/(L l, R r)
{
    return Call<Op::Div>(l, r);
}

// Comparing two formulas would evaluate them in an unspecified order: name the values first.
template <Operand L, Operand R>
requires(Expr<L> || Expr<R>) bool operator<(L, R) = delete;
template <Operand L, Operand R>
requires(Expr<L> || Expr<R>) bool operator>(L, R) = delete;
template <Operand L, Operand R>
requires(Expr<L> || Expr<R>) bool operator<=(L, R) = delete;
template <Operand L, Operand R>
requires(Expr<L> || Expr<R>) bool operator>=(L, R) = delete;

} // namespace fpcheck
