#include "filters/FilmFilters.h"

#include <array>
#include <cmath>
#include <vector>

#include "bitmap/ParallelRows.h"
#include "filters/AddNoise.h"
#include "filters/BlendMode.h"
#include "filters/ClampRound.h"
#include "filters/CurveOperations.h"
#include "filters/FilterTables.h"
#include "filters/HsvOperations.h"
#include "filters/Luma.h"
#include "filters/RgbColor.h"
#include "filters/Sharpen.h"
#include "platform/Random.h"

namespace {

// LayerBlend(picture, plate of one colour, opacity, mode) as channel curves.
ChannelCurves PlateCurves(RgbColor plate, int opacity, BlendMode mode) {
  const BlendTable table = MakeLayerBlendTable(mode, opacity);
  ChannelCurves curves;
  for (int i = 0; i < 256; ++i) {
    curves.Red[i] = table[i * 256 + plate.R];
    curves.Green[i] = table[i * 256 + plate.G];
    curves.Blue[i] = table[i * 256 + plate.B];
  }
  return curves;
}

struct CrossProcessChoice {
  RgbColor tint;
  float red, green, blue;
};

CrossProcessChoice CrossProcessChoiceOf(int c) {
  switch (c) {
    case 0: return {{255, 0, 0}, 255.0f / 191.0f, 255.0f / 197.0f, 255.0f / 251.0f};
    case 2: return {{0, 0, 255}, 1.0f, 255.0f / 239.0f, 255.0f / 191.0f};
    default: return {{0, 128, 0}, 255.0f / 191.0f, 255.0f / 183.0f, 255.0f / 225.0f};
  }
}

// The brightness-dependent gamma of NostalgicLook: shadows below 80 and
// highlights from 200 up are lifted, the middle is left alone.
constexpr int kShadowThreshold = 80;
constexpr double kShadowSlope = 0.005;     // gamma 1.4 at black
constexpr int kHighlightThreshold = 200;
constexpr double kHighlightSlope = 0.004;  // gamma 1.22 at white

}  // namespace

void CrossProcessLook(FrameBitmap& bitmap, int c) {
  const CrossProcessChoice choice = CrossProcessChoiceOf(c);
  const Curve overlay = SelfBlendCurve(BlendMode::Overlay);
  const ChannelCurves gains{GainCurve(choice.red), GainCurve(choice.green), GainCurve(choice.blue)};
  // Tint, gains, self-overlay and the noise's contrast step are all curves.
  const ChannelCurves curves = Chain(Chain(Chain(TintCurves(choice.tint, 82), gains), overlay), ContrastCurve(0.1));
  AddNoiseAfterCurves(bitmap, curves, 1);
}

void CrossProcessFilter(FrameBitmap& bitmap) {
  ReseedRandom();
  CrossProcessLook(bitmap, Random(1000) % 6);
}

double NostalgicGamma(int v) {
  if (v < kShadowThreshold) return 1.0 + (kShadowThreshold - v) * kShadowSlope;
  if (v >= kHighlightThreshold) return 1.0 + (v - kHighlightThreshold) * kHighlightSlope;
  return 1.0;
}

void NostalgicLook(FrameBitmap& bitmap, bool skyBlue) {
  // gammaOf[v * 256 + c]: channel c under the gamma of brightness v.
  std::vector<std::uint8_t> gammaOf(256 * 256);
  ParallelRows(256, 16, [&](int begin, int end) {
    for (int v = begin; v < end; ++v) {
      const double exponent = 1.0 / NostalgicGamma(v);
      for (int c = 0; c < 256; ++c)
        gammaOf[v * 256 + c] = static_cast<std::uint8_t>(exponent == 1.0 ? c : ClampRound(255.0 * std::pow(c / 255.0, exponent)));
    }
  });
  const BlendTable mix = MakeLayerBlendTable(BlendMode::Overlay, 80);
  const Curve overlay = SelfBlendCurve(BlendMode::Overlay);
  const Curve afterMix = Chain(ContrastCurve(-0.4), overlay);
  const RgbColor tint = skyBlue ? RgbColor{135, 206, 235} : RgbColor{205, 133, 63};
  // The pixel work, then the grain, whose draws are the look's only ones.
  WorkThenGrain(bitmap, [&] {
    ParallelRows(bitmap.Height, [&](int begin, int end) {
      for (int y = begin; y < end; ++y) {
        std::uint8_t* p = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width; ++x, p += 3) {
          const int v = std::max(p[0], std::max(p[1], p[2]));
          const std::uint8_t* gamma = gammaOf.data() + v * 256;
          for (int c = 0; c < 3; ++c) p[c] = afterMix[mix[p[c] * 256 + gamma[p[c]]]];
        }
        AdjustHsvRow(bitmap.Row(y), bitmap.Width, 1.0, 0.4);
      }
    });
  }, Chain(Chain(overlay, TintCurves(tint, 75)), ContrastCurve(0.25)), 4);
}

void NostalgicFilter(FrameBitmap& bitmap) {
  ReseedRandom();
  NostalgicLook(bitmap, Random(100) % 2 == 0);
}

void RetroLook(FrameBitmap& bitmap, int c) {
  const ChannelCurves first = PlateCurves({7, 1, 66}, 100, BlendMode::Exclusion);
  ChannelCurves after = SameCurves(IdentityCurve());
  if (c >= 1) after = Chain(after, PlateCurves({222, 155, 130}, 75, BlendMode::SoftLight));
  if (c >= 2) after = Chain(after, PlateCurves({255, 182, 193}, 50, BlendMode::SoftLight));
  if (c == 3) after = Chain(after, PlateCurves({0, 0, 139}, 100, BlendMode::Exclusion));
  const BlendTable& softLight = *BlendTableFor(BlendMode::SoftLight);
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    std::vector<std::uint8_t> plated(bitmap.RowBytes());
    for (int y = begin; y < end; ++y) {
      std::uint8_t* p = bitmap.Row(y);
      std::uint8_t* q = plated.data();
      for (int x = 0; x < bitmap.Width; ++x) {
        q[3 * x] = first.Blue[p[3 * x]];
        q[3 * x + 1] = first.Green[p[3 * x + 1]];
        q[3 * x + 2] = first.Red[p[3 * x + 2]];
      }
      AdjustHsvRow(q, bitmap.Width, 1.0, 1.1);
      for (int x = 0; x < bitmap.Width; ++x) {
        std::uint8_t* o = p + 3 * x;
        const std::uint8_t* v = q + 3 * x;
        std::uint8_t out[3] = {after.Blue[v[0]], after.Green[v[1]], after.Red[v[2]]};
        if (c == 3) {
          // Base the plated picture, top the picture as it came in.
          for (int k = 0; k < 3; ++k) out[k] = softLight[out[k] * 256 + o[k]];
        }
        o[0] = out[0];
        o[1] = out[1];
        o[2] = out[2];
      }
    }
  });
}

void RetroFilter(FrameBitmap& bitmap) { RetroLook(bitmap, Random(1000) % 4); }

void BleachBypassFilter(FrameBitmap& bitmap) {
  const BlendTable& multiply = *BlendTableFor(BlendMode::Multiply);
  const Curve screen = SelfBlendCurve(BlendMode::Screen);
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      std::uint8_t* p = bitmap.Row(y);
      for (int x = 0; x < bitmap.Width; ++x, p += 3) {
        const int grey = Luma(p[2], p[1], p[0]);
        for (int c = 0; c < 3; ++c) p[c] = multiply[screen[p[c]] * 256 + grey];
      }
      AdjustHsvRow(bitmap.Row(y), bitmap.Width, 1.0, 0.8);
    }
  });
  Sharpen(bitmap, 6);
}
