#include "filters/PainterlyFilters.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "bitmap/ParallelRows.h"
#include "filters/BlendMode.h"
#include "filters/ClampRound.h"
#include "filters/Convolutions.h"
#include "filters/CurveOperations.h"
#include "filters/FilterTables.h"
#include "filters/FramedResult.h"
#include "filters/GaussianBlur.h"
#include "filters/HsvConversion.h"
#include "filters/HsvOperations.h"
#include "filters/QuadrantSmooth.h"
#include "filters/Sharpen.h"

namespace {

// The colour areas multiplied by their own sketch, then value and
// saturation raised: the common end of filters 5 and 7.
void DrawLinesOverColours(FrameBitmap& colours, int sketchStrength, double valueFactor) {
  FrameBitmap lines;
  SketchCombine(colours, lines, sketchStrength);
  LayerBlend(colours, lines, 100, BlendMode::Multiply, colours);
  AdjustHsv(colours, valueFactor, 1.2);
}

// The rounded average of a picture and a soft-focused copy of it.
void MixWithSoftFocus(FrameBitmap& bitmap, int sigma, double contrast, bool grey) {
  FrameBitmap soft = bitmap;
  if (grey) {
    SoftFocusGrey(soft, sigma, contrast);
  } else {
    SoftFocus(soft, sigma, contrast);
  }
  LayerBlend(soft, bitmap, 50, BlendMode::Normal, bitmap);
}

}  // namespace

void PaintFilter(FrameBitmap& bitmap) {
  QuadrantSmooth(bitmap, 2);
  DrawLinesOverColours(bitmap, 100, 1.3);
}

void OilPaintFilter(FrameBitmap& bitmap, int radius) { OilPaintSmooth(bitmap, radius); }

void IllustrationFilter(FrameBitmap& bitmap) {
  Posterize(bitmap, 8);
  DrawLinesOverColours(bitmap, 55, 1.1);
}

void ComicFilter(FrameBitmap& bitmap, const FilterContext& context) {
  FramedResult(bitmap, context);
  FrameBitmap ink = bitmap;
  LineArt(ink);
  Posterize(bitmap, 8);
  AdjustHsv(bitmap, 1.0, 1.3);
  LayerBlend(bitmap, ink, 100, BlendMode::Multiply, bitmap);
}

void PaintedPosterFilter(FrameBitmap& bitmap) {
  // Tone compression: a channel c of a pixel whose largest channel is v
  // becomes SelfSoftLight of c under the gamma ToneRamp[v].
  const std::array<double, 256>& ramp = ToneRamp();
  const std::array<std::uint8_t, 256>& selfSoftLight = SelfSoftLight();
  std::vector<std::uint8_t> compressed(256 * 256);
  ParallelRows(256, 16, [&](int begin, int end) {
    for (int v = begin; v < end; ++v) {
      const double exponent = 1.0 / ramp[v];
      for (int c = 0; c <= v; ++c)
        compressed[v * 256 + c] = selfSoftLight[ClampRound(255.0 * std::pow(c / 255.0, exponent))];
    }
  });
  // The compressed colours go to a layer of their own, their largest
  // channel back to the picture as its grey brightness.
  FrameBitmap colour(bitmap.Width, bitmap.Height);
  FrameBitmap& brightness = bitmap;
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      std::uint8_t* g = brightness.Row(y);
      std::uint8_t* c = colour.Row(y);
      for (int x = 0; x < bitmap.Width; ++x, g += 3, c += 3) {
        const std::uint8_t* curve = compressed.data() + std::max(g[0], std::max(g[1], g[2])) * 256;
        c[0] = curve[g[0]];
        c[1] = curve[g[1]];
        c[2] = curve[g[2]];
        g[0] = g[1] = g[2] = std::max(c[0], std::max(c[1], c[2]));
      }
    }
  });
  // The brightness layer stays grey through all of its steps.
  MixWithSoftFocus(brightness, 2, 0.25, true);
  Sharpen(brightness, 4);
  HardSharpen(brightness, 5);
  SoftFocusGrey(brightness, 3, 0.0);
  SoftFocusGrey(brightness, 3, 0.0);
  MixWithSoftFocus(brightness, 2, 0.0, true);
  // The colours of the mixed colour layer at the smoothed brightness.
  FrameBitmap hues = colour;
  MixWithSoftFocus(hues, 2, 0.0, false);
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) RecolourRow(hues.Row(y), brightness.Row(y), bitmap.Width);
  });
  // Two soft-light blends with the contrast-reduced colour layer, first as
  // the base and then as the top.
  const Curve lessContrast = ContrastCurve(-0.6);
  const BlendTable& softLight = *BlendTableFor(BlendMode::SoftLight);
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      std::uint8_t* g = brightness.Row(y);
      const std::uint8_t* c = colour.Row(y);
      for (std::size_t i = 0; i < bitmap.RowBytes(); ++i) {
        const int base = lessContrast[c[i]];
        g[i] = softLight[softLight[base * 256 + g[i]] * 256 + base];
      }
      AdjustHsvRow(brightness.Row(y), bitmap.Width, 1.0, 0.9);
    }
  });
  Sharpen(brightness, 6);
}
