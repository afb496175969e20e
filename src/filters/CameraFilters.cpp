#include "filters/FloatExactness.h"
// (first: the colour conversions must round every float step as defined)
#include "filters/CameraFilters.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "bitmap/ParallelRows.h"
#include "engine/Resample.h"
#include "filters/AddNoise.h"
#include "filters/BlendMode.h"
#include "filters/BoostClarity.h"
#include "filters/ClampRound.h"
#include "filters/CurveOperations.h"
#include "filters/FilterTables.h"
#include "filters/FramedResult.h"
#include "filters/GaussianBlur.h"
#include "filters/HsvConversion.h"
#include "filters/HsvOperations.h"
#include "filters/Luma.h"
#include "filters/Sharpen.h"
#include "platform/Random.h"
#include "transitions/TransitionKind.h"

namespace {

using Colour = std::array<std::uint8_t, 3>;  // blue, green, red

// A hue drawn in thousandths, 0 .. 1.
double DrawHue() { return Random(1001) / 1000.0; }

void DrawSaturationAndValue(PopTones& tones) {
  tones.Saturation = static_cast<float>(0.7 + Random(21) / 100.0);
  tones.Value = static_cast<float>(185 + Random(7));
}

// Every pixel of a row recoloured by the colour of its Luma.
void ColourByLuma(std::uint8_t* p, int count, const std::array<Colour, 256>& colours) {
  for (int x = 0; x < count; ++x, p += 3) std::memcpy(p, colours[Luma(p[2], p[1], p[0])].data(), 3);
}

constexpr int kIncrease = static_cast<int>(TransitionKind::Increase);
constexpr int kPolaroidFrame = 2;

}  // namespace

std::array<Colour, 256> PopColours(const PopTones& tones) {
  const auto hsv = [&](float h, float v) {
    const RgbFloat c = HsvToRgb(h, tones.Saturation, v);
    return Colour{TruncatedByte(c.b), TruncatedByte(c.g), TruncatedByte(c.r)};
  };
  const Colour black{0, 0, 0}, white{255, 255, 255};
  const float v = tones.Value;
  std::array<Colour, 256> colours;
  for (int y = 0; y < 256; ++y) {
    switch (tones.Rule) {
      case 0: colours[y] = y < 64 ? black : y < 128 ? hsv(tones.H1, 85.0f) : y < 192 ? hsv(tones.H1, 170.0f) : white; break;
      case 1:
        colours[y] = y < 65 ? black : y <= 104 ? hsv(tones.H1, 127.0f) : y <= 140 ? hsv(tones.H2, v) : hsv(tones.H3, v);
        break;
      case 2: colours[y] = y < 128 ? black : hsv(tones.H1, v); break;
      default: colours[y] = y < 128 ? hsv(tones.H1, v) : hsv(tones.H3, v); break;
    }
  }
  return colours;
}

PopTones DrawPopSingle() {
  PopTones tones;
  tones.H1 = static_cast<float>(DrawHue());
  DrawSaturationAndValue(tones);
  tones.Rule = Random(2) == 0 ? 0 : 2;
  return tones;
}

void PopSingleLook(FrameBitmap& bitmap, const PopTones& tones) {
  Sharpen(bitmap, 3);
  const std::array<Colour, 256> colours = PopColours(tones);
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) ColourByLuma(bitmap.Row(y), bitmap.Width, colours);
  });
}

std::array<PopTones, 9> DrawPopGrid() {
  PopTones shared;
  DrawSaturationAndValue(shared);
  shared.Rule = Random(4);
  const bool sequence = Random(2) == 1 && (shared.Rule == 0 || shared.Rule == 2);
  // Nine hues stepping evenly from one drawn hue to another, wrapped into 0..1.
  float hues[9] = {};
  if (sequence) {
    hues[0] = static_cast<float>(DrawHue());
    const auto last = static_cast<float>(DrawHue());
    const float step = (last - hues[0]) / 8.0f;
    for (int k = 0; k < 8; ++k) {
      float q = hues[k] + step;
      if (q > 1.0f) q = q - 1.0f;
      else if (q < 0.0f) q = q + 1.0f;
      hues[k + 1] = q;
    }
  }
  std::array<PopTones, 9> tiles;
  for (int k = 0; k < 9; ++k) {
    const double h1 = sequence ? static_cast<double>(hues[k]) : DrawHue();
    const double h2 = DrawHue();
    double h3 = DrawHue();
    while (std::abs(h1 - h3) < 0.25) h3 = DrawHue();
    tiles[k] = shared;
    tiles[k].H1 = static_cast<float>(h1);
    tiles[k].H2 = static_cast<float>(h2);
    tiles[k].H3 = static_cast<float>(h3);
  }
  return tiles;
}

PopGridGeometry PopGridGeometryFor(int monitorHeight) {
  PopGridGeometry g;
  g.Margin = static_cast<int>(monitorHeight * 0.03);
  g.Tile = (monitorHeight - 2 * g.Margin - 8) / 3;
  return g;
}

void PopGridLook(FrameBitmap& bitmap, const FilterContext& context, const std::array<PopTones, 9>& tiles) {
  const PopGridGeometry g = PopGridGeometryFor(context.ScreenHeight);
  const int n = g.Tile;
  if (bitmap.Empty() || n < 1) return;
  // The tile: the picture scaled so that its shorter upright side is N,
  // its centre square, sharpened.
  const int uw = context.UprightWidth > 0 ? context.UprightWidth : bitmap.Width;
  const int uh = context.UprightHeight > 0 ? context.UprightHeight : bitmap.Height;
  int sw, sh;
  if (uw < uh) {
    sw = n;
    sh = static_cast<int>(uh * (static_cast<double>(n) / uw));
  } else {
    sh = n;
    sw = static_cast<int>(uw * (static_cast<double>(n) / uh));
  }
  // A product that lands a hair below N must not leave the square short.
  sw = std::max(sw, n);
  sh = std::max(sh, n);
  const FrameBitmap scaled = ResampleArea(bitmap, sw, sh);
  const int left = sw > sh ? (sw - n) / 2 : 0;
  const int top = sw > sh ? 0 : (sh - n) / 2;
  FrameBitmap tile(n, n);
  for (int y = 0; y < n; ++y) std::memcpy(tile.Row(y), scaled.At(left, top + y), tile.RowBytes());
  Sharpen(tile, 10);
  // Every tile is coloured by the Luma of the same sharpened square.
  std::vector<std::uint8_t> lumas(static_cast<std::size_t>(n) * n);
  for (int y = 0; y < n; ++y) {
    const std::uint8_t* p = tile.Row(y);
    for (int x = 0; x < n; ++x, p += 3) lumas[static_cast<std::size_t>(y) * n + x] = static_cast<std::uint8_t>(Luma(p[2], p[1], p[0]));
  }
  FrameBitmap canvas(3 * n + 2 * g.Margin + 8, context.ScreenHeight);
  std::memset(canvas.Pixels.data(), 255, canvas.Pixels.size());
  for (int k = 0; k < 9; ++k) {
    const std::array<Colour, 256> colours = PopColours(tiles[k]);
    const int x0 = g.Margin + (k % 3) * (n + 4), y0 = g.Margin + (k / 3) * (n + 4);
    for (int y = 0; y < n && y0 + y < canvas.Height; ++y) {
      std::uint8_t* out = canvas.At(x0, y0 + y);
      const std::uint8_t* l = lumas.data() + static_cast<std::size_t>(y) * n;
      for (int x = 0; x < n; ++x, out += 3) std::memcpy(out, colours[l[x]].data(), 3);
    }
  }
  bitmap = std::move(canvas);
}

void PopFilter(FrameBitmap& bitmap, const FilterContext& context) {
  const bool grid = context.SlideshowRunning && context.ActiveTransition != kIncrease &&
                    PopGridGeometryFor(context.ScreenHeight).Tile >= 1 && !bitmap.Empty();
  if (grid) {
    PopGridLook(bitmap, context, DrawPopGrid());
  } else {
    PopSingleLook(bitmap, DrawPopSingle());
  }
}

ToyCameraChoice ToyCameraChoiceOf(int t) {
  switch (t) {
    case 0: return {{255, 0, 0}, 84, 255.0f / 191.0f, 255.0f / 197.0f, 255.0f / 251.0f};
    case 2: return {{0, 0, 255}, 84, 1.0f, 255.0f / 239.0f, 255.0f / 191.0f};
    case 3:
    case 6: return {{0, 255, 255}, 90, 255.0f / 209.0f, 255.0f / 193.0f, 255.0f / 192.0f};
    case 4: return {{255, 255, 0}, 84, 255.0f / 183.0f, 255.0f / 183.0f, 255.0f / 225.0f};
    default: return {{0, 128, 0}, 84, 255.0f / 191.0f, 255.0f / 183.0f, 255.0f / 225.0f};
  }
}

int ToyCameraRadius(int width, int height, const FilterContext& context) {
  if (context.ActiveTransition == kIncrease && context.IncFrame == kPolaroidFrame && context.SlideshowRunning)
    return std::min(width, height) * 65 / 100;
  return std::max(width, height) * 58 / 100;
}

namespace {

// The vignette weight of every pixel of row y: 1 - (d / radius)^4 for a
// pixel at distance d <= radius from the centre, -1 beyond the radius.
void VignetteWeights(int width, int height, int radius, int y, std::vector<double>& weights) {
  const double dy = height / 2.0 - y;
  for (int x = 0; x < width; ++x) {
    const double dx = width / 2.0 - x;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (radius > 0 && d <= radius) {
      const double t = d / radius;
      weights[x] = 1.0 - (t * t) * (t * t);
    } else {
      weights[x] = -1.0;
    }
  }
}

}  // namespace

void ToyCameraLook(FrameBitmap& bitmap, const FilterContext& context, RgbColor vignette, int strength, int t) {
  const ToyCameraChoice choice = ToyCameraChoiceOf(t);
  const int w = bitmap.Width, h = bitmap.Height;
  const int radius = ToyCameraRadius(w, h, context);
  const ChannelCurves dark = TintCurves(vignette, strength);
  const std::uint8_t* darkOf[3] = {dark.Blue.data(), dark.Green.data(), dark.Red.data()};
  const Curve overlay = SelfBlendCurve(BlendMode::Overlay);
  const ChannelCurves gains{GainCurve(choice.RedGain), GainCurve(choice.GreenGain), GainCurve(choice.BlueGain)};
  // The pixel work, then the grain, whose draws are the look's only ones.
  WorkThenGrain(bitmap, [&] {
    Tint(bitmap, choice.Tint, choice.KeepPercentage);
    // Brightness and saturation darkened towards the radius, the hue kept;
    // each darkened row is also kept sharp for the blur's blend.
    FrameBitmap sharp(w, h);
    ParallelRows(h, [&](int begin, int end) {
      std::vector<double> weights(static_cast<std::size_t>(w));
      for (int y = begin; y < end; ++y) {
        VignetteWeights(w, h, radius, y, weights);
        std::uint8_t* p = bitmap.Row(y);
        for (int x = 0; x < w; ++x, p += 3) {
          const double k = weights[x];
          int n[3];
          for (int c = 0; c < 3; ++c)
            n[c] = k < 0.0 ? darkOf[c][p[c]] : ClampRound((1.0 - k) * darkOf[c][p[c]] + k * p[c]);
          const Hsv darkened = RgbToHsv(static_cast<float>(n[2]), static_cast<float>(n[1]), static_cast<float>(n[0]));
          const float hue = RgbToHsv(p[2], p[1], p[0]).h;
          const RgbFloat rgb = HsvToRgb(hue, darkened.s, darkened.v);
          p[0] = TruncatedByte(rgb.b);
          p[1] = TruncatedByte(rgb.g);
          p[2] = TruncatedByte(rgb.r);
        }
        if (w > 0) std::memcpy(sharp.Row(y), bitmap.Row(y), bitmap.RowBytes());
      }
    });
    // Sharp at the centre, blurred towards the radius, sharp again beyond it.
    GaussianBlur(bitmap, 1);
    ParallelRows(h, [&](int begin, int end) {
      std::vector<double> weights(static_cast<std::size_t>(w));
      for (int y = begin; y < end; ++y) {
        VignetteWeights(w, h, radius, y, weights);
        std::uint8_t* p = bitmap.Row(y);
        const std::uint8_t* e = sharp.Row(y);
        for (int x = 0; x < w; ++x, p += 3, e += 3) {
          const double k = weights[x];
          for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>(k < 0.0 ? e[c] : ClampRound((1.0 - k) * p[c] + k * e[c]));
        }
      }
    });
  }, Chain(gains, overlay), 1);
  FramedResult(bitmap, context);
}

void ToyCameraFilter(FrameBitmap& bitmap, const FilterContext& context, RgbColor vignette, int strength) {
  if (strength < 0 || strength > 100) return;
  ReseedRandom();
  ToyCameraLook(bitmap, context, vignette, strength, Random(1000) % 7);
}

void TelevisionFilter(FrameBitmap& bitmap, bool ghost) {
  // Every row but the first takes its ghost from the row above as it came
  // in, read from a copy since the rows above change meanwhile; then every
  // third row gets the scan-line contrast.
  FrameBitmap source;
  if (ghost) source.Assign(bitmap);
  const Curve scanLine = ContrastCurve(1.5);
  const std::size_t n = bitmap.RowBytes();
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      std::uint8_t* p = bitmap.Row(y);
      if (ghost && y >= 1) {
        const std::uint8_t* in = source.Row(y);
        const std::uint8_t* above = source.Row(y - 1);
        for (std::size_t i = 3; i < n; ++i) p[i] = static_cast<std::uint8_t>(RoundHalfEvenDiv(in[i] + above[i - 3], 2));
      }
      if (y % 3 == 0)
        for (std::size_t i = 0; i < n; ++i) p[i] = scanLine[p[i]];
    }
  });
}

PsychedelicDraw DrawPsychedelic() {
  PsychedelicDraw draw;
  for (RgbColor* c : {&draw.C1, &draw.C2, &draw.C3}) {
    c->R = static_cast<std::uint8_t>(Random(128) + 16);
    c->G = static_cast<std::uint8_t>(Random(128) + 16);
    c->B = static_cast<std::uint8_t>(Random(128) + 16);
  }
  draw.Vertical = Random(2) == 0;
  return draw;
}

int GradientValue(int a, int b, int n, int i) { return ClampRound(static_cast<double>(b - a) / n * i + a); }

void PsychedelicLook(FrameBitmap& bitmap, const PsychedelicDraw& draw) {
  // The gradient colour of every line (rows when vertical, else columns).
  const int lines = draw.Vertical ? bitmap.Height : bitmap.Width;
  const int firstHalf = lines / 2;
  std::vector<Colour> gradient(static_cast<std::size_t>(lines));
  for (int i = 0; i < lines; ++i) {
    const bool first = i < firstHalf;
    const RgbColor& from = first ? draw.C1 : draw.C2;
    const RgbColor& to = first ? draw.C2 : draw.C3;
    const int n = first ? firstHalf : lines - firstHalf;
    const int j = first ? i : i - firstHalf;
    gradient[i] = Colour{static_cast<std::uint8_t>(GradientValue(from.B, to.B, n, j)),
                         static_cast<std::uint8_t>(GradientValue(from.G, to.G, n, j)),
                         static_cast<std::uint8_t>(GradientValue(from.R, to.R, n, j))};
  }
  Curve selfOverlay;
  for (int i = 0; i < 256; ++i) selfOverlay[i] = static_cast<std::uint8_t>(OverlayFast(i, i));
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      std::uint8_t* p = bitmap.Row(y);
      for (int x = 0; x < bitmap.Width; ++x, p += 3) {
        const Colour& g = gradient[draw.Vertical ? y : x];
        for (int c = 0; c < 3; ++c) p[c] = static_cast<std::uint8_t>(std::abs(selfOverlay[p[c]] - g[c]));
      }
      ScaleValueTruncatedRow(bitmap.Row(y), bitmap.Width, 1.2);
    }
  });
}

void PsychedelicFilter(FrameBitmap& bitmap) {
  BoostClarity(bitmap);
  SoftFocus(bitmap, 8, 0.2);
  PsychedelicLook(bitmap, DrawPsychedelic());
}

void FakeHdrFilter(FrameBitmap& bitmap) {
  FrameBitmap mask = bitmap;
  ToGrey(mask);
  Invert(mask);
  GaussianBlurGrey(mask, 8);
  GaussianBlurGrey(mask, 8);
  // The four overlays depend only on the pixel's value p and the mask's m.
  const BlendTable& overlay = *BlendTableFor(BlendMode::Overlay);
  std::vector<std::uint8_t> mapped(256 * 256);
  for (int p = 0; p < 256; ++p)
    for (int m = 0; m < 256; ++m) {
      int q = overlay[p * 256 + m];
      q = overlay[q * 256 + m];
      q = overlay[q * 256 + m];
      mapped[p * 256 + m] = overlay[p * 256 + q];
    }
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      std::uint8_t* p = bitmap.Row(y);
      const std::uint8_t* m = mask.Row(y);
      for (std::size_t i = 0; i < bitmap.RowBytes(); ++i) p[i] = mapped[p[i] * 256 + m[i]];
      AdjustHsvRow(bitmap.Row(y), bitmap.Width, 1.0, 1.1);
    }
  });
  Sharpen(bitmap, 6);
}
