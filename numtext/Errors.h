// The program's error hierarchy: every error a handler can raise carries its message text.
#pragma once

#include <stdexcept>
#include <string>

class OrbitekError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number in the locale's form.
class EConvertError : public OrbitekError {
public:
    using OrbitekError::OrbitekError;
};

// Floating-point faults of the calculation; underflow and inexact results are no faults.
class EMathError : public OrbitekError {
public:
    using OrbitekError::OrbitekError;
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};
