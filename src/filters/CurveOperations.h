#pragma once
// Operations that map every channel value through a 256-entry table built
// once per call, and the builders of those tables, so that a filter can
// chain several of them into one table without changing a value.
#include <array>
#include <cstdint>

#include "bitmap/FrameBitmap.h"
#include "filters/RgbColor.h"

using Curve = std::array<std::uint8_t, 256>;

struct ChannelCurves {
  Curve Red;
  Curve Green;
  Curve Blue;
};

Curve IdentityCurve();
// ClampRound((i - 127.5) * amount + i).
Curve ContrastCurve(double amount);
// ClampRound(255 * (i / 255)^(1 / gamma)).
Curve GammaCurve(double gamma);
// 255 - i.
Curve InvertCurve();
// ClampRound(255 * (i / 255)^exponent) written as i^exponent * 255 / 255^exponent.
Curve PowerCurve(double exponent);
// A channel gain held as a 32-bit float, applied in double: ClampRound(i * gain).
Curve GainCurve(float gain);
// Per channel: ClampRound(((1 - k) * colour / 255 + k) * i), k = keep / 100.
ChannelCurves TintCurves(RgbColor colour, int keepPercentage);
// The same curve for the three channels.
ChannelCurves SameCurves(const Curve& curve);

// first, then second: result[i] = second[first[i]].
Curve Chain(const Curve& first, const Curve& second);
ChannelCurves Chain(const ChannelCurves& first, const ChannelCurves& second);
ChannelCurves Chain(const ChannelCurves& first, const Curve& second);
ChannelCurves Chain(const Curve& first, const ChannelCurves& second);

void MapCurve(FrameBitmap& bitmap, const Curve& curve);
void MapCurves(FrameBitmap& bitmap, const ChannelCurves& curves);

void AdjustContrast(FrameBitmap& bitmap, double amount);
void ApplyGamma(FrameBitmap& bitmap, double gamma);
void Invert(FrameBitmap& bitmap);
// Only for a keep percentage in 0..100; otherwise nothing happens.
void Tint(FrameBitmap& bitmap, RgbColor colour, int keepPercentage);
