#include "filters/HsvOperations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "filters/ClampRound.h"
#include "filters/HsvConversion.h"
#include "filters/Luma.h"

namespace {
inline void StoreRounded(std::uint8_t* p, const RgbFloat& c) {
  p[0] = static_cast<std::uint8_t>(ClampRound(c.b));
  p[1] = static_cast<std::uint8_t>(ClampRound(c.g));
  p[2] = static_cast<std::uint8_t>(ClampRound(c.r));
}
}  // namespace

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
  std::uint8_t* p = bitmap.Pixels.data();
  const std::size_t count = static_cast<std::size_t>(bitmap.Width) * bitmap.Height;
  for (std::size_t i = 0; i < count; ++i, p += 3) {
    const float level = levelOf[Luma(p[2], p[1], p[0])];
    const Hsv hsv = RgbToHsv(p[2], p[1], p[0]);
    StoreRounded(p, HsvToRgb(hsv.h, hsv.s, level));
  }
}

void AdjustHsv(FrameBitmap& bitmap, double valueFactor, double saturationFactor) {
  std::uint8_t* p = bitmap.Pixels.data();
  const std::size_t count = static_cast<std::size_t>(bitmap.Width) * bitmap.Height;
  for (std::size_t i = 0; i < count; ++i, p += 3) AdjustHsvPixel(p, valueFactor, saturationFactor);
}
