// Blurs, sketches and the quadrant smoothing against their plain definitions.
#include <gtest/gtest.h>

#include "Reference.h"
#include "filters/BoostClarity.h"
#include "filters/Convolutions.h"
#include "filters/FilterTables.h"
#include "filters/GaussianBlur.h"
#include "filters/QuadrantSmooth.h"

namespace {

using ref::Ch;

TEST(GaussianKernels, LengthsWeightsAndPremultipliedRows) {
  const struct { int sigma, length; } cases[] = {{1, 4}, {2, 7}, {3, 10}, {4, 13}, {5, 16}, {6, 19}, {7, 22}, {8, 25}, {9, 28}, {10, 31}, {20, 61}, {30, 91}};
  for (const auto& c : cases) {
    const GaussianKernel* k = TabulatedGaussianKernel(c.sigma);
    ASSERT_NE(k, nullptr) << c.sigma;
    EXPECT_EQ(k->Length, c.length);
    EXPECT_EQ(k->Weights[0], 1.0f);
    for (int i = 0; i < k->Length; ++i) {
      EXPECT_EQ(k->Weights[i], static_cast<float>(std::exp(-(double)i * i / (2.0 * c.sigma * c.sigma))));
      // The blur multiplies instead of looking up: both give the same float.
      for (int v = 0; v < 256; ++v) ASSERT_EQ(k->Premultiplied[v * k->Length + i], static_cast<float>(v * (double)k->Weights[i]));
    }
  }
  EXPECT_EQ(TabulatedGaussianKernel(11), nullptr);
  const GaussianKernel eleven = MakeGaussianKernel(11, false);
  EXPECT_EQ(eleven.Length, 34);
  EXPECT_EQ(eleven.Weights[33], static_cast<float>(std::exp(-33.0 * 33.0 / 242.0)));
}

TEST(GaussianBlur, UniformPicturesStayAndSigmaOutOfRangeChangesNothing) {
  for (int sigma : {1, 3, 8, 11, 30}) {
    FrameBitmap uniform = ref::Uniform(70, 9, 3, 128, 254);
    const FrameBitmap before = uniform;
    GaussianBlur(uniform, sigma);
    EXPECT_EQ(uniform, before) << sigma;
  }
  for (int sigma : {0, 31, -2}) {
    FrameBitmap picture = ref::RandomPicture(12, 12, 1);
    GaussianBlur(picture, sigma);
    EXPECT_EQ(picture, ref::RandomPicture(12, 12, 1));
  }
}

TEST(GaussianBlur, MatchesThePlainFloatSumsOnWideNarrowAndTinyPictures) {
  // Wide enough for the vector blocks, narrower than the kernel, and a
  // single pixel; sigma 11 has no table.
  const struct { int w, h, sigma; } cases[] = {{150, 40, 2}, {100, 60, 8}, {90, 30, 11}, {7, 5, 3}, {1, 1, 8}, {200, 3, 1}, {3, 90, 4}};
  for (const auto& c : cases) {
    FrameBitmap got = ref::PhotoLikePicture(c.w, c.h, c.w + c.sigma), expected = got;
    GaussianBlur(got, c.sigma);
    ref::GaussianBlur(expected, c.sigma);
    EXPECT_EQ(got, expected) << c.w << "x" << c.h << " sigma " << c.sigma;
  }
}

TEST(SoftFocus, AverageOfPictureAndBlurThenContrast) {
  for (double contrast : {0.0, 0.2, 0.25}) {
    const FrameBitmap picture = ref::PhotoLikePicture(80, 50, 2);
    FrameBitmap got = picture, blurred = picture;
    SoftFocus(got, 8, contrast);
    ref::GaussianBlur(blurred, 8);
    FrameBitmap expected = picture;
    for (std::size_t i = 0; i < expected.Pixels.size(); ++i) {
      int b = ref::Round((picture.Pixels[i] + blurred.Pixels[i]) / 2.0);
      if (contrast != 0) b = ref::Round(contrast * (b - 127.5) + b);
      expected.Pixels[i] = static_cast<std::uint8_t>(b);
    }
    EXPECT_EQ(got, expected) << contrast;
  }
}

TEST(GaussianBlurGrey, SameAsTheThreeChannelBlurOnGreyPictures) {
  const struct { int w, h, sigma; double contrast; } cases[] = {{90, 40, 8, 0.0}, {37, 29, 2, 0.25}, {5, 70, 3, 0.0}, {1, 1, 2, 0.2}, {64, 3, 30, 0.0}};
  for (const auto& c : cases) {
    FrameBitmap grey = ref::PhotoLikePicture(c.w, c.h, static_cast<unsigned>(c.w));
    ref::ToGrey(grey);
    FrameBitmap got = grey, expected = grey;
    GaussianBlurGrey(got, c.sigma);
    GaussianBlur(expected, c.sigma);
    EXPECT_EQ(got, expected) << c.w << "x" << c.h << " sigma " << c.sigma;
    got = expected = grey;
    SoftFocusGrey(got, c.sigma, c.contrast);
    SoftFocus(expected, c.sigma, c.contrast);
    EXPECT_EQ(got, expected) << c.w << "x" << c.h << " sigma " << c.sigma;
  }
  FrameBitmap untouched = ref::Uniform(4, 4, 9, 9, 9);
  GaussianBlurGrey(untouched, 31);
  EXPECT_EQ(untouched, ref::Uniform(4, 4, 9, 9, 9));
}

TEST(HardSharpen, SizesGuardsAndTheOutsideRule) {
  FrameBitmap four = ref::RandomPicture(9, 9, 3);
  HardSharpen(four, 4);
  EXPECT_EQ(four, ref::RandomPicture(9, 9, 3));
  FrameBitmap uniform = ref::Uniform(12, 8, 200, 10, 77);
  HardSharpen(uniform, 5);
  EXPECT_EQ(uniform, ref::Uniform(12, 8, 200, 10, 77));
  for (int n : {3, 5, 7, 9})
    for (const auto& [w, h] : {std::pair{21, 13}, std::pair{3, 2}}) {
      FrameBitmap got = ref::PhotoLikePicture(w, h, n), expected = got;
      HardSharpen(got, n);
      ref::HardSharpen(expected, n);
      EXPECT_EQ(got, expected) << n << " on " << w << "x" << h;
    }
}

TEST(Sketches, UniformGivesWhiteAndPicturesMatchTheDefinitions) {
  FrameBitmap edges = ref::Uniform(6, 4, 40, 90, 200), laplacian = edges;
  EdgeSketch(edges);
  LaplacianSketch(laplacian);
  EXPECT_EQ(edges, ref::Uniform(6, 4, 255, 255, 255));
  EXPECT_EQ(laplacian, ref::Uniform(6, 4, 255, 255, 255));

  const FrameBitmap picture = ref::PhotoLikePicture(25, 17, 4);
  FrameBitmap got = picture, expected = picture;
  EdgeSketch(got);
  ref::EdgeSketch(expected);
  EXPECT_EQ(got, expected);
  got = expected = picture;
  LaplacianSketch(got);
  ref::LaplacianSketch(expected);
  EXPECT_EQ(got, expected);
  // Pictures of one, two and three columns or rows have no interior.
  for (const auto& [w, h] : {std::pair{25, 17}, std::pair{1, 1}, std::pair{2, 3}, std::pair{3, 1}, std::pair{4, 2}})
    for (int strength : {55, 100}) {
      const FrameBitmap small = ref::PhotoLikePicture(w, h, static_cast<unsigned>(w + h));
      expected = got = small;
      ref::SketchCombine(expected, strength);
      SketchCombine(got, strength);
      EXPECT_EQ(got, expected) << strength << " on " << w << "x" << h;
    }
  // Beside a black line on white the Laplacian sketch is black, and at
  // strength 55 the combination gives 255 - round(255 * 0.55) = 115.
  FrameBitmap line = ref::Uniform(5, 5, 255, 255, 255);
  for (int y = 0; y < 5; ++y) line.At(2, y)[0] = line.At(2, y)[1] = line.At(2, y)[2] = 0;
  SketchCombine(line, 55);
  EXPECT_EQ(line.At(1, 2)[0], 115);
  FrameBitmap white = ref::Uniform(4, 4, 90, 90, 90);
  SketchCombine(white, 100);
  EXPECT_EQ(white, ref::Uniform(4, 4, 255, 255, 255));
}

TEST(LineArt, GreyThresholdAndThePictureDefinition) {
  for (int v = 0; v < 256; ++v) {
    FrameBitmap grey = ref::Uniform(4, 3, v, v, v);
    LineArt(grey);
    const int expected = v <= 23 ? 0 : 255;
    for (std::uint8_t c : grey.Pixels) ASSERT_EQ(c, expected) << v;
  }
  const FrameBitmap picture = ref::PhotoLikePicture(40, 30, 5);
  FrameBitmap blurred = picture;
  ref::GaussianBlur(blurred, 2);
  FrameBitmap expected = picture;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      int d[3];
      for (int c = 0; c < 3; ++c) d[c] = ref::Round(Ch(picture, x, y, c) * 256.0 / (Ch(blurred, x, y, c) + 1));
      const int ink = ref::Luma(d[2], d[1], d[0]) < 246 ? 0 : 255;
      for (int c = 0; c < 3; ++c) Ch(expected, x, y, c) = static_cast<std::uint8_t>(ink);
    }
  FrameBitmap got = picture;
  LineArt(got);
  EXPECT_EQ(got, expected);
}

TEST(QuadrantSmooth, WindowChoices) {
  // Radius 1 on 3 x 3, red only: every window of the centre spreads 4, and
  // only the upper-left one (14, 10 / 10, 10) has the mean 11; the others 9.
  FrameBitmap grid = ref::Uniform(3, 3, 0, 0, 0);
  const int red[3][3] = {{14, 10, 6}, {10, 10, 10}, {6, 10, 6}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) grid.At(x, y)[2] = static_cast<std::uint8_t>(red[y][x]);
  FrameBitmap smoothed = grid;
  QuadrantSmooth(smoothed, 1);
  EXPECT_EQ(smoothed.At(1, 1)[2], 11);
  // At the top-left corner only window 2 fits, the same four pixels.
  EXPECT_EQ(smoothed.At(0, 0)[2], 11);
  // At the bottom-right corner only window 0 fits: 10, 10 / 10, 6 -> 9.
  EXPECT_EQ(smoothed.At(2, 2)[2], 9);
  // A sharp edge: the pixel beside it takes the calm side.
  FrameBitmap edge = ref::Uniform(6, 6, 0, 0, 0);
  for (int y = 0; y < 6; ++y)
    for (int x = 3; x < 6; ++x) edge.At(x, y)[0] = edge.At(x, y)[1] = edge.At(x, y)[2] = 200;
  edge.At(2, 2)[0] = 40;  // a dark-side pixel that differs a little
  FrameBitmap calm = edge;
  QuadrantSmooth(calm, 1);
  EXPECT_EQ(calm.At(3, 3)[0], 200);
  EXPECT_EQ(calm.At(2, 4)[0], 0);
  for (int r : {0, 11}) {
    FrameBitmap untouched = edge;
    QuadrantSmooth(untouched, r);
    OilPaintSmooth(untouched, r);
    EXPECT_EQ(untouched, edge);
  }
}

TEST(QuadrantSmooth, MatchesThePlainDefinition) {
  for (int r : {1, 2, 3, 5}) {
    const FrameBitmap picture = ref::PhotoLikePicture(37, 29, r);
    FrameBitmap got = picture;
    QuadrantSmooth(got, r);
    EXPECT_EQ(got, ref::QuadrantSmooth(picture, r, false)) << r;
    got = picture;
    OilPaintSmooth(got, r);
    EXPECT_EQ(got, ref::QuadrantSmooth(picture, r, true)) << r;
  }
}

TEST(OilPaintSmooth, ModalBinExampleAndTies) {
  // Radius 1 at (0, 0): only window 2, red values 10, 20 / 20, 40.
  FrameBitmap b = ref::Uniform(2, 2, 0, 0, 0);
  b.At(0, 0)[2] = 10;
  b.At(1, 0)[2] = 20;
  b.At(0, 1)[2] = 20;
  b.At(1, 1)[2] = 40;
  // Blue: one value in each of four bins, the lowest bin wins: 5.
  b.At(0, 0)[0] = 5;
  b.At(1, 0)[0] = 100;
  b.At(0, 1)[0] = 200;
  b.At(1, 1)[0] = 50;
  // Green: two bins of two, the lower one (values 17, 18) wins; mean 17.5 -> 18.
  b.At(0, 0)[1] = 17;
  b.At(1, 0)[1] = 240;
  b.At(0, 1)[1] = 18;
  b.At(1, 1)[1] = 250;
  OilPaintSmooth(b, 1);
  EXPECT_EQ(b.At(0, 0)[2], 20);
  EXPECT_EQ(b.At(0, 0)[0], 5);
  EXPECT_EQ(b.At(0, 0)[1], 18);
}

TEST(QuadrantSmooth, PicturesSmallerThanTheWindowsUseClippedWindows) {
  // 3 x 2 at radius 3: no window fits; every pixel takes a clipped window
  // and stays within the picture's values.
  FrameBitmap tiny = ref::RandomPicture(3, 2, 6);
  FrameBitmap q = tiny, o = tiny;
  QuadrantSmooth(q, 3);
  OilPaintSmooth(o, 3);
  for (std::size_t i = 0; i < tiny.Pixels.size(); i += 3) {
    for (int c = 0; c < 3; ++c) {
      int lo = 255, hi = 0;
      for (std::size_t j = c; j < tiny.Pixels.size(); j += 3) {
        lo = std::min<int>(lo, tiny.Pixels[j]);
        hi = std::max<int>(hi, tiny.Pixels[j]);
      }
      EXPECT_GE(q.Pixels[i + c], lo);
      EXPECT_LE(q.Pixels[i + c], hi);
      EXPECT_GE(o.Pixels[i + c], lo);
      EXPECT_LE(o.Pixels[i + c], hi);
    }
  }
  // A uniform small picture stays uniform.
  FrameBitmap small = ref::Uniform(2, 9, 9, 99, 199);
  QuadrantSmooth(small, 4);
  EXPECT_EQ(small, ref::Uniform(2, 9, 9, 99, 199));
  // A single pixel keeps its colour.
  FrameBitmap one = ref::Uniform(1, 1, 1, 2, 3);
  OilPaintSmooth(one, 10);
  EXPECT_EQ(one, ref::Uniform(1, 1, 1, 2, 3));
}

TEST(BoostClarity, MatchesTheThreeCopyDefinition) {
  const FrameBitmap picture = ref::RandomPicture(16, 16, 12);
  FrameBitmap got = picture, expected = picture;
  BoostClarity(got);
  ref::BoostClarity(expected);
  EXPECT_EQ(got, expected);
}

}  // namespace
