// Extended arithmetic that raises the first floating-point fault at the operation where it happens.
//
// Linux does not trap on floating-point faults, so each operation clears the fault flags, runs, and
// tests them. Formulas are written as usual (`X(a) - b`, `Sqrt(x)`): they build a small expression
// that is evaluated when it is converted to long double, left operand before right operand, so the
// first fault in reading order decides which error is raised. C++ itself leaves the order of the two
// operands of + - * / unspecified, which is why plain operator overloads would not do.
#pragma once

#include <concepts>
#include <utility>

namespace fpcheck {

enum class Op { Add, Sub, Mul, Div, Atan2 };
enum class Fn { Neg, Abs, Square, Sqrt, Sin, Cos };

// One rounded operation; raises EZeroDivide, EInvalidOp or EOverflow when it faults. Underflow,
// denormal operands and inexact results pass.
long double Apply(Op op, long double a, long double b);
long double Apply(Fn fn, long double a);

struct Node {};

template <class T>
concept Expr = std::derived_from<T, Node>;
template <class T>
concept Operand = Expr<T> || std::same_as<T, long double>;

// Evaluates on conversion, so `long double y = X(a) * b;` runs the checked multiplication.
template <class Derived>
struct Expression : Node {
    operator long double() const { return static_cast<const Derived&>(*this).Eval(); }
};

struct Leaf : Expression<Leaf> {
    long double v;
    long double Eval() const { return v; }
};

template <class A>
struct Unary : Expression<Unary<A>> {
    Fn fn;
    A a;
    long double Eval() const { return Apply(fn, a.Eval()); }
};

template <class L, class R>
struct Binary : Expression<Binary<L, R>> {
    Op op;
    L l;
    R r;
    long double Eval() const
    {
        const long double a = l.Eval(); // left before right: the fault met first is the one raised
        const long double b = r.Eval();
        return Apply(op, a, b);
    }
};

// A plain number as the start of a checked formula.
inline Leaf X(long double v) { return Leaf{{}, v}; }

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

template <Operand A>
auto Call(Fn fn, A a)
{
    return Unary<Wrapped<A>>{{}, fn, Wrap(a)};
}
template <Operand L, Operand R>
auto Call(Op op, L l, R r)
{
    return Binary<Wrapped<L>, Wrapped<R>>{{}, op, Wrap(l), Wrap(r)};
}

template <Operand A> auto Abs(A a) { return Call(Fn::Abs, a); }
template <Operand A> auto Square(A a) { return Call(Fn::Square, a); } // a evaluated once, then a*a
template <Operand A> auto Sqrt(A a) { return Call(Fn::Sqrt, a); }
template <Operand A> auto Sin(A a) { return Call(Fn::Sin, a); }
template <Operand A> auto Cos(A a) { return Call(Fn::Cos, a); }
template <Operand Y, Operand Z> auto Atan2(Y y, Z x) { return Call(Op::Atan2, y, x); }

template <Expr A> auto operator-(A a) { return Call(Fn::Neg, a); }

template <Operand L, Operand R>
    requires(Expr<L> || Expr<R>)
auto operator+(L l, R r) { return Call(Op::Add, l, r); }
template <Operand L, Operand R>
    requires(Expr<L> || Expr<R>)
auto operator-(L l, R r) { return Call(Op::Sub, l, r); }
template <Operand L, Operand R>
    requires(Expr<L> || Expr<R>)
auto operator*(L l, R r) { return Call(Op::Mul, l, r); }
template <Operand L, Operand R>
    requires(Expr<L> || Expr<R>)
auto operator/(L l, R r) { return Call(Op::Div, l, r); }

// Comparing two formulas would evaluate them in an unspecified order: name the values first.
template <Operand L, Operand R>
    requires(Expr<L> || Expr<R>)
bool operator<(L, R) = delete;
template <Operand L, Operand R>
    requires(Expr<L> || Expr<R>)
bool operator>(L, R) = delete;
template <Operand L, Operand R>
    requires(Expr<L> || Expr<R>)
bool operator<=(L, R) = delete;
template <Operand L, Operand R>
    requires(Expr<L> || Expr<R>)
bool operator>=(L, R) = delete;

} // namespace fpcheck
