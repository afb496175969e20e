#pragma once
// Plain transcriptions of the pixel formulas, written for clarity and not
// for speed: every value computed in double straight from its definition,
// working copies where the definition makes them. The production code uses
// tables, integer rounding and vector loops; the tests hold it to these.
#include "filters/FloatExactness.h"
// (first: the float sums below must round step by step like the program's)
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

#include "bitmap/FrameBitmap.h"
#include "platform/Random.h"

namespace ref {

inline int Round(double x) {  // halves to even, clamped
  const double r = std::nearbyint(x);
  return r < 0 ? 0 : (r > 255 ? 255 : static_cast<int>(r));
}

inline int Clamp(int v) { return std::min(255, std::max(0, v)); }

inline std::uint8_t& Ch(FrameBitmap& b, int x, int y, int c) { return b.At(x, y)[c]; }  // c: 0 B, 1 G, 2 R
inline int Ch(const FrameBitmap& b, int x, int y, int c) { return b.At(x, y)[c]; }

inline FrameBitmap RandomPicture(int w, int h, unsigned seed, int lo = 0, int hi = 255) {
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> d(lo, hi);
  FrameBitmap b(w, h);
  for (auto& v : b.Pixels) v = static_cast<std::uint8_t>(d(gen));
  return b;
}

// A picture with smooth areas and edges, closer to a photo than noise.
inline FrameBitmap PhotoLikePicture(int w, int h, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> jitter(-6, 6);
  FrameBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool block = ((x / 5) + (y / 4)) % 3 == 0;
      Ch(b, x, y, 2) = static_cast<std::uint8_t>(Clamp((block ? 200 : 60) + 8 * x / std::max(1, w) * 10 + jitter(gen)));
      Ch(b, x, y, 1) = static_cast<std::uint8_t>(Clamp((block ? 40 : 150) + 100 * y / std::max(1, h) + jitter(gen)));
      Ch(b, x, y, 0) = static_cast<std::uint8_t>(Clamp(128 + ((x * 7 + y * 3) % 50) + jitter(gen)));
    }
  return b;
}

inline FrameBitmap Uniform(int w, int h, int r, int g, int b) {
  FrameBitmap p(w, h);
  p.Fill(MakeColorRef(r, g, b));
  return p;
}

inline int Luma(int r, int g, int b) {
  const long long s = 298912LL * r + 586611LL * g + 114478LL * b;
  return Round(static_cast<double>(s) / 1000000.0);
}

inline void ToGrey(FrameBitmap& b) {
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x) {
      const int l = Luma(Ch(b, x, y, 2), Ch(b, x, y, 1), Ch(b, x, y, 0));
      for (int c = 0; c < 3; ++c) Ch(b, x, y, c) = static_cast<std::uint8_t>(l);
    }
}

enum Mode { Normal = 0, Multiply = 3, Screen = 5, Overlay = 6, SoftLight = 7, Exclusion = 19 };

inline int Blend(int a, int b, int mode) {
  switch (mode) {
    case Normal: return b;
    case Multiply: return Round(a * b / 255.0);
    case Screen: return Round(a + b - a * b / 255.0);
    case Overlay: return a < 128 ? Round(2.0 * a * b / 255.0) : Round(2.0 * (a + b - a * b / 255.0) - 255.0);
    case SoftLight:
      return b < 128 ? Round(255.0 * std::pow(a / 255.0, (255.0 - b) / 128.0))
                     : Round(255.0 * std::pow(a / 255.0, 128.0 / b));
    case Exclusion: return Round(a + b - 2.0 * a * b / 255.0);
  }
  return b;
}

inline FrameBitmap LayerBlend(const FrameBitmap& base, const FrameBitmap& top, int opacity, int mode) {
  FrameBitmap out = base;
  for (std::size_t i = 0; i < base.Pixels.size(); ++i) {
    const int a = base.Pixels[i], res = Blend(a, top.Pixels[i], mode);
    out.Pixels[i] = static_cast<std::uint8_t>(opacity == 100 ? res : Round(((100.0 - opacity) * a + opacity * res) / 100.0));
  }
  return out;
}

inline void SelfBlend(FrameBitmap& b, int mode) { b = LayerBlend(b, b, 100, mode); }

inline FrameBitmap Plate(const FrameBitmap& like, int r, int g, int b) { return Uniform(like.Width, like.Height, r, g, b); }

template <typename F>
void MapEach(FrameBitmap& b, F f) {  // f(value, channel)
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x)
      for (int c = 0; c < 3; ++c) Ch(b, x, y, c) = static_cast<std::uint8_t>(f(Ch(b, x, y, c), c));
}

inline void AdjustContrast(FrameBitmap& b, double amount) {
  MapEach(b, [&](int i, int) { return Round((i - 127.5) * amount + i); });
}
inline void ApplyGamma(FrameBitmap& b, double gamma) {
  MapEach(b, [&](int i, int) { return Round(255.0 * std::pow(i / 255.0, 1.0 / gamma)); });
}
inline void Tint(FrameBitmap& b, int cr, int cg, int cb, int keep) {
  const double k = keep / 100.0;
  const int colour[3] = {cb, cg, cr};
  MapEach(b, [&](int i, int c) { return Round(((1 - k) * colour[c] / 255 + k) * i); });
}

struct HsvF {
  float h, s, v;
};
inline HsvF RgbToHsv(float r, float g, float b) {
  float mx;
  int which;
  if (r >= g && r >= b) { mx = r; which = 0; }
  else if (g >= b) { mx = g; which = 1; }
  else { mx = b; which = 2; }
  const float mn = std::min(std::min(r, g), b);
  const float d = mx - mn;
  if (d == 0) return {-1.0f, 0.0f, r};
  float h;
  if (which == 0) h = (g - b) / d;
  else if (which == 1) h = (b - r) / d + 2.0f;
  else h = (r - g) / d + 4.0f;
  h = h / 6.0f;
  if (h < 0) h = h + 1.0f;
  return {h, d / mx, mx};
}
inline void HsvToRgb(float h, float s, float v, float& r, float& g, float& b) {
  if (h < 0) { r = g = b = v; return; }
  const float x = h * 6.0f;
  const int i = static_cast<int>(std::floor(x));
  const float f = x - static_cast<float>(i);
  const float p = v * (1.0f - s), q = v * (1.0f - s * f), t = v * (1.0f - s * (1.0f - f));
  switch (i) {
    case 0: r = v; g = t; b = p; break;
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    default: r = v; g = p; b = q; break;
  }
}

inline void AdjustHsv(FrameBitmap& b, double vf, double sf) {
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x) {
      HsvF hsv = RgbToHsv(Ch(b, x, y, 2), Ch(b, x, y, 1), Ch(b, x, y, 0));
      hsv.s = static_cast<float>(std::min(hsv.s * sf, 1.0));
      hsv.v = static_cast<float>(std::min(hsv.v * vf, 255.0));
      float r, g, bb;
      HsvToRgb(hsv.h, hsv.s, hsv.v, r, g, bb);
      Ch(b, x, y, 2) = static_cast<std::uint8_t>(Round(r));
      Ch(b, x, y, 1) = static_cast<std::uint8_t>(Round(g));
      Ch(b, x, y, 0) = static_cast<std::uint8_t>(Round(bb));
    }
}

// Draws from the program's generator in the same order as the definition.
inline void AddNoise(FrameBitmap& b, int amount, double contrast) {
  if (contrast != 0) AdjustContrast(b, contrast);
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x) {
      const int r = Random(1000) % 3;
      const int offset = r == 0 ? amount : (r == 1 ? -amount : 0);
      for (int c = 0; c < 3; ++c) Ch(b, x, y, c) = static_cast<std::uint8_t>(Clamp(Ch(b, x, y, c) + offset));
    }
}

// The neighbour of p at offset d, replaced by p when outside 0..n-1.
inline int Near(int p, int d, int n) { return p + d < 0 || p + d >= n ? p : p + d; }

inline void Sharpen(FrameBitmap& b, int percentage) {
  const FrameBitmap src = b;
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x)
      for (int c = 0; c < 3; ++c) {
        int l = 0;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            const int v = Ch(src, Near(x, dx, b.Width), Near(y, dy, b.Height), c);
            l += (dx == 0 && dy == 0) ? 8 * v : -v;
          }
        Ch(b, x, y, c) = static_cast<std::uint8_t>(Round(l * percentage / 100.0 + Ch(src, x, y, c)));
      }
}

inline void GaussianBlur(FrameBitmap& bitmap, int sigma) {
  const int r = 3 * sigma;
  std::vector<float> w(r + 1);
  for (int k = 0; k <= r; ++k) w[k] = static_cast<float>(std::exp(-(double)k * k / (2.0 * sigma * sigma)));
  const FrameBitmap b = bitmap;
  FrameBitmap a = bitmap;
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x)
      for (int c = 0; c < 3; ++c) {
        float acc = 0, wsum = 0;
        for (int j = x - r; j <= x + r; ++j) {
          if (j < 0 || j >= b.Width) continue;
          const float wk = w[std::abs(j - x)];
          const float product = wk * static_cast<float>(Ch(b, j, y, c));
          acc = acc + product;
          wsum = wsum + wk;
        }
        Ch(a, x, y, c) = static_cast<std::uint8_t>(Round(static_cast<double>(acc) / wsum));
      }
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x)
      for (int c = 0; c < 3; ++c) {
        float acc = 0, wsum = 0;
        for (int i = y - r; i <= y + r; ++i) {
          if (i < 0 || i >= b.Height) continue;
          const float wk = w[std::abs(i - y)];
          const float product = wk * static_cast<float>(Ch(a, x, i, c));
          acc = acc + product;
          wsum = wsum + wk;
        }
        Ch(bitmap, x, y, c) = static_cast<std::uint8_t>(Round(static_cast<double>(acc) / wsum));
      }
}

inline int OverlayFast(int b, int t) { return Clamp(b < 128 ? (2 * b * t) / 256 : 2 * (b + t - (b * t) / 256) - 255); }

// Three copies: the picture O, a darker D and a lighter L gamma of it.
inline void BoostClarity(FrameBitmap& b) {
  const FrameBitmap o = b;
  FrameBitmap d = b, l = b;
  ApplyGamma(d, 0.8);
  ApplyGamma(l, 2.4);
  for (std::size_t i = 0; i < b.Pixels.size(); ++i) {
    const int r2 = OverlayFast(OverlayFast(d.Pixels[i], o.Pixels[i]), l.Pixels[i]);
    b.Pixels[i] = static_cast<std::uint8_t>(Round((6.0 * o.Pixels[i] + 4.0 * r2) / 10.0));
  }
}

inline void OverlaySelfThenGrey(FrameBitmap& b) {
  SelfBlend(b, Overlay);
  ToGrey(b);
}

inline void HardSharpen(FrameBitmap& b, int n) {
  const FrameBitmap src = b;
  const int half = n / 2;
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x)
      for (int c = 0; c < 3; ++c) {
        int s = 0;
        for (int dy = -half; dy <= half; ++dy)
          for (int dx = -half; dx <= half; ++dx) {
            const int v = Ch(src, Near(x, dx, b.Width), Near(y, dy, b.Height), c);
            s += (dx == 0 && dy == 0) ? n * n * v : -v;
          }
        Ch(b, x, y, c) = static_cast<std::uint8_t>(Clamp(s));
      }
}

inline void EdgeSketch(FrameBitmap& b) {
  const FrameBitmap src = b;
  const int gxk[3][3] = {{-1, 0, 1}, {-2, 0, 2}, {-1, 0, 1}}, gyk[3][3] = {{-1, -2, -1}, {0, 0, 0}, {1, 2, 1}};
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x)
      for (int c = 0; c < 3; ++c) {
        int gx = 0, gy = 0;
        for (int i = 0; i < 3; ++i)
          for (int j = 0; j < 3; ++j) {
            const int v = Ch(src, Near(x, j - 1, b.Width), Near(y, i - 1, b.Height), c);
            gx += gxk[i][j] * v;
            gy += gyk[i][j] * v;
          }
        Ch(b, x, y, c) = static_cast<std::uint8_t>(255 - Round(std::sqrt(static_cast<double>(gx * gx + gy * gy))));
      }
  ToGrey(b);
}

inline void LaplacianSketch(FrameBitmap& b) {
  const FrameBitmap src = b;
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x)
      for (int c = 0; c < 3; ++c) {
        int l = 0;
        for (int i = -1; i <= 1; ++i)
          for (int j = -1; j <= 1; ++j) {
            const int v = Ch(src, Near(x, j, b.Width), Near(y, i, b.Height), c);
            l += (i == 0 && j == 0) ? 8 * v : -v;
          }
        Ch(b, x, y, c) = static_cast<std::uint8_t>(255 - Clamp(l));
      }
  ToGrey(b);
}

// The plain quadrant definition (oil: the modal-bin mean instead of the
// mean); pictures must be large enough for a usable window everywhere.
struct Window {
  int x0, y0;
};
inline Window ChooseWindow(const FrameBitmap& src, int x, int y, int r) {
  const int corners[4][2] = {{x - r, y - r}, {x, y - r}, {x, y}, {x - r, y}};
  const int far[4][2] = {{x - r, y - r}, {x + r, y - r}, {x + r, y + r}, {x - r, y + r}};
  int best = 0, bestScore = 1 << 30;
  for (int k = 0; k < 4; ++k) {
    int score = 1000;
    if (far[k][0] >= 0 && far[k][0] < src.Width && far[k][1] >= 0 && far[k][1] < src.Height) {
      score = 0;
      for (int c = 0; c < 3; ++c) {
        int mx = 0, mn = 255;
        for (int yy = corners[k][1]; yy <= corners[k][1] + r; ++yy)
          for (int xx = corners[k][0]; xx <= corners[k][0] + r; ++xx) {
            mx = std::max(mx, Ch(src, xx, yy, c));
            mn = std::min(mn, Ch(src, xx, yy, c));
          }
        score += mx - mn;
      }
    }
    if (score < bestScore) {
      bestScore = score;
      best = k;
    }
  }
  return {corners[best][0], corners[best][1]};
}

inline FrameBitmap QuadrantSmooth(const FrameBitmap& src, int r, bool oil) {
  FrameBitmap out = src;
  for (int y = 0; y < src.Height; ++y)
    for (int x = 0; x < src.Width; ++x) {
      const Window w = ChooseWindow(src, x, y, r);
      for (int c = 0; c < 3; ++c) {
        int sum = 0, counts[16] = {}, sums[16] = {};
        for (int yy = w.y0; yy <= w.y0 + r; ++yy)
          for (int xx = w.x0; xx <= w.x0 + r; ++xx) {
            const int v = Ch(src, xx, yy, c);
            sum += v;
            counts[v / 16]++;
            sums[v / 16] += v;
          }
        if (!oil) {
          Ch(out, x, y, c) = static_cast<std::uint8_t>(Round(static_cast<double>(sum) / ((r + 1) * (r + 1))));
        } else {
          int modal = 0;
          for (int b = 1; b < 16; ++b)
            if (counts[b] > counts[modal]) modal = b;
          Ch(out, x, y, c) = static_cast<std::uint8_t>(Round(static_cast<double>(sums[modal]) / counts[modal]));
        }
      }
    }
  return out;
}

inline void SketchCombine(FrameBitmap& b, int strength) {
  FrameBitmap a = b, l = b;
  EdgeSketch(a);
  LaplacianSketch(l);
  for (std::size_t i = 0; i < b.Pixels.size(); ++i) {
    const int x = a.Pixels[i] * l.Pixels[i];
    b.Pixels[i] = static_cast<std::uint8_t>(255 - Round((255 - std::sqrt(static_cast<double>(x))) * strength / 100.0));
  }
}

inline void SoftFocus(FrameBitmap& b, int sigma, double contrast) {
  FrameBitmap blurred = b;
  GaussianBlur(blurred, sigma);
  for (std::size_t i = 0; i < b.Pixels.size(); ++i) {
    int v = Round((b.Pixels[i] + blurred.Pixels[i]) / 2.0);
    if (contrast != 0) v = Round(contrast * (v - 127.5) + v);
    b.Pixels[i] = static_cast<std::uint8_t>(v);
  }
}

inline void LineArt(FrameBitmap& b) {
  FrameBitmap blurred = b;
  GaussianBlur(blurred, 2);
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x) {
      int d[3];
      for (int c = 0; c < 3; ++c) d[c] = Round(Ch(b, x, y, c) * 256.0 / (Ch(blurred, x, y, c) + 1));
      const int ink = Luma(d[2], d[1], d[0]) < 246 ? 0 : 255;
      for (int c = 0; c < 3; ++c) Ch(b, x, y, c) = static_cast<std::uint8_t>(ink);
    }
}

inline void Posterize(FrameBitmap& b, int levels) {
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x) {
      std::uint8_t* px = b.At(x, y);
      const int l = Luma(px[2], px[1], px[0]);
      int level = 0;
      for (int i = 0; i < levels; ++i)
        if (l >= static_cast<int>(i * (256.0 / levels))) level = i == levels - 1 ? 255 : static_cast<int>(i * (255.0 / (levels - 1)));
      const HsvF hsv = RgbToHsv(px[2], px[1], px[0]);
      float r, g, bl;
      HsvToRgb(hsv.h, hsv.s, static_cast<float>(level), r, g, bl);
      px[2] = static_cast<std::uint8_t>(Round(r));
      px[1] = static_cast<std::uint8_t>(Round(g));
      px[0] = static_cast<std::uint8_t>(Round(bl));
    }
}

}  // namespace ref
