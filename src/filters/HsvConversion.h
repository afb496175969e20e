#pragma once
// Colour conversion between RGB channel values and hue, saturation, value,
// in 32-bit floats throughout: every step below is one float operation, so
// results are the same wherever they are computed.
#include <algorithm>

#include "filters/FloatExactness.h"

struct Hsv {
  float h = -1.0f;  // 0..1, or -1 for a grey pixel
  float s = 0.0f;   // 0..1
  float v = 0.0f;   // 0..255
};

struct RgbFloat {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
};

// Red wins ties with green; blue must be strictly greater than both to win.
inline Hsv RgbToHsv(float r, float g, float b) {
  const float lo = std::min(r, std::min(g, b));
  float hi;
  float h;
  if (r >= g && r >= b) {
    hi = r;
    const float d = hi - lo;
    if (d == 0.0f) return Hsv{-1.0f, 0.0f, r};
    h = (g - b) / d;
  } else if (g >= b) {
    hi = g;
    h = (b - r) / (hi - lo) + 2.0f;
  } else {
    hi = b;
    h = (r - g) / (hi - lo) + 4.0f;
  }
  const float d = hi - lo;
  h = h / 6.0f;
  if (h < 0.0f) h = h + 1.0f;
  return Hsv{h, d / hi, hi};
}

inline RgbFloat HsvToRgb(float h, float s, float v) {
  if (h < 0.0f) return RgbFloat{v, v, v};
  const float x = h * 6.0f;
  const int i = static_cast<int>(x);  // x >= 0, so this is the floor
  const float f = x - static_cast<float>(i);
  const float p = v * (1.0f - s);
  const float q = v * (1.0f - s * f);
  const float t = v * (1.0f - s * (1.0f - f));
  switch (i) {
    case 0: return RgbFloat{v, t, p};
    case 1: return RgbFloat{q, v, p};
    case 2: return RgbFloat{p, v, t};
    case 3: return RgbFloat{p, q, v};
    case 4: return RgbFloat{t, p, v};
    default: return RgbFloat{v, p, q};
  }
}
