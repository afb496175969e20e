#include "filters/FloatExactness.h"

#include "bitmap/TargetClones.h"
// (first: the lanes must round every float step as the pixel form does)
#include "filters/HsvOperations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "bitmap/ParallelRows.h"
#include "filters/ClampRound.h"
#include "filters/HsvConversion.h"
#include "filters/Luma.h"

namespace {
[[gnu::always_inline]] inline void StoreRounded(std::uint8_t* p, const RgbFloat& c) {
  p[0] = static_cast<std::uint8_t>(ClampRound(c.b));
  p[1] = static_cast<std::uint8_t>(ClampRound(c.g));
  p[2] = static_cast<std::uint8_t>(ClampRound(c.r));
}
}  // namespace

// The 32-byte vectors below never cross a function boundary the caller sees.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace {

typedef float Float8 __attribute__((vector_size(32)));
typedef int Int8 __attribute__((vector_size(32)));
typedef double Double4 __attribute__((vector_size(32)));

[[gnu::always_inline]] inline Float8 Load8(const float* p) {
  Float8 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

[[gnu::always_inline]] inline Float8 Select(Int8 mask, Float8 a, Float8 b) { return mask ? a : b; }

// min(x * factor, cap) in double, back to float, lane by lane.
[[gnu::always_inline]] inline Float8 ScaledCapped(Float8 x, double factor, double cap) {
  float lanes[8];
  std::memcpy(lanes, &x, sizeof x);
  const Double4 lo = {lanes[0], lanes[1], lanes[2], lanes[3]};
  const Double4 hi = {lanes[4], lanes[5], lanes[6], lanes[7]};
  Double4 a = lo * factor, b = hi * factor;
  a = a < cap ? a : cap;
  b = b < cap ? b : cap;
  return Float8{static_cast<float>(a[0]), static_cast<float>(a[1]), static_cast<float>(a[2]), static_cast<float>(a[3]),
                static_cast<float>(b[0]), static_cast<float>(b[1]), static_cast<float>(b[2]), static_cast<float>(b[3])};
}

// ClampRound of float lanes: (x + 1.5 * 2^23) - 1.5 * 2^23 rounds to even.
[[gnu::always_inline]] inline Int8 RoundToBytes(Float8 x) {
  x = x > 0.0f ? x : 0.0f;
  x = x < 255.0f ? x : 255.0f;
  x = (x + 12582912.0f) - 12582912.0f;
  return __builtin_convertvector(x, Int8);
}

}  // namespace

namespace {

struct HsvLanes {
  Float8 h, s, v;
  Int8 grey;  // all channels equal: h = -1, s = 0, v = red
};

// Eight pixels (blue, green, red bytes from p) as floats.
[[gnu::always_inline]] inline void LoadPixels(const std::uint8_t* p, Float8& r, Float8& g, Float8& b) {
  float rs[8], gs[8], bs[8];
  for (int k = 0; k < 8; ++k) {
    bs[k] = p[3 * k];
    gs[k] = p[3 * k + 1];
    rs[k] = p[3 * k + 2];
  }
  r = Load8(rs);
  g = Load8(gs);
  b = Load8(bs);
}

// RgbToHsv lane by lane: red wins ties with green, blue must be strictly greatest.
[[gnu::always_inline]] inline HsvLanes ToHsvLanes(Float8 r, Float8 g, Float8 b) {
  const Int8 redMax = (r >= g) & (r >= b);
  const Int8 greenMax = ~redMax & (g >= b);
  const Float8 hi = Select(redMax, r, Select(greenMax, g, b));
  const Float8 lo = Select(r < g, Select(r < b, r, b), Select(g < b, g, b));
  const Float8 d = hi - lo;
  const Float8 numerator = Select(redMax, g - b, Select(greenMax, b - r, r - g));
  const Float8 offset = Select(redMax, Float8{} + 0.0f, Select(greenMax, Float8{} + 2.0f, Float8{} + 4.0f));
  const Int8 grey = d == 0.0f;
  const Float8 safeD = Select(grey, Float8{} + 1.0f, d);
  const Float8 safeHi = Select(grey, Float8{} + 1.0f, hi);
  Float8 h = numerator / safeD + offset;
  h = h / 6.0f;
  h = Select(h < 0.0f, h + 1.0f, h);
  h = Select(grey, Float8{} - 1.0f, h);
  return HsvLanes{h, Select(grey, Float8{}, d / safeHi), Select(grey, r, hi), grey};
}

// Float lanes cut toward zero and held to 0..255.
[[gnu::always_inline]] inline Int8 TruncateToBytes(Float8 x) {
  x = x > 0.0f ? x : 0.0f;
  x = x < 255.0f ? x : 255.0f;
  return __builtin_convertvector(x, Int8);
}

// HsvToRgb lane by lane by sector i of h * 6, each channel by ClampRound
// (or cut toward zero with Truncate), stored as eight pixels from p.
template <bool Truncate = false>
[[gnu::always_inline]] inline void StoreRgbOfHsv(const HsvLanes& c, std::uint8_t* p) {
  const Float8 v = c.v, s = c.s;
  const Float8 x = c.h * 6.0f;
  const Int8 sector = __builtin_convertvector(Select(c.grey, Float8{}, x), Int8);
  const Float8 f = x - __builtin_convertvector(sector, Float8);
  const Float8 pv = v * (1.0f - s);
  const Float8 qv = v * (1.0f - s * f);
  const Float8 tv = v * (1.0f - s * (1.0f - f));
  const Int8 s0 = sector == 0, s1 = sector == 1, s2 = sector == 2, s3 = sector == 3, s4 = sector == 4;
  Float8 ro = Select(s1, qv, Select(s2 | s3, pv, Select(s4, tv, v)));
  Float8 go = Select(s0, tv, Select(s1 | s2, v, Select(s3, qv, pv)));
  Float8 bo = Select(s0 | s1, pv, Select(s2, tv, Select(s3 | s4, v, qv)));
  ro = Select(c.grey, v, ro);
  go = Select(c.grey, v, go);
  bo = Select(c.grey, v, bo);
  const Int8 rb = Truncate ? TruncateToBytes(ro) : RoundToBytes(ro);
  const Int8 gb = Truncate ? TruncateToBytes(go) : RoundToBytes(go);
  const Int8 bb = Truncate ? TruncateToBytes(bo) : RoundToBytes(bo);
  for (int k = 0; k < 8; ++k) {
    p[3 * k] = static_cast<std::uint8_t>(bb[k]);
    p[3 * k + 1] = static_cast<std::uint8_t>(gb[k]);
    p[3 * k + 2] = static_cast<std::uint8_t>(rb[k]);
  }
}

}  // namespace

BRINMORA_TARGET_CLONES
void AdjustHsvRow(std::uint8_t* p, int count, double valueFactor, double saturationFactor) {
  int i = 0;
  for (; i + 8 <= count; i += 8, p += 24) {
    Float8 r, g, b;
    LoadPixels(p, r, g, b);
    HsvLanes c = ToHsvLanes(r, g, b);
    c.s = ScaledCapped(c.s, saturationFactor, 1.0);
    c.v = ScaledCapped(c.v, valueFactor, 255.0);
    StoreRgbOfHsv(c, p);
  }
  for (; i < count; ++i, p += 3) AdjustHsvPixel(p, valueFactor, saturationFactor);
}

BRINMORA_TARGET_CLONES
void ScaleValueTruncatedRow(std::uint8_t* p, int count, double valueFactor) {
  int i = 0;
  for (; i + 8 <= count; i += 8, p += 24) {
    Float8 r, g, b;
    LoadPixels(p, r, g, b);
    HsvLanes c = ToHsvLanes(r, g, b);
    c.v = ScaledCapped(c.v, valueFactor, 255.0);
    StoreRgbOfHsv<true>(c, p);
  }
  for (; i < count; ++i, p += 3) {
    const Hsv hsv = RgbToHsv(p[2], p[1], p[0]);
    const RgbFloat c = HsvToRgb(hsv.h, hsv.s, static_cast<float>(std::min(hsv.v * valueFactor, 255.0)));
    p[0] = TruncatedByte(c.b);
    p[1] = TruncatedByte(c.g);
    p[2] = TruncatedByte(c.r);
  }
}

// Posterize of count pixels of a row: the value of each becomes the level
// of its Luma, eight at a time.
BRINMORA_TARGET_CLONES
void PosterizeRow(std::uint8_t* p, int count, const float* levelOf) {
  int i = 0;
  for (; i + 8 <= count; i += 8, p += 24) {
    float levels[8];
    for (int k = 0; k < 8; ++k) levels[k] = levelOf[Luma(p[3 * k + 2], p[3 * k + 1], p[3 * k])];
    Float8 r, g, b;
    LoadPixels(p, r, g, b);
    HsvLanes c = ToHsvLanes(r, g, b);
    c.v = Load8(levels);
    StoreRgbOfHsv(c, p);
  }
  for (; i < count; ++i, p += 3) {
    const float level = levelOf[Luma(p[2], p[1], p[0])];
    const Hsv hsv = RgbToHsv(p[2], p[1], p[0]);
    StoreRounded(p, HsvToRgb(hsv.h, hsv.s, level));
  }
}

BRINMORA_TARGET_CLONES
void RecolourRow(const std::uint8_t* colours, std::uint8_t* p, int count) {
  int i = 0;
  for (; i + 8 <= count; i += 8, p += 24, colours += 24) {
    Float8 r, g, b, value, unused1, unused2;
    LoadPixels(colours, r, g, b);
    LoadPixels(p, unused1, unused2, value);
    HsvLanes c = ToHsvLanes(r, g, b);
    c.v = value;
    StoreRgbOfHsv(c, p);
  }
  for (; i < count; ++i, p += 3, colours += 3) {
    const Hsv hsv = RgbToHsv(colours[2], colours[1], colours[0]);
    StoreRounded(p, HsvToRgb(hsv.h, hsv.s, p[0]));
  }
}

void AdjustHsv(FrameBitmap& bitmap, double valueFactor, double saturationFactor) {
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) AdjustHsvRow(bitmap.Row(y), bitmap.Width, valueFactor, saturationFactor);
  });
}

void Posterize(FrameBitmap& bitmap, int levels) {
  if (levels < 2) return;
  // The level of every brightness 0..255.
  std::array<float, 256> levelOf{};
  const double bandWidth = 256.0 / levels;
  const double levelStep = 255.0 / (levels - 1);
  for (int band = 0; band < levels; ++band) {
    const int from = static_cast<int>(band * bandWidth);
    const int level = band == levels - 1 ? 255 : static_cast<int>(band * levelStep);
    for (int y = std::min(from, 256); y < 256; ++y) levelOf[y] = static_cast<float>(level);
  }
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) PosterizeRow(bitmap.Row(y), bitmap.Width, levelOf.data());
  });
}
