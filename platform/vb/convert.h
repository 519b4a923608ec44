#pragma once

#include <cstdint>

namespace vb {

// Rounds to the nearest whole number, halves to even (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
double RoundHalfEven(double value);

// The engine's conversions: banker's rounding, error 6 (Overflow) outside the target range
// or for a value that is not a number.
std::int16_t CInt(double value);
std::int32_t CLng(double value);
float CSng(double value);

// Boolean as the engine stores it: True is -1, False is 0.
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;
constexpr std::int16_t CBoolValue(bool value) {
  return value ? kTrue : kFalse;
}

}  // namespace vb
