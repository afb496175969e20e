// The tone and colour filters: worked values and the step lists written out
// plainly with the same random draws.
#include <gtest/gtest.h>

#include "Reference.h"
#include "filters/ApplyFilter.h"
#include "filters/FilmFilters.h"
#include "filters/GreyToneFilters.h"
#include "filters/PartColorFilter.h"
#include "filters/RandomColorFilter.h"
#include "transitions/TransitionKind.h"

namespace {

using ref::Ch;

FrameBitmap Pixel(int r, int g, int b) { return ref::Uniform(1, 1, r, g, b); }

void ExpectPixel(const FrameBitmap& b, int x, int y, int r, int g, int bl) {
  EXPECT_EQ(Ch(b, x, y, 2), r);
  EXPECT_EQ(Ch(b, x, y, 1), g);
  EXPECT_EQ(Ch(b, x, y, 0), bl);
}

FrameBitmap RefGreyTone(FrameBitmap w, int preMode, double er, double eg, double eb) {
  if (preMode >= 0) ref::SelfBlend(w, preMode);
  ref::ToGrey(w);
  const double e[3] = {eb, eg, er};
  ref::MapEach(w, [&](int i, int c) { return ref::Round(std::pow(i, e[c]) * 255.0 / std::pow(255.0, e[c])); });
  return w;
}

TEST(Grayscale, WorkedValuesAndDefinition) {
  FrameBitmap red = Pixel(255, 0, 0);
  ApplyFilter(1, red, {});
  ExpectPixel(red, 0, 0, 76, 76, 76);
  for (int v : {0, 1, 50, 100, 127}) {
    FrameBitmap grey = Pixel(v, v, v);
    ApplyFilter(1, grey, {});
    EXPECT_EQ(Ch(grey, 0, 0, 0), ref::Round(2.0 * v * v / 255.0)) << v;
  }
  const FrameBitmap picture = ref::PhotoLikePicture(30, 20, 1);
  FrameBitmap got = picture, expected = picture;
  ApplyFilter(1, got, {});
  ref::OverlaySelfThenGrey(expected);
  EXPECT_EQ(got, expected);
}

TEST(Sepia, WorkedValuesAndDefinition) {
  const struct { int grey, r, g, b; } cases[] = {{0, 0, 0, 0}, {255, 255, 255, 255}, {128, 157, 128, 104}, {64, 97, 64, 42}};
  for (const auto& c : cases) {
    FrameBitmap p = Pixel(c.grey, c.grey, c.grey);
    SepiaFilter(p, false);
    ExpectPixel(p, 0, 0, c.r, c.g, c.b);
  }
  const FrameBitmap picture = ref::PhotoLikePicture(30, 20, 2);
  for (bool pre : {false, true}) {
    FrameBitmap got = picture;
    SepiaFilter(got, pre);
    EXPECT_EQ(got, RefGreyTone(picture, pre ? ref::SoftLight : -1, 0.7, 1.0, 1.3)) << pre;
  }
}

TEST(Monotone, DrawsRedGreenBlueExponentsInOrder) {
  const FrameBitmap picture = ref::PhotoLikePicture(30, 20, 3);
  for (std::uint64_t seed : {1, 2, 3, 4}) {
    SeedRandom(seed);
    const double er = (Random(5) + 8) / 10.0, eg = (Random(5) + 8) / 10.0, eb = (Random(5) + 8) / 10.0;
    SeedRandom(seed);
    FrameBitmap got = picture;
    ApplyFilter(3, got, {});
    EXPECT_EQ(got, RefGreyTone(picture, ref::SoftLight, er, eg, eb)) << seed;
  }
  // All exponents 1.0: filter 1 with a soft-light self-blend instead of the overlay.
  FrameBitmap flat = picture, grey = picture;
  GreyToneWithExponents(flat, true, 1.0, 1.0, 1.0);
  ref::SelfBlend(grey, ref::SoftLight);
  ref::ToGrey(grey);
  EXPECT_EQ(flat, grey);
}

// Filter 4 written out with the draws of the definition.
FrameBitmap RefRandomColor(const FrameBitmap& input, int margin, bool border) {
  FrameBitmap in = input;
  ref::SelfBlend(in, ref::Overlay);
  const int rc = Random(10000) % 256, gc = Random(10000) % 252, bc = Random(10000) % 252;
  const float h = ref::RgbToHsv(rc, gc, bc).h;
  const float s = static_cast<float>(0.5 + (Random(1000) % 51) / 100.0);
  const float f = static_cast<float>(0.8 + (Random(1000) % 21) / 100.0);
  const int m = border ? margin : 0;
  FrameBitmap p = ref::Uniform(in.Width + 2 * m, in.Height + 2 * m, 255, 255, 255);
  for (int y = 0; y < in.Height; ++y)
    for (int x = 0; x < in.Width; ++x) {
      const int l = ref::Luma(Ch(in, x, y, 2), Ch(in, x, y, 1), Ch(in, x, y, 0));
      float v = static_cast<float>(l) * f;
      v = std::min(255.0f, std::max(0.0f, v));
      v = v * f;
      float r, g, b;
      ref::HsvToRgb(h, s, v, r, g, b);
      Ch(p, x + m, y + m, 2) = static_cast<std::uint8_t>(r);
      Ch(p, x + m, y + m, 1) = static_cast<std::uint8_t>(g);
      Ch(p, x + m, y + m, 0) = static_cast<std::uint8_t>(b);
    }
  return p;
}

TEST(RandomColor, BorderSizesAndTheDuotone) {
  const FrameBitmap picture = ref::PhotoLikePicture(100, 80, 4);
  FilterContext context;
  context.FrameMargin = 54;
  for (std::uint64_t seed : {7, 8}) {
    SeedRandom(seed);
    const FrameBitmap expected = RefRandomColor(picture, 54, true);
    SeedRandom(seed);
    FrameBitmap got = picture;
    ApplyFilter(4, got, context);
    EXPECT_EQ(got, expected) << seed;
  }
  FrameBitmap big = ref::PhotoLikePicture(1000, 800, 5);
  ApplyFilter(4, big, context);
  EXPECT_EQ(big.Width, 1108);
  EXPECT_EQ(big.Height, 908);
  ExpectPixel(big, 53, 400, 255, 255, 255);
  // While Increase runs: no border, every pixel coloured.
  context.ActiveTransition = static_cast<int>(TransitionKind::Increase);
  context.SlideshowRunning = true;
  SeedRandom(9);
  const FrameBitmap expected = RefRandomColor(picture, 54, false);
  SeedRandom(9);
  FrameBitmap pile = picture;
  ApplyFilter(4, pile, context);
  EXPECT_EQ(pile, expected);
}

TEST(RandomColor, EqualColourDrawsGiveGrey) {
  RandomColorDraw draw;
  draw.Hue = -1.0f;
  draw.Saturation = 0.8f;
  draw.Brightness = 0.9f;
  FrameBitmap p = ref::PhotoLikePicture(20, 10, 6);
  FilterContext noBorder;
  RandomColorWithDraw(p, noBorder, draw);
  for (std::size_t i = 0; i < p.Pixels.size(); i += 3) {
    ASSERT_EQ(p.Pixels[i], p.Pixels[i + 1]);
    ASSERT_EQ(p.Pixels[i + 1], p.Pixels[i + 2]);
  }
}

const float kGains[3][3] = {
    {255.0f / 191, 255.0f / 197, 255.0f / 251}, {255.0f / 191, 255.0f / 183, 255.0f / 225}, {1.0f, 255.0f / 239, 255.0f / 191}};

FrameBitmap RefCrossProcessBeforeNoise(const FrameBitmap& input, int c) {
  FrameBitmap in = input;
  const int variant = c == 0 ? 0 : (c == 2 ? 2 : 1);
  if (variant == 0) ref::Tint(in, 255, 0, 0, 82);
  else if (variant == 2) ref::Tint(in, 0, 0, 255, 82);
  else ref::Tint(in, 0, 128, 0, 82);
  const float* gains = kGains[variant];  // red, green, blue
  ref::MapEach(in, [&](int v, int ch) {
    const double gain = gains[2 - ch];
    const int g = ref::Round(v * gain);
    return ref::Blend(g, g, ref::Overlay);
  });
  return in;
}

TEST(CrossProcess, LookWithSeededGrainMatchesTheSteps) {
  const FrameBitmap picture = ref::PhotoLikePicture(30, 20, 7);
  for (int c = 0; c < 6; ++c) {
    FrameBitmap expected = RefCrossProcessBeforeNoise(picture, c);
    SeedRandom(20 + c);
    ref::AddNoise(expected, 1, 0.1);
    SeedRandom(20 + c);
    FrameBitmap got = picture;
    CrossProcessLook(got, c);
    EXPECT_EQ(got, expected) << c;
  }
}

// The picture is one of the choices plus monochrome grain of the amount.
bool IsNoisyVersionOf(const FrameBitmap& got, FrameBitmap clean, double contrast, int amount) {
  ref::AdjustContrast(clean, contrast);
  if (got.Width != clean.Width || got.Height != clean.Height) return false;
  for (std::size_t i = 0; i < got.Pixels.size(); i += 3) {
    bool any = false;
    for (int offset : {amount, -amount, 0}) {
      bool all = true;
      for (int c = 0; c < 3; ++c) all = all && got.Pixels[i + c] == ref::Clamp(clean.Pixels[i + c] + offset);
      any = any || all;
    }
    if (!any) return false;
  }
  return true;
}

TEST(CrossProcess, ReseedsAndStillGivesOneOfTheLooks) {
  const FrameBitmap picture = ref::PhotoLikePicture(30, 20, 8);
  SeedRandom(1);
  FrameBitmap got = picture;
  ApplyFilter(14, got, {});
  int matches = 0;
  for (int c : {0, 1, 2}) matches += IsNoisyVersionOf(got, RefCrossProcessBeforeNoise(picture, c), 0.1, 1);
  EXPECT_GE(matches, 1);
}

FrameBitmap RefNostalgicBeforeNoise(const FrameBitmap& input, bool skyBlue) {
  FrameBitmap w = input;
  const FrameBitmap e = w;
  for (int y = 0; y < w.Height; ++y)
    for (int x = 0; x < w.Width; ++x) {
      const int v = std::max({Ch(w, x, y, 0), Ch(w, x, y, 1), Ch(w, x, y, 2)});
      const double g = NostalgicGamma(v);
      for (int c = 0; c < 3; ++c) Ch(w, x, y, c) = static_cast<std::uint8_t>(ref::Round(255.0 * std::pow(Ch(w, x, y, c) / 255.0, 1.0 / g)));
    }
  w = ref::LayerBlend(e, w, 80, ref::Overlay);
  ref::AdjustContrast(w, -0.4);
  ref::SelfBlend(w, ref::Overlay);
  ref::AdjustHsv(w, 1.0, 0.4);
  ref::SelfBlend(w, ref::Overlay);
  if (skyBlue) ref::Tint(w, 135, 206, 235, 75);
  else ref::Tint(w, 205, 133, 63, 75);
  return w;
}

TEST(Nostalgic, GammaBandsLookAndReseededFilter) {
  EXPECT_DOUBLE_EQ(NostalgicGamma(128), 1.0);
  EXPECT_GT(NostalgicGamma(0), 1.0);
  EXPECT_GT(NostalgicGamma(255), 1.0);
  const FrameBitmap picture = ref::PhotoLikePicture(30, 20, 9);
  for (bool sky : {true, false}) {
    FrameBitmap expected = RefNostalgicBeforeNoise(picture, sky);
    SeedRandom(30);
    ref::AddNoise(expected, 4, 0.25);
    SeedRandom(30);
    FrameBitmap got = picture;
    NostalgicLook(got, sky);
    EXPECT_EQ(got, expected) << sky;
  }
  FrameBitmap got = picture;
  ApplyFilter(15, got, {});
  EXPECT_TRUE(IsNoisyVersionOf(got, RefNostalgicBeforeNoise(picture, true), 0.25, 4) ||
              IsNoisyVersionOf(got, RefNostalgicBeforeNoise(picture, false), 0.25, 4));
}

TEST(PartColor, ModesOnPureColoursAndTheDefinition) {
  FrameBitmap two = ref::Uniform(2, 1, 255, 0, 0);
  Ch(two, 1, 0, 2) = 0;
  Ch(two, 1, 0, 1) = 255;  // (0, 255, 0)
  FrameBitmap mode3 = two, mode4 = two;
  PartColorLook(mode3, 3);
  PartColorLook(mode4, 4);
  ExpectPixel(mode3, 0, 0, 255, 0, 0);
  ExpectPixel(mode3, 1, 0, 150, 150, 150);
  ExpectPixel(mode4, 0, 0, 76, 76, 76);
  ExpectPixel(mode4, 1, 0, 0, 255, 0);
  EXPECT_TRUE(IsRedHue(0.0f));
  EXPECT_FALSE(IsRedHue(0.14f));
  EXPECT_TRUE(IsRedHue(0.8f));
  EXPECT_FALSE(IsRedHue(-1.0f));
  EXPECT_FALSE(IsRedHue(0.5f));

  const FrameBitmap picture = ref::RandomPicture(40, 30, 10);
  for (std::uint64_t seed : {1, 2, 3}) {
    SeedRandom(seed);
    const int mode = 3 + Random(2);
    FrameBitmap boosted = picture;
    ref::BoostClarity(boosted);
    FrameBitmap expected = boosted;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        const float h = ref::RgbToHsv(Ch(boosted, x, y, 2), Ch(boosted, x, y, 1), Ch(boosted, x, y, 0)).h;
        const bool red = (h >= 0 && h < 0.14) || (h >= 0.8 && h < 1.0);
        if (red == (mode == 4)) {
          const int l = ref::Luma(Ch(boosted, x, y, 2), Ch(boosted, x, y, 1), Ch(boosted, x, y, 0));
          for (int c = 0; c < 3; ++c) Ch(expected, x, y, c) = static_cast<std::uint8_t>(l);
        }
      }
    SeedRandom(seed);
    FrameBitmap got = picture;
    ApplyFilter(17, got, {});
    EXPECT_EQ(got, expected) << seed;
  }
}

FrameBitmap RefRetro(const FrameBitmap& input, int c, bool stopBeforeSaturation = false) {
  const FrameBitmap p = input;
  FrameBitmap q = ref::LayerBlend(p, ref::Plate(p, 7, 1, 66), 100, ref::Exclusion);
  if (stopBeforeSaturation) return q;
  ref::AdjustHsv(q, 1.0, 1.1);
  if (c >= 1) q = ref::LayerBlend(q, ref::Plate(p, 222, 155, 130), 75, ref::SoftLight);
  if (c >= 2) q = ref::LayerBlend(q, ref::Plate(p, 255, 182, 193), 50, ref::SoftLight);
  if (c == 3) {
    q = ref::LayerBlend(q, ref::Plate(p, 0, 0, 139), 100, ref::Exclusion);
    q = ref::LayerBlend(q, p, 100, ref::SoftLight);
  }
  return q;
}

TEST(Retro, PlatesForEveryDrawAndTheWhiteExample) {
  ExpectPixel(RefRetro(ref::Uniform(1, 1, 255, 255, 255), 0, true), 0, 0, 248, 254, 189);
  const FrameBitmap picture = ref::PhotoLikePicture(30, 20, 11);
  for (int c = 0; c < 4; ++c) {
    FrameBitmap got = picture;
    RetroLook(got, c);
    EXPECT_EQ(got, RefRetro(picture, c)) << c;
  }
  SeedRandom(12);
  const int c = Random(1000) % 4;
  SeedRandom(12);
  FrameBitmap got = picture;
  ApplyFilter(19, got, {});
  EXPECT_EQ(got, RefRetro(picture, c));
}

TEST(BleachBypass, WhiteAndBlackStayAndTheDefinition) {
  for (int v : {0, 255}) {
    FrameBitmap p = ref::Uniform(5, 4, v, v, v);
    ApplyFilter(21, p, {});
    EXPECT_EQ(p, ref::Uniform(5, 4, v, v, v)) << v;
  }
  const FrameBitmap picture = ref::PhotoLikePicture(30, 20, 13);
  FrameBitmap p = picture, q = picture;
  ref::SelfBlend(p, ref::Screen);
  ref::ToGrey(q);
  q = ref::LayerBlend(p, q, 100, ref::Multiply);
  ref::AdjustHsv(q, 1.0, 0.8);
  ref::Sharpen(q, 6);
  FrameBitmap got = picture;
  ApplyFilter(21, got, {});
  EXPECT_EQ(got, q);
}

}  // namespace
