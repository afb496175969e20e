// The shared per-pixel operations: worked values and the plain definitions.
#include <gtest/gtest.h>

#include "Reference.h"
#include "filters/AddNoise.h"
#include "filters/BlendMode.h"
#include "filters/ClampRound.h"
#include "filters/CurveOperations.h"
#include "filters/FilterTables.h"
#include "filters/HsvConversion.h"
#include "filters/HsvOperations.h"
#include "filters/Luma.h"
#include "filters/Sharpen.h"

namespace {

TEST(ClampRound, HalvesGoToEvenAndValuesAreHeldToBytes) {
  const struct { double x; int expected; } cases[] = {
      {2.5, 2}, {3.5, 4}, {-0.4, 0}, {255.6, 255}, {0.5, 0}, {1.5, 2}, {254.5, 254},
      {127.49999, 127}, {-1e9, 0}, {1e9, 255}, {std::nan(""), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ClampRound(c.x), c.expected) << c.x;
}

TEST(ClampRound, IntegerDivisionMatchesTheRealQuotient) {
  for (int d : {2, 3, 10, 16, 100, 121, 1000000})
    for (int n = 0; n < 300000; n += 7) EXPECT_EQ(ClampRoundDiv(n, d), ref::Round(static_cast<double>(n) / d)) << n << "/" << d;
  EXPECT_EQ(ClampRoundDiv(-5, 10), 0);
}

TEST(Luma, WorkedValuesAndEveryChannelCombinationOnAGrid) {
  EXPECT_EQ(Luma(255, 255, 255), 255);
  EXPECT_EQ(Luma(255, 0, 0), 76);
  EXPECT_EQ(Luma(0, 255, 0), 150);
  EXPECT_EQ(Luma(0, 0, 255), 29);
  for (int r = 0; r < 256; r += 3)
    for (int g = 0; g < 256; g += 5)
      for (int b = 0; b < 256; b += 7) ASSERT_EQ(Luma(r, g, b), ref::Luma(r, g, b)) << r << "," << g << "," << b;
}

TEST(Hsv, WorkedValuesAndGreyPixels) {
  const Hsv red = RgbToHsv(255, 0, 0);
  EXPECT_FLOAT_EQ(red.h, 0.0f);
  EXPECT_FLOAT_EQ(red.s, 1.0f);
  EXPECT_FLOAT_EQ(red.v, 255.0f);
  const Hsv blue = RgbToHsv(0, 0, 255);
  EXPECT_FLOAT_EQ(blue.h, 4.0f / 6.0f);
  EXPECT_FLOAT_EQ(blue.s, 1.0f);
  EXPECT_FLOAT_EQ(blue.v, 255.0f);
  const Hsv grey = RgbToHsv(90, 90, 90);
  EXPECT_EQ(grey.h, -1.0f);
  EXPECT_EQ(grey.s, 0.0f);
  const RgbFloat back = HsvToRgb(grey.h, grey.s, grey.v);
  EXPECT_EQ(back.r, 90.0f);
  EXPECT_EQ(back.g, 90.0f);
  EXPECT_EQ(back.b, 90.0f);
  // Ties of the maximum: red beats green, green beats blue.
  EXPECT_FLOAT_EQ(RgbToHsv(200, 200, 10).h, (190.0f / 190.0f) / 6.0f);
  EXPECT_FLOAT_EQ(RgbToHsv(10, 200, 200).h, ((200.0f - 10.0f) / 190.0f + 2.0f) / 6.0f);
}

TEST(Hsv, MatchesTheStepByStepDefinitionAndRoundTrips) {
  for (int r = 0; r < 256; r += 5)
    for (int g = 0; g < 256; g += 3)
      for (int b = 0; b < 256; b += 11) {
        const Hsv hsv = RgbToHsv(r, g, b);
        const ref::HsvF expected = ref::RgbToHsv(r, g, b);
        ASSERT_EQ(hsv.h, expected.h);
        ASSERT_EQ(hsv.s, expected.s);
        ASSERT_EQ(hsv.v, expected.v);
        const RgbFloat back = HsvToRgb(hsv.h, hsv.s, hsv.v);
        ASSERT_EQ(ClampRound(back.r), r);
        ASSERT_EQ(ClampRound(back.g), g);
        ASSERT_EQ(ClampRound(back.b), b);
      }
  // h exactly 1 falls into the last sector.
  const RgbFloat one = HsvToRgb(1.0f, 1.0f, 200.0f);
  EXPECT_EQ(one.r, 200.0f);
  EXPECT_EQ(one.g, 0.0f);
}

TEST(BlendChannel, WorkedValues) {
  EXPECT_EQ(BlendChannel(127, 255, BlendMode::Overlay), 254);
  EXPECT_EQ(BlendChannel(128, 0, BlendMode::Overlay), 1);
  EXPECT_EQ(BlendChannel(0, 0, BlendMode::SoftLight), 0);
  EXPECT_EQ(BlendChannel(77, 200, BlendMode::Normal), 200);
  EXPECT_EQ(BlendChannel(255, 255, BlendMode::Exclusion), 0);
  EXPECT_EQ(BlendChannel(255, 7, BlendMode::Exclusion), 248);
}

TEST(BlendChannel, TablesHoldTheFormulaForEveryPair) {
  BuildFilterTables();
  for (int mode : {ref::Normal, ref::Multiply, ref::Screen, ref::Overlay, ref::SoftLight, ref::Exclusion})
    for (int a = 0; a < 256; ++a)
      for (int b = 0; b < 256; ++b)
        ASSERT_EQ(BlendChannel(a, b, static_cast<BlendMode>(mode)), ref::Blend(a, b, mode)) << mode << ":" << a << "," << b;
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(SelfSoftLight()[i], ref::Blend(i, i, ref::SoftLight));
    EXPECT_DOUBLE_EQ(ToneRamp()[i], (255 - i) * (1.2 / 255) + 0.4);
  }
  EXPECT_DOUBLE_EQ(ToneRamp()[0], 1.6);
  EXPECT_NEAR(ToneRamp()[255], 0.4, 1e-15);
}

TEST(OverlayFast, IntegerFormulaOnBothSidesOfTheThreshold) {
  EXPECT_EQ(OverlayFast(127, 255), (2 * 127 * 255) / 256);
  EXPECT_EQ(OverlayFast(128, 0), 1);
  EXPECT_EQ(OverlayFast(255, 255), 255);  // 257 before clamping
  EXPECT_EQ(OverlayFast(200, 100), 2 * (300 - 20000 / 256) - 255);
}

TEST(LayerBlend, HalfOpacityNormalIsTheRoundedAverage) {
  FrameBitmap base = ref::Uniform(2, 1, 0, 0, 0), top = ref::Uniform(2, 1, 0, 0, 0);
  base.At(0, 0)[0] = 127; top.At(0, 0)[0] = 128;  // 127.5 -> 128
  base.At(1, 0)[0] = 126; top.At(1, 0)[0] = 127;  // 126.5 -> 126
  FrameBitmap dest;
  LayerBlend(base, top, 50, BlendMode::Normal, dest);
  EXPECT_EQ(dest.At(0, 0)[0], 128);
  EXPECT_EQ(dest.At(1, 0)[0], 126);
}

TEST(LayerBlend, EveryModeAndOpacityMatchesTheDefinitionAlsoInPlace) {
  const FrameBitmap base = ref::RandomPicture(23, 11, 1), top = ref::RandomPicture(23, 11, 2);
  for (int mode : {ref::Normal, ref::Multiply, ref::Screen, ref::Overlay, ref::SoftLight, ref::Exclusion})
    for (int opacity : {0, 37, 50, 75, 80, 100}) {
      const FrameBitmap expected = ref::LayerBlend(base, top, opacity, mode);
      FrameBitmap dest;
      LayerBlend(base, top, opacity, static_cast<BlendMode>(mode), dest);
      EXPECT_EQ(dest, expected) << mode << " at " << opacity;
      FrameBitmap intoBase = base;
      LayerBlend(intoBase, top, opacity, static_cast<BlendMode>(mode), intoBase);
      EXPECT_EQ(intoBase, expected);
      FrameBitmap intoTop = top;
      LayerBlend(base, intoTop, opacity, static_cast<BlendMode>(mode), intoTop);
      EXPECT_EQ(intoTop, expected);
    }
  FrameBitmap other = ref::RandomPicture(5, 5, 3), keep = other;
  LayerBlend(base, top, 100, BlendMode::Multiply, other);
  EXPECT_EQ(other.Width, 23);  // dest takes the size
  FrameBitmap small = ref::RandomPicture(4, 4, 4);
  LayerBlend(base, small, 100, BlendMode::Multiply, keep);
  EXPECT_EQ(keep, ref::RandomPicture(5, 5, 3));  // unequal sizes: nothing written
}

TEST(Curves, ContrastGammaInvertMatchTheirFormulas) {
  const FrameBitmap picture = ref::RandomPicture(16, 16, 5);
  for (double amount : {-0.4, 0.1, 0.2, 0.25, 1.0}) {
    FrameBitmap got = picture, expected = picture;
    AdjustContrast(got, amount);
    ref::AdjustContrast(expected, amount);
    EXPECT_EQ(got, expected) << amount;
  }
  for (double gamma : {0.8, 1.0, 2.4}) {
    FrameBitmap got = picture, expected = picture;
    ApplyGamma(got, gamma);
    ref::ApplyGamma(expected, gamma);
    EXPECT_EQ(got, expected) << gamma;
  }
  FrameBitmap inverted = picture;
  Invert(inverted);
  for (std::size_t i = 0; i < picture.Pixels.size(); ++i) ASSERT_EQ(inverted.Pixels[i], 255 - picture.Pixels[i]);
}

TEST(Tint, KeepPercentageCases) {
  const FrameBitmap picture = ref::RandomPicture(9, 7, 6);
  FrameBitmap same = picture;
  Tint(same, {12, 200, 99}, 100);
  EXPECT_EQ(same, picture);
  FrameBitmap redOnly = picture;
  Tint(redOnly, {255, 0, 0}, 0);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) {
      EXPECT_EQ(redOnly.At(x, y)[2], picture.At(x, y)[2]);
      EXPECT_EQ(redOnly.At(x, y)[1], 0);
      EXPECT_EQ(redOnly.At(x, y)[0], 0);
    }
  for (int keep : {-1, 101}) {
    FrameBitmap untouched = picture;
    Tint(untouched, {0, 0, 0}, keep);
    EXPECT_EQ(untouched, picture) << keep;
  }
  FrameBitmap got = picture, expected = picture;
  Tint(got, {135, 206, 235}, 75);
  ref::Tint(expected, 135, 206, 235, 75);
  EXPECT_EQ(got, expected);
}

TEST(Posterize, LevelsOfEightAndHueKept) {
  // Grey pixels land exactly on the levels 0, 36, 72, 109, 145, 182, 218, 255.
  const struct { int grey, level; } cases[] = {{0, 0}, {31, 0}, {32, 36}, {95, 72}, {96, 109}, {128, 145}, {191, 182}, {223, 218}, {224, 255}, {255, 255}};
  for (const auto& c : cases) {
    FrameBitmap p = ref::Uniform(1, 1, c.grey, c.grey, c.grey);
    Posterize(p, 8);
    EXPECT_EQ(p.At(0, 0)[0], c.level) << c.grey;
  }
  FrameBitmap colour = ref::RandomPicture(13, 9, 7);
  FrameBitmap expected = colour;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 13; ++x) {
      std::uint8_t* px = expected.At(x, y);
      const int l = ref::Luma(px[2], px[1], px[0]);
      const int band = l / 32;
      const int level = band == 7 ? 255 : static_cast<int>(band * (255.0 / 7));
      const ref::HsvF hsv = ref::RgbToHsv(px[2], px[1], px[0]);
      float r, g, b;
      ref::HsvToRgb(hsv.h, hsv.s, static_cast<float>(level), r, g, b);
      px[2] = static_cast<std::uint8_t>(ref::Round(r));
      px[1] = static_cast<std::uint8_t>(ref::Round(g));
      px[0] = static_cast<std::uint8_t>(ref::Round(b));
    }
  Posterize(colour, 8);
  EXPECT_EQ(colour, expected);
}

TEST(AdjustHsv, MatchesTheDefinitionWithCaps) {
  const FrameBitmap picture = ref::RandomPicture(31, 17, 8);
  const struct { double value, saturation; } cases[] = {{1.0, 0.4}, {1.0, 0.8}, {1.0, 1.1}, {1.3, 1.2}, {1.1, 1.2}, {1.0, 0.9}};
  for (const auto& c : cases) {
    FrameBitmap got = picture, expected = picture;
    AdjustHsv(got, c.value, c.saturation);
    ref::AdjustHsv(expected, c.value, c.saturation);
    EXPECT_EQ(got, expected) << c.value << "," << c.saturation;
  }
}

TEST(AddNoise, SameDrawsAsTheDefinitionAndGuardedAmount) {
  const FrameBitmap picture = ref::RandomPicture(29, 13, 9);
  for (const auto& [amount, contrast] : {std::pair{8, 0.2}, std::pair{1, 0.1}, std::pair{4, 0.25}, std::pair{255, 0.0}}) {
    FrameBitmap got = picture, expected = picture;
    SeedRandom(42);
    AddNoise(got, amount, contrast);
    SeedRandom(42);
    ref::AddNoise(expected, amount, contrast);
    EXPECT_EQ(got, expected) << amount;
  }
  for (int amount : {-1, 256}) {
    FrameBitmap untouched = picture;
    AddNoise(untouched, amount, 0.5);
    EXPECT_EQ(untouched, picture);
  }
  // Monochrome: the three channels of a mid-grey pixel move together.
  FrameBitmap grey = ref::Uniform(50, 50, 100, 100, 100);
  AddNoise(grey, 8, 0);
  int moved = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) {
      const std::uint8_t* p = grey.At(x, y);
      ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]);
      ASSERT_TRUE(p[0] == 92 || p[0] == 100 || p[0] == 108);
      moved += p[0] != 100;
    }
  EXPECT_GT(moved, 2500 / 2);
}

TEST(Sharpen, UniformPicturesStayAndAnyPictureMatchesTheDefinition) {
  for (int percentage : {2, 3, 4, 6, 10, 100}) {
    FrameBitmap uniform = ref::Uniform(7, 5, 33, 140, 250);
    const FrameBitmap before = uniform;
    Sharpen(uniform, percentage);
    EXPECT_EQ(uniform, before);
    for (const auto& [w, h] : {std::pair{19, 11}, std::pair{1, 1}, std::pair{1, 6}, std::pair{5, 2}}) {
      FrameBitmap got = ref::RandomPicture(w, h, 10), expected = got;
      Sharpen(got, percentage);
      ref::Sharpen(expected, percentage);
      EXPECT_EQ(got, expected) << percentage << " on " << w << "x" << h;
    }
  }
  // A value of exactly .5 (L * 10 / 100 = 0.5) rounds to even.
  FrameBitmap tie = ref::Uniform(3, 3, 0, 0, 100);
  tie.At(0, 0)[0] = 95;  // blue at the centre: L = 800 - 795 = 5 -> 100.5 -> 100
  Sharpen(tie, 10);
  EXPECT_EQ(tie.At(1, 1)[0], 100);
  for (int percentage : {-1, 101}) {
    FrameBitmap untouched = ref::RandomPicture(4, 4, 11);
    Sharpen(untouched, percentage);
    EXPECT_EQ(untouched, ref::RandomPicture(4, 4, 11));
  }
}

}  // namespace
