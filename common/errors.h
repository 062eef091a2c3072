#pragma once
// The one error type of the program: its message is what the default error display shows.
#include <stdexcept>
#include <string>

namespace zolvik {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Messages of the floating-point and integer faults, raised by the arithmetic that detects them.
inline constexpr const char *kFloatDivByZero = "Floating point division by zero";
inline constexpr const char *kFloatInvalidOp = "Invalid floating point operation";
inline constexpr const char *kFloatOverflow = "Floating point overflow";
inline constexpr const char *kIntDivByZero = "Division by zero";

}  // namespace zolvik
