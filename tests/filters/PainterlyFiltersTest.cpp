// The painterly filters: worked values and the step lists written out
// plainly from the reference operations.
#include <gtest/gtest.h>

#include "Reference.h"
#include "filters/ApplyFilter.h"
#include "filters/FilterTables.h"
#include "filters/PainterlyFilters.h"
#include "transitions/TransitionKind.h"

namespace {

using ref::Ch;

FilterContext IncreaseRunning() {
  FilterContext c;
  c.SlideshowRunning = true;
  c.ActiveTransition = static_cast<int>(TransitionKind::Increase);
  return c;
}

FrameBitmap RefLinesOverColours(const FrameBitmap& colours, int strength, double valueFactor) {
  FrameBitmap lines = colours;
  ref::SketchCombine(lines, strength);
  FrameBitmap out = ref::LayerBlend(colours, lines, 100, ref::Multiply);
  ref::AdjustHsv(out, valueFactor, 1.2);
  return out;
}

FrameBitmap RefPaint(const FrameBitmap& in) { return RefLinesOverColours(ref::QuadrantSmooth(in, 2, false), 100, 1.3); }

FrameBitmap RefIllustration(const FrameBitmap& in) {
  FrameBitmap a = in;
  ref::Posterize(a, 8);
  return RefLinesOverColours(a, 55, 1.1);
}

FrameBitmap RefFramed(const FrameBitmap& in, int m) {
  FrameBitmap out = ref::Uniform(in.Width + 2 * m, in.Height + 2 * m, 255, 255, 255);
  for (int y = 0; y < in.Height; ++y)
    for (int x = 0; x < in.Width; ++x)
      for (int c = 0; c < 3; ++c) Ch(out, x + m, y + m, c) = static_cast<std::uint8_t>(Ch(in, x, y, c));
  return out;
}

FrameBitmap RefComic(const FrameBitmap& in, int margin) {
  FrameBitmap p = RefFramed(in, margin);
  FrameBitmap r = p;
  ref::LineArt(r);
  ref::Posterize(p, 8);
  ref::AdjustHsv(p, 1.0, 1.3);
  return ref::LayerBlend(p, r, 100, ref::Multiply);
}

FrameBitmap RefPaintedPoster(const FrameBitmap& in) {
  FrameBitmap g = in, c = in;
  for (int y = 0; y < in.Height; ++y)
    for (int x = 0; x < in.Width; ++x) {
      const ref::HsvF hsv = ref::RgbToHsv(Ch(in, x, y, 2), Ch(in, x, y, 1), Ch(in, x, y, 0));
      const double gamma = (255 - static_cast<int>(hsv.v)) * ((1.6 - 0.4) / 255) + 0.4;
      int u = 0;
      for (int k = 0; k < 3; ++k) {
        const int compressed = ref::Round(255.0 * std::pow(Ch(in, x, y, k) / 255.0, 1.0 / gamma));
        const int soft = ref::Blend(compressed, compressed, ref::SoftLight);
        Ch(c, x, y, k) = static_cast<std::uint8_t>(soft);
        u = std::max(u, soft);
      }
      for (int k = 0; k < 3; ++k) Ch(g, x, y, k) = static_cast<std::uint8_t>(u);
    }
  FrameBitmap d = g;
  ref::SoftFocus(d, 2, 0.25);
  g = ref::LayerBlend(d, g, 50, ref::Normal);
  ref::Sharpen(g, 4);
  ref::HardSharpen(g, 5);
  ref::SoftFocus(g, 3, 0);
  ref::SoftFocus(g, 3, 0);
  d = g;
  ref::SoftFocus(d, 2, 0);
  g = ref::LayerBlend(d, g, 50, ref::Normal);
  FrameBitmap t = c;
  ref::SoftFocus(t, 2, 0);
  t = ref::LayerBlend(t, c, 50, ref::Normal);
  for (int y = 0; y < in.Height; ++y)
    for (int x = 0; x < in.Width; ++x) {
      const ref::HsvF hsv = ref::RgbToHsv(Ch(t, x, y, 2), Ch(t, x, y, 1), Ch(t, x, y, 0));
      float r, gg, b;
      ref::HsvToRgb(hsv.h, hsv.s, static_cast<float>(Ch(g, x, y, 0)), r, gg, b);
      Ch(g, x, y, 2) = static_cast<std::uint8_t>(ref::Round(r));
      Ch(g, x, y, 1) = static_cast<std::uint8_t>(ref::Round(gg));
      Ch(g, x, y, 0) = static_cast<std::uint8_t>(ref::Round(b));
    }
  ref::AdjustContrast(c, -0.6);
  g = ref::LayerBlend(c, g, 100, ref::SoftLight);
  g = ref::LayerBlend(g, c, 100, ref::SoftLight);
  ref::AdjustHsv(g, 1.0, 0.9);
  ref::Sharpen(g, 6);
  return g;
}

TEST(PainterlyFilters, MatchThePlainStepsThroughTheCatalogue) {
  BuildFilterTables();
  for (const auto& [w, h, seed] : {std::tuple{41, 29, 1u}, std::tuple{17, 23, 2u}}) {
    const FrameBitmap picture = ref::PhotoLikePicture(w, h, seed);
    FrameBitmap got = picture;
    ApplyFilter(5, got, {});
    EXPECT_EQ(got, RefPaint(picture)) << "paint " << w;
    got = picture;
    ApplyFilter(6, got, {});
    EXPECT_EQ(got, ref::QuadrantSmooth(picture, 3, true)) << "oil " << w;
    got = picture;
    ApplyFilter(7, got, {});
    EXPECT_EQ(got, RefIllustration(picture)) << "illustration " << w;
    got = picture;
    ApplyFilter(18, got, {});
    EXPECT_EQ(got, RefPaintedPoster(picture)) << "poster " << w;
    for (int margin : {0, 5}) {
      FilterContext context;
      context.FrameMargin = margin;
      got = picture;
      ApplyFilter(8, got, context);
      EXPECT_EQ(got, RefComic(picture, margin)) << "comic " << w << " margin " << margin;
    }
    got = picture;
    FilterContext increase = IncreaseRunning();
    increase.FrameMargin = 5;
    ApplyFilter(8, got, increase);
    EXPECT_EQ(got, RefComic(picture, 0)) << "comic during Increase " << w;
  }
  // The artwork's radius 2.
  const FrameBitmap art = ref::PhotoLikePicture(20, 20, 3);
  FrameBitmap got = art;
  OilPaintFilter(got, 2);
  EXPECT_EQ(got, ref::QuadrantSmooth(art, 2, true));
}

TEST(PainterlyFilters, UniformPictures) {
  BuildFilterTables();
  // Oil paint keeps a uniform picture; paint keeps only value x 1.3 and saturation x 1.2.
  const FrameBitmap flat = ref::Uniform(12, 9, 90, 140, 30);
  FrameBitmap oil = flat, paint = flat, expected = flat;
  ApplyFilter(6, oil, {});
  EXPECT_EQ(oil, flat);
  ApplyFilter(5, paint, {});
  ref::AdjustHsv(expected, 1.3, 1.2);
  EXPECT_EQ(paint, expected);
  // The painted poster lifts black to 9, dims white to 224 and keeps mid grey.
  const struct { int in, out; } poster[] = {{0, 9}, {255, 224}, {128, 128}};
  for (const auto& c : poster) {
    FrameBitmap p = ref::Uniform(10, 10, c.in, c.in, c.in);
    ApplyFilter(18, p, {});
    EXPECT_EQ(p, ref::Uniform(10, 10, c.out, c.out, c.out)) << c.in;
  }
  // Comic without a frame: grey 40 posterizes to 36; 23 and below is all ink.
  const struct { int in, out; } comic[] = {{40, 36}, {32, 36}, {24, 0}, {23, 0}, {0, 0}, {255, 255}};
  for (const auto& c : comic) {
    FrameBitmap p = ref::Uniform(9, 7, c.in, c.in, c.in);
    ApplyFilter(8, p, IncreaseRunning());
    EXPECT_EQ(p, ref::Uniform(9, 7, c.out, c.out, c.out)) << c.in;
  }
}

TEST(Comic, FrameOfTheMarginAndNoneDuringIncrease) {
  const FrameBitmap picture = ref::PhotoLikePicture(120, 90, 4);
  FilterContext context;
  context.FrameMargin = 27;
  FrameBitmap framed = picture;
  ApplyFilter(8, framed, context);
  ASSERT_EQ(framed.Width, 174);
  ASSERT_EQ(framed.Height, 144);
  // The frame stays white (white dodged by any blur is white); the outline
  // is drawn inside the picture, along its edge.
  int outlined = 0;
  for (int y = 0; y < 144; ++y)
    for (int x = 0; x < 174; ++x) {
      if (x < 27 || y < 27 || x >= 147 || y >= 117) {
        for (int c = 0; c < 3; ++c) ASSERT_EQ(Ch(framed, x, y, c), 255) << x << "," << y;
      } else if (x == 27 && Ch(framed, x, y, 1) == 0) {
        ++outlined;
      }
    }
  EXPECT_GT(outlined, 45);  // the left edge is inked along most of its 90 rows
  context = IncreaseRunning();
  context.FrameMargin = 27;
  FrameBitmap plain = picture;
  ApplyFilter(8, plain, context);
  EXPECT_EQ(plain.Width, 120);
  EXPECT_EQ(plain.Height, 90);
}

TEST(Illustration, LinesOverWhiteNeverDarkerThan115) {
  FrameBitmap p = ref::Uniform(15, 15, 255, 255, 255);
  for (int y = 0; y < 15; ++y) p.At(7, y)[0] = p.At(7, y)[1] = p.At(7, y)[2] = 0;
  const FrameBitmap original = p;
  ApplyFilter(7, p, {});
  int darkest = 255;
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 15; ++x)
      if (Ch(original, x, y, 0) == 255) darkest = std::min(darkest, static_cast<int>(p.At(x, y)[0]));
  EXPECT_GE(darkest, 115);
  EXPECT_LT(darkest, 255);  // the line's neighbours do get a line
}

}  // namespace
