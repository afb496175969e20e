#pragma once
// A channel value rounded to the nearest integer (halves to even, under the
// default rounding mode) and clamped to 0..255.
#include <algorithm>
#include <cmath>
#include <cstdint>

inline std::uint8_t RoundToByte(double v) {
  return static_cast<std::uint8_t>(std::clamp(std::nearbyint(v), 0.0, 255.0));
}
