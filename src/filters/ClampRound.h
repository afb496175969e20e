#pragma once
// Rounding rules shared by every pixel operation: reals go to the nearest
// integer with halves to even and are then held to the byte range.
#include <cstdint>

// The nearest integer to x, halves to even (2.5 -> 2, 3.5 -> 4), clamped to
// 0..255. A NaN gives 0.
inline int ClampRound(double x) {
  if (!(x > 0.0)) return 0;
  if (x >= 255.0) return 255;
  // Adding and removing 1.5 * 2^52 leaves x rounded to an integer in the
  // default nearest-even mode, without a library call.
  const double shifter = 6755399441055744.0;
  return static_cast<int>((x + shifter) - shifter);
}

// A real cut toward zero and held to 0..255 (a NaN gives 0), for the
// colour conversions whose results are truncated.
inline std::uint8_t TruncatedByte(float v) {
  if (!(v > 0.0f)) return 0;
  return v >= 255.0f ? 255 : static_cast<std::uint8_t>(v);
}

// An integer held to 0..255.
inline std::uint8_t ClampByte(int v) {
  return static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// n / d rounded to nearest with halves to even, for n >= 0 and d > 0. Equal
// to ClampRound(n / (double)d) before clamping, because an exact half is
// exactly representable and any other quotient lies far from one.
inline int RoundHalfEvenDiv(int n, int d) {
  const int q = n / d;
  const int twiceRest = 2 * (n - q * d);
  return q + ((twiceRest > d) | ((twiceRest == d) & q & 1));
}

// The same for a possibly negative n, then clamped to 0..255.
inline int ClampRoundDiv(int n, int d) {
  if (n <= 0) return 0;
  const int v = RoundHalfEvenDiv(n, d);
  return v > 255 ? 255 : v;
}
