#pragma once
// Layer blending of two pictures channel by channel. The numbers of the
// modes are part of the interface: other parts of the program name modes by
// them.
#include <array>
#include <cstdint>

#include "bitmap/FrameBitmap.h"

enum class BlendMode : int {
  Normal = 0,
  Multiply = 3,
  Screen = 5,
  Overlay = 6,
  SoftLight = 7,
  Exclusion = 19,
};

// The blend of base value a and top value b (0..255) by the mode's formula,
// evaluated in double precision. BlendChannel gives the same values; this
// one is what the lookup tables are built from.
std::uint8_t ComputeBlendChannel(int a, int b, BlendMode mode);

// The blend of base value a and top value b; Multiply, Screen, Overlay and
// SoftLight come from the lookup tables.
std::uint8_t BlendChannel(int a, int b, BlendMode mode);

// For every pixel and channel: res = BlendChannel(base, top, mode), and the
// destination becomes res at opacity 100, otherwise
// ClampRound(((100 - opacity) * base + opacity * res) / 100). opacity is held
// to 0..100. dest may be base or top; it takes their size. Pictures of
// different sizes leave dest unchanged.
void LayerBlend(const FrameBitmap& base, const FrameBitmap& top, int opacity, BlendMode mode,
                FrameBitmap& dest);

// The LayerBlend result for every pair, [base * 256 + top], at the given
// opacity (0..100).
std::array<std::uint8_t, 256 * 256> MakeLayerBlendTable(BlendMode mode, int opacity);

// BlendChannel(i, i, mode) for every value i: a self-blend as a curve.
std::array<std::uint8_t, 256> SelfBlendCurve(BlendMode mode);

// LayerBlend of a picture with itself at opacity 100.
void SelfBlend(FrameBitmap& bitmap, BlendMode mode);

// The integer overlay of base b and top t: (2bt) div 256 below 128, else
// 2(b + t - (bt) div 256) - 255, clamped to 0..255.
inline int OverlayFast(int b, int t) {
  const int v = b < 128 ? (2 * b * t) / 256 : 2 * (b + t - (b * t) / 256) - 255;
  return v < 0 ? 0 : (v > 255 ? 255 : v);
}
