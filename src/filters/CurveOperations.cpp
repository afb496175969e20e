#include "filters/CurveOperations.h"

#include <cmath>

#include "filters/ClampRound.h"

Curve IdentityCurve() {
  Curve c;
  for (int i = 0; i < 256; ++i) c[i] = static_cast<std::uint8_t>(i);
  return c;
}

Curve ContrastCurve(double amount) {
  Curve c;
  for (int i = 0; i < 256; ++i) c[i] = static_cast<std::uint8_t>(ClampRound((i - 127.5) * amount + i));
  return c;
}

Curve GammaCurve(double gamma) {
  Curve c;
  const double exponent = 1.0 / gamma;
  for (int i = 0; i < 256; ++i) c[i] = static_cast<std::uint8_t>(ClampRound(255.0 * std::pow(i / 255.0, exponent)));
  return c;
}

Curve InvertCurve() {
  Curve c;
  for (int i = 0; i < 256; ++i) c[i] = static_cast<std::uint8_t>(255 - i);
  return c;
}

Curve PowerCurve(double exponent) {
  Curve c;
  const double top = std::pow(255.0, exponent);
  for (int i = 0; i < 256; ++i) c[i] = static_cast<std::uint8_t>(ClampRound(std::pow(i, exponent) * 255.0 / top));
  return c;
}

namespace {
Curve TintCurve(int colourValue, double k) {
  Curve c;
  const double factor = (1.0 - k) * colourValue / 255.0 + k;
  for (int i = 0; i < 256; ++i) c[i] = static_cast<std::uint8_t>(ClampRound(factor * i));
  return c;
}
}  // namespace

Curve GainCurve(float gain) {
  Curve c;
  for (int i = 0; i < 256; ++i) c[i] = static_cast<std::uint8_t>(ClampRound(i * static_cast<double>(gain)));
  return c;
}

ChannelCurves TintCurves(RgbColor colour, int keepPercentage) {
  const double k = keepPercentage / 100.0;
  return ChannelCurves{TintCurve(colour.R, k), TintCurve(colour.G, k), TintCurve(colour.B, k)};
}

ChannelCurves SameCurves(const Curve& curve) { return ChannelCurves{curve, curve, curve}; }

Curve Chain(const Curve& first, const Curve& second) {
  Curve c;
  for (int i = 0; i < 256; ++i) c[i] = second[first[i]];
  return c;
}

ChannelCurves Chain(const ChannelCurves& first, const ChannelCurves& second) {
  return ChannelCurves{Chain(first.Red, second.Red), Chain(first.Green, second.Green),
                       Chain(first.Blue, second.Blue)};
}

ChannelCurves Chain(const ChannelCurves& first, const Curve& second) { return Chain(first, SameCurves(second)); }

ChannelCurves Chain(const Curve& first, const ChannelCurves& second) { return Chain(SameCurves(first), second); }

void MapCurve(FrameBitmap& bitmap, const Curve& curve) {
  for (std::uint8_t& v : bitmap.Pixels) v = curve[v];
}

void MapCurves(FrameBitmap& bitmap, const ChannelCurves& curves) {
  std::uint8_t* p = bitmap.Pixels.data();
  const std::size_t count = static_cast<std::size_t>(bitmap.Width) * bitmap.Height;
  for (std::size_t i = 0; i < count; ++i, p += 3) {
    p[0] = curves.Blue[p[0]];
    p[1] = curves.Green[p[1]];
    p[2] = curves.Red[p[2]];
  }
}

void AdjustContrast(FrameBitmap& bitmap, double amount) { MapCurve(bitmap, ContrastCurve(amount)); }

void ApplyGamma(FrameBitmap& bitmap, double gamma) { MapCurve(bitmap, GammaCurve(gamma)); }

void Invert(FrameBitmap& bitmap) { MapCurve(bitmap, InvertCurve()); }

void Tint(FrameBitmap& bitmap, RgbColor colour, int keepPercentage) {
  if (keepPercentage < 0 || keepPercentage > 100) return;
  MapCurves(bitmap, TintCurves(colour, keepPercentage));
}
