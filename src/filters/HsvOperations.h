#pragma once
// Per-pixel operations that pass through hue, saturation and value.
#include <algorithm>
#include <cstdint>

#include "bitmap/FrameBitmap.h"
#include "filters/ClampRound.h"
#include "filters/HsvConversion.h"

// Posterizes the brightness (Luma) to levels steps while hue and saturation
// stay; levels below 2 leave the picture unchanged.
void Posterize(FrameBitmap& bitmap, int levels);

// s := min(s * saturationFactor, 1), v := min(v * valueFactor, 255), every
// channel back by ClampRound.
void AdjustHsv(FrameBitmap& bitmap, double valueFactor, double saturationFactor);

// AdjustHsv of count pixels in a row (blue, green, red bytes from p), eight
// at a time in vector lanes with the same float steps as the pixel form.
void AdjustHsvRow(std::uint8_t* p, int count, double valueFactor, double saturationFactor);

// v := min(v * valueFactor, 255) for count pixels of a row, hue and
// saturation kept, every channel back cut toward zero; eight at a time.
void ScaleValueTruncatedRow(std::uint8_t* p, int count, double valueFactor);

// Every pixel of a grey row (blue, green, red bytes from p, all equal) takes
// the hue and saturation of the pixel of colours at the grey value as its
// value, each channel by ClampRound; eight at a time in vector lanes.
void RecolourRow(const std::uint8_t* colours, std::uint8_t* p, int count);

// AdjustHsv of one pixel (blue, green, red bytes at p), for filters that
// fuse it with other per-pixel steps.
inline void AdjustHsvPixel(std::uint8_t* p, double valueFactor, double saturationFactor) {
  const Hsv hsv = RgbToHsv(p[2], p[1], p[0]);
  const auto s = static_cast<float>(std::min(hsv.s * saturationFactor, 1.0));
  const auto v = static_cast<float>(std::min(hsv.v * valueFactor, 255.0));
  const RgbFloat c = HsvToRgb(hsv.h, s, v);
  p[0] = static_cast<std::uint8_t>(ClampRound(c.b));
  p[1] = static_cast<std::uint8_t>(ClampRound(c.g));
  p[2] = static_cast<std::uint8_t>(ClampRound(c.r));
}
