// The camera and effect filters: worked values, and the step lists written
// out plainly with the same random draws in the same order.
#include <gtest/gtest.h>

#include "Reference.h"
#include "engine/Resample.h"
#include "filters/ApplyFilter.h"
#include "filters/CameraFilters.h"
#include "filters/FilterTables.h"
#include "transitions/TransitionKind.h"

namespace {

using ref::Ch;

constexpr int kIncrease = static_cast<int>(TransitionKind::Increase);

FilterContext Running(int transition, int screenHeight = 0) {
  FilterContext c;
  c.SlideshowRunning = true;
  c.ActiveTransition = transition;
  c.ScreenHeight = screenHeight;
  return c;
}

void SetTruncated(FrameBitmap& b, int x, int y, float r, float g, float bl) {
  auto t = [](float v) { return static_cast<std::uint8_t>(v <= 0 ? 0 : (v >= 255 ? 255 : static_cast<int>(v))); };
  Ch(b, x, y, 2) = t(r);
  Ch(b, x, y, 1) = t(g);
  Ch(b, x, y, 0) = t(bl);
}

// ---- "ポップ"

struct RefTones {
  int rule;
  double h1, h2, h3, s, v;
};

void RefColourPixel(FrameBitmap& out, int x, int y, int luma, const RefTones& t) {
  const auto hsv = [&](double h, double v) {
    float r, g, b;
    ref::HsvToRgb(static_cast<float>(h), static_cast<float>(t.s), static_cast<float>(v), r, g, b);
    SetTruncated(out, x, y, r, g, b);
  };
  const auto grey = [&](int v) { Ch(out, x, y, 0) = Ch(out, x, y, 1) = Ch(out, x, y, 2) = static_cast<std::uint8_t>(v); };
  switch (t.rule) {
    case 0:
      if (luma < 64) grey(0);
      else if (luma < 128) hsv(t.h1, 85);
      else if (luma < 192) hsv(t.h1, 170);
      else grey(255);
      break;
    case 1:
      if (luma < 65) grey(0);
      else if (luma <= 104) hsv(t.h1, 127);
      else if (luma <= 140) hsv(t.h2, t.v);
      else hsv(t.h3, t.v);
      break;
    case 2:
      if (luma < 128) grey(0);
      else hsv(t.h1, t.v);
      break;
    default:
      hsv(luma < 128 ? t.h1 : t.h3, t.v);
      break;
  }
}

FrameBitmap RefPopSingle(FrameBitmap p) {
  RefTones t{};
  t.h1 = Random(1001) / 1000.0;
  t.s = 0.7 + Random(21) / 100.0;
  t.v = 185 + Random(7);
  ref::Sharpen(p, 3);
  t.rule = Random(2) == 0 ? 0 : 2;
  FrameBitmap out = p;
  for (int y = 0; y < p.Height; ++y)
    for (int x = 0; x < p.Width; ++x) RefColourPixel(out, x, y, ref::Luma(Ch(p, x, y, 2), Ch(p, x, y, 1), Ch(p, x, y, 0)), t);
  return out;
}

FrameBitmap RefPopGrid(const FrameBitmap& in, int mh, int uw, int uh) {
  const int k = static_cast<int>(mh * 0.03), n = (mh - 2 * k - 8) / 3;
  int sw, sh;
  if (uw < uh) {
    sw = n;
    sh = static_cast<int>(uh * (static_cast<double>(n) / uw));
  } else {
    sh = n;
    sw = static_cast<int>(uw * (static_cast<double>(n) / uh));
  }
  const FrameBitmap scaled = ResampleArea(in, sw, sh);
  const int left = sw > sh ? (sw - n) / 2 : 0, top = sw > sh ? 0 : (sh - n) / 2;
  FrameBitmap tile(n, n);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
      for (int c = 0; c < 3; ++c) Ch(tile, x, y, c) = static_cast<std::uint8_t>(Ch(scaled, left + x, top + y, c));
  ref::Sharpen(tile, 10);
  FrameBitmap canvas = ref::Uniform(3 * n + 2 * k + 8, mh, 255, 255, 255);
  RefTones t{};
  t.s = 0.7 + Random(21) / 100.0;
  t.v = 185 + Random(7);
  t.rule = Random(4);
  const int sequence = Random(2);
  const bool nine = sequence == 1 && (t.rule == 0 || t.rule == 2);
  float q[9];
  if (nine) {
    q[0] = static_cast<float>(Random(1001) / 1000.0);
    const float end = static_cast<float>(Random(1001) / 1000.0);
    const float step = (end - q[0]) / 8.0f;
    for (int i = 0; i < 8; ++i) {
      q[i + 1] = q[i] + step;
      if (q[i + 1] > 1.0f) q[i + 1] -= 1.0f;
      if (q[i + 1] < 0.0f) q[i + 1] += 1.0f;
    }
  }
  for (int i = 0; i < 9; ++i) {
    t.h1 = nine ? q[i] : Random(1001) / 1000.0;
    t.h2 = Random(1001) / 1000.0;
    do t.h3 = Random(1001) / 1000.0;
    while (std::abs(t.h1 - t.h3) < 0.25);
    for (int y = 0; y < n; ++y)
      for (int x = 0; x < n; ++x)
        RefColourPixel(canvas, k + (i % 3) * (n + 4) + x, k + (i / 3) * (n + 4) + y,
                       ref::Luma(Ch(tile, x, y, 2), Ch(tile, x, y, 1), Ch(tile, x, y, 0)), t);
  }
  return canvas;
}

TEST(Pop, SingleFormMatchesThePlainStepsWhenIdleAndDuringIncrease) {
  const FrameBitmap picture = ref::PhotoLikePicture(33, 21, 1);
  for (const FilterContext& context : {FilterContext{}, Running(kIncrease, 1080)})
    for (std::uint64_t seed : {1, 2, 3, 4, 5, 6}) {
      SeedRandom(seed);
      FrameBitmap got = picture;
      ApplyFilter(9, got, context);
      SeedRandom(seed);
      EXPECT_EQ(got, RefPopSingle(picture)) << seed;
    }
}

TEST(Pop, ToneRuleZeroBandEdges) {
  PopTones tones;
  tones.Rule = 0;
  tones.H1 = 0.0f;
  tones.Saturation = 1.0f;
  const auto colours = PopColours(tones);
  const struct { int luma, b, g, r; } cases[] = {{63, 0, 0, 0}, {64, 0, 0, 85}, {127, 0, 0, 85}, {128, 0, 0, 170}, {191, 0, 0, 170}, {192, 255, 255, 255}};
  for (const auto& c : cases) EXPECT_EQ(colours[c.luma], (std::array<std::uint8_t, 3>{(std::uint8_t)c.b, (std::uint8_t)c.g, (std::uint8_t)c.r})) << c.luma;
  tones.Rule = 1;
  tones.H1 = tones.H2 = tones.H3 = 0.0f;
  tones.Value = 190.0f;
  const auto rule1 = PopColours(tones);
  EXPECT_EQ(rule1[64][2], 0);
  EXPECT_EQ(rule1[65][2], 127);
  EXPECT_EQ(rule1[104][2], 127);
  EXPECT_EQ(rule1[105][2], 190);
}

TEST(Pop, GridFormSizesAndTiles) {
  const struct { int mh, margin, tile; } geometry[] = {{1080, 32, 336}, {768, 23, 238}, {120, 3, 35}};
  for (const auto& g : geometry) {
    EXPECT_EQ(PopGridGeometryFor(g.mh).Margin, g.margin);
    EXPECT_EQ(PopGridGeometryFor(g.mh).Tile, g.tile);
  }
  FrameBitmap big = ref::PhotoLikePicture(1440, 1080, 2);
  FilterContext context = Running(1, 1080);
  context.UprightWidth = 1440;
  context.UprightHeight = 1080;
  ApplyFilter(9, big, context);
  EXPECT_EQ(big.Width, 1080);
  EXPECT_EQ(big.Height, 1080);
  // Landscape, portrait and square pictures, on a low monitor, for many draws.
  const struct { int w, h; } pictures[] = {{80, 60}, {45, 70}, {50, 50}};
  for (const auto& p : pictures) {
    const FrameBitmap picture = ref::PhotoLikePicture(p.w, p.h, p.w);
    FilterContext c = Running(3, 120);
    c.UprightWidth = p.w;
    c.UprightHeight = p.h;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
      SeedRandom(seed);
      FrameBitmap got = picture;
      ApplyFilter(9, got, c);
      SeedRandom(seed);
      ASSERT_EQ(got, RefPopGrid(picture, 120, p.w, p.h)) << p.w << "x" << p.h << " seed " << seed;
    }
  }
  // A monitor too low for tiles falls back to the single form.
  const FrameBitmap small = ref::PhotoLikePicture(20, 10, 3);
  FrameBitmap got = small;
  SeedRandom(9);
  ApplyFilter(9, got, Running(3, 8));
  SeedRandom(9);
  EXPECT_EQ(got, RefPopSingle(small));
}

// ---- "トイカメラ"

FrameBitmap RefToyCamera(FrameBitmap f, int t, int vr, int vg, int vb, int a, int rho, int margin) {
  struct Row { int r, g, b, keep; double gr, gg, gb; };
  const Row table[7] = {{255, 0, 0, 84, 255.0f / 191, 255.0f / 197, 255.0f / 251}, {0, 128, 0, 84, 255.0f / 191, 255.0f / 183, 255.0f / 225},
                        {0, 0, 255, 84, 1, 255.0f / 239, 255.0f / 191},         {0, 255, 255, 90, 255.0f / 209, 255.0f / 193, 255.0f / 192},
                        {255, 255, 0, 84, 255.0f / 183, 255.0f / 183, 255.0f / 225}, {0, 128, 0, 84, 255.0f / 191, 255.0f / 183, 255.0f / 225},
                        {0, 255, 255, 90, 255.0f / 209, 255.0f / 193, 255.0f / 192}};
  const Row& row = table[t];
  const int w = f.Width, h = f.Height;
  const int vignette[3] = {vb, vg, vr};
  auto dark = [&](int i, int c) { return ref::Round(((1 - a / 100.0) * vignette[c] / 255 + a / 100.0) * i); };
  ref::Tint(f, row.r, row.g, row.b, row.keep);
  auto weight = [&](int x, int y, double& k) {
    const double d = std::sqrt((w / 2.0 - x) * (w / 2.0 - x) + (h / 2.0 - y) * (h / 2.0 - y));
    k = 1 - std::pow(d / rho, 4);
    return d <= rho;
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double k;
      const bool inside = weight(x, y, k);
      int n[3];
      for (int c = 0; c < 3; ++c) n[c] = inside ? ref::Round((1 - k) * dark(Ch(f, x, y, c), c) + k * Ch(f, x, y, c)) : dark(Ch(f, x, y, c), c);
      const ref::HsvF hf = ref::RgbToHsv(Ch(f, x, y, 2), Ch(f, x, y, 1), Ch(f, x, y, 0));
      const ref::HsvF hn = ref::RgbToHsv(n[2], n[1], n[0]);
      float r, g, b;
      ref::HsvToRgb(hf.h, hn.s, hn.v, r, g, b);
      SetTruncated(f, x, y, r, g, b);
    }
  const FrameBitmap e = f;
  ref::GaussianBlur(f, 1);
  const double gains[3] = {row.gb, row.gg, row.gr};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double k;
      const bool inside = weight(x, y, k);
      for (int c = 0; c < 3; ++c) {
        int v = inside ? ref::Round((1 - k) * Ch(f, x, y, c) + k * Ch(e, x, y, c)) : Ch(e, x, y, c);
        v = ref::Round(v * gains[c]);
        Ch(f, x, y, c) = static_cast<std::uint8_t>(ref::Blend(v, v, ref::Overlay));
      }
    }
  ref::AddNoise(f, 1, 0);
  FrameBitmap out = ref::Uniform(w + 2 * margin, h + 2 * margin, 255, 255, 255);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < 3; ++c) Ch(out, x + margin, y + margin, c) = static_cast<std::uint8_t>(Ch(f, x, y, c));
  return out;
}

TEST(ToyCamera, EveryTintWithTheSameGrainAsThePlainSteps) {
  BuildFilterTables();
  const FrameBitmap picture = ref::PhotoLikePicture(37, 26, 4);
  FilterContext context;
  context.FrameMargin = 3;
  for (int t = 0; t < 7; ++t) {
    SeedRandom(20 + t);
    FrameBitmap got = picture;
    ToyCameraLook(got, context, RgbColor{0, 0, 0}, 24, t);
    SeedRandom(20 + t);
    EXPECT_EQ(got, RefToyCamera(picture, t, 0, 0, 0, 24, 37 * 58 / 100, 3)) << t;
  }
  // A coloured vignette at another strength; a radius of 65 % of the
  // shorter side with the Polaroid frame during an Increase slideshow, and
  // then no border either.
  FilterContext polaroid = Running(kIncrease);
  polaroid.IncFrame = 2;
  polaroid.FrameMargin = 3;
  EXPECT_EQ(ToyCameraRadius(37, 26, polaroid), 16);
  EXPECT_EQ(ToyCameraRadius(37, 26, Running(kIncrease)), 21);
  SeedRandom(7);
  FrameBitmap got = picture;
  ToyCameraLook(got, polaroid, RgbColor{200, 40, 90}, 60, 3);
  SeedRandom(7);
  EXPECT_EQ(got, RefToyCamera(picture, 3, 200, 40, 90, 60, 16, 0));
}

TEST(ToyCamera, StrengthOutOfRangeChangesNothingAndTheCatalogueFrames) {
  const FrameBitmap picture = ref::PhotoLikePicture(30, 20, 5);
  for (int strength : {-1, 101}) {
    FrameBitmap p = picture;
    ToyCameraFilter(p, FilterContext{}, RgbColor{0, 0, 0}, strength);
    EXPECT_EQ(p, picture) << strength;
  }
  FilterContext context;
  context.FrameMargin = 4;
  FrameBitmap framed = picture;
  ApplyFilter(10, framed, context);
  EXPECT_EQ(framed.Width, 38);
  EXPECT_EQ(framed.Height, 28);
  EXPECT_EQ(Ch(framed, 0, 0, 0), 255);
  // The pixels beyond the radius take the full darkening: a white corner
  // ends up far darker than the centre.
  FrameBitmap white = ref::Uniform(60, 40, 255, 255, 255);
  ApplyFilter(10, white, FilterContext{});
  EXPECT_LT(Ch(white, 0, 0, 1) + 40, Ch(white, 30, 20, 1));
}

// ---- "テレビ"

TEST(Television, ScanLinesGhostAndThePlainSteps) {
  FrameBitmap flat = ref::Uniform(7, 7, 100, 100, 100);
  for (bool ghost : {true, false}) {
    FrameBitmap p = flat;
    TelevisionFilter(p, ghost);
    for (int y = 0; y < 7; ++y) EXPECT_EQ(Ch(p, 3, y, 1), y % 3 == 0 ? 59 : 100) << y;
  }
  const FrameBitmap picture = ref::RandomPicture(19, 11, 6);
  for (bool ghost : {true, false}) {
    FrameBitmap expected = picture;
    for (int y = 0; y < 11; ++y)
      for (int x = 0; x < 19; ++x)
        for (int c = 0; c < 3; ++c) {
          const int a = Ch(picture, x, y, c);
          const int b = ghost && x >= 1 && y >= 1 ? Ch(picture, x - 1, y - 1, c) : a;
          int v = ref::Round((a + b) / 2.0);
          if (y % 3 == 0) v = ref::Round((v - 127.5) * 1.5 + v);
          Ch(expected, x, y, c) = static_cast<std::uint8_t>(v);
        }
    FrameBitmap got = picture;
    TelevisionFilter(got, ghost);
    EXPECT_EQ(got, expected) << ghost;
  }
  FrameBitmap catalogue = picture, direct = picture;
  ApplyFilter(11, catalogue, {});
  TelevisionFilter(direct, true);
  EXPECT_EQ(catalogue, direct);
}

// ---- "サイケ"

FrameBitmap RefPsychedelic(FrameBitmap w) {
  ref::BoostClarity(w);
  ref::SoftFocus(w, 8, 0.2);
  int colours[3][3];  // [colour][r, g, b]
  for (auto& c : colours)
    for (int& ch : c) ch = Random(128) + 16;
  const bool vertical = Random(2) == 0;
  const int lines = vertical ? w.Height : w.Width;
  for (int y = 0; y < w.Height; ++y)
    for (int x = 0; x < w.Width; ++x) {
      const int line = vertical ? y : x;
      const int half = lines / 2;
      const int* a = line < half ? colours[0] : colours[1];
      const int* b = line < half ? colours[1] : colours[2];
      const int n = line < half ? half : lines - half, i = line < half ? line : line - half;
      int v[3];  // r, g, b
      for (int k = 0; k < 3; ++k) {
        const int grad = ref::Round(static_cast<double>(b[k] - a[k]) / n * i + a[k]);
        const int c = Ch(w, x, y, 2 - k);
        v[k] = std::abs(ref::OverlayFast(c, c) - grad);
      }
      ref::HsvF hsv = ref::RgbToHsv(v[0], v[1], v[2]);
      hsv.v = static_cast<float>(std::min(hsv.v * 1.2, 255.0));
      float r, g, bl;
      ref::HsvToRgb(hsv.h, hsv.s, hsv.v, r, g, bl);
      SetTruncated(w, x, y, r, g, bl);
    }
  return w;
}

TEST(Psychedelic, MatchesThePlainStepsWithTheSameDraws) {
  for (const auto& [w, h] : {std::pair{31, 22}, std::pair{5, 4}, std::pair{1, 1}})
    for (std::uint64_t seed : {1, 2, 3, 4}) {
      const FrameBitmap picture = ref::PhotoLikePicture(w, h, static_cast<unsigned>(seed));
      SeedRandom(seed);
      FrameBitmap got = picture;
      ApplyFilter(16, got, {});
      SeedRandom(seed);
      EXPECT_EQ(got, RefPsychedelic(picture)) << w << "x" << h << " seed " << seed;
    }
}

TEST(Psychedelic, FourRowGradientHalves) {
  // Rows: c1, halfway c1..c2, c2, halfway c2..c3 (halves to even).
  const struct { int a, b, n, i, value; } cases[] = {
      {16, 143, 2, 0, 16}, {16, 143, 2, 1, 80}, {17, 20, 2, 1, 18}, {19, 20, 2, 1, 20}, {143, 16, 2, 1, 80}, {50, 60, 5, 4, 58}};
  for (const auto& c : cases) EXPECT_EQ(GradientValue(c.a, c.b, c.n, c.i), c.value) << c.a << ".." << c.b << " " << c.i;
  // With a black picture the overlay is 0 and the result is the gradient brightened.
  FrameBitmap black = ref::Uniform(3, 4, 0, 0, 0);
  PsychedelicDraw draw;
  draw.C1 = {100, 100, 100};
  draw.C2 = {50, 50, 50};
  draw.C3 = {20, 20, 20};
  draw.Vertical = true;
  PsychedelicLook(black, draw);
  const int rows[4] = {120, 90, 60, 42};  // 100, 75, 50, 35 times 1.2
  for (int y = 0; y < 4; ++y) EXPECT_EQ(Ch(black, 1, y, 0), rows[y]) << y;
}

// ---- "フェイクHDR"

TEST(FakeHdr, UniformStaysUniformAndThePlainSteps) {
  BuildFilterTables();
  for (int v : {0, 77, 128, 255}) {
    FrameBitmap flat = ref::Uniform(30, 20, v, v / 2, 255 - v);
    ApplyFilter(20, flat, {});
    for (std::size_t i = 3; i < flat.Pixels.size(); ++i) ASSERT_EQ(flat.Pixels[i], flat.Pixels[i % 3]) << v;
  }
  const FrameBitmap picture = ref::PhotoLikePicture(60, 45, 7);
  FrameBitmap m = picture;
  ref::ToGrey(m);
  ref::MapEach(m, [](int i, int) { return 255 - i; });
  ref::GaussianBlur(m, 8);
  ref::GaussianBlur(m, 8);
  FrameBitmap q = ref::LayerBlend(picture, m, 100, ref::Overlay);
  q = ref::LayerBlend(q, m, 100, ref::Overlay);
  q = ref::LayerBlend(q, m, 100, ref::Overlay);
  q = ref::LayerBlend(picture, q, 100, ref::Overlay);
  ref::AdjustHsv(q, 1.0, 1.1);
  ref::Sharpen(q, 6);
  FrameBitmap got = picture;
  ApplyFilter(20, got, {});
  EXPECT_EQ(got, q);
}

TEST(ApplyFilter, EveryKindOfTheCatalogueChangesAPhoto) {
  const FrameBitmap picture = ref::PhotoLikePicture(40, 30, 8);
  for (int kind = 1; kind <= 21; ++kind) {
    FrameBitmap p = picture;
    ApplyFilter(kind, p, FilterContext{});
    EXPECT_NE(p, picture) << kind;
  }
}

}  // namespace
