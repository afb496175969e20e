// The pieces of the Increase pile that do not need the show path: the print
// sizes, the instant print's square, the tilt and the pile filter choice.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "TransitionRig.h"
#include "platform/Random.h"
#include "transitions/IncreaseFilterChoice.h"
#include "transitions/PhotoPrint.h"
#include "transitions/TiltPhoto.h"

namespace {

const std::uint8_t* Px(const FrameBitmap& b, int x, int y) { return b.At(x, y); }
bool IsColour(const FrameBitmap& b, int x, int y, ColorRef c) {
  const std::uint8_t* p = b.At(x, y);
  return p[0] == BlueOf(c) && p[1] == GreenOf(c) && p[2] == RedOf(c);
}

// A landscape 4000 x 3000 picture on 1920 x 1080 through every border kind
// and the three tabulated long sides.
TEST(PhotoPrint, MeasuresOfTheTabulatedLongSides) {
  struct Case {
    int P;
    int standardB, standardLong, standardFramed;
    int instantW, instantH, instantB, instantSquare, instantBottom;
  };
  const Case cases[] = {
      {200, 5, 190, 201, 161, 201, 7, 146, 47},
      {456, 11, 434, 457, 365, 457, 15, 334, 107},
      {500, 12, 476, 501, 401, 501, 17, 366, 117},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.P);
    const PrintMeasures standard = MeasurePrint(1, c.P);
    EXPECT_EQ(standard.B, c.standardB);
    const PhotoSize s = PhotoSizeFor(standard, 4000, 3000, 1920, 1080);
    EXPECT_EQ(s.Width, c.standardLong);
    const FrameBitmap framed = FramePhoto(FrameBitmap(s.Width, s.Height), standard);
    EXPECT_EQ(framed.Width, c.standardFramed);

    const PrintMeasures instant = MeasurePrint(2, c.P);
    EXPECT_EQ(instant.B, c.instantB);
    const PhotoSize i = PhotoSizeFor(instant, 4000, 3000, 1920, 1080);
    EXPECT_EQ(i.Height, c.instantSquare);
    const FrameBitmap square = CutInstantSquare(FrameBitmap(i.Width, i.Height));
    EXPECT_EQ(square.Width, c.instantSquare + 1);
    const FrameBitmap print = FramePhoto(square, instant);
    EXPECT_EQ(print.Width, c.instantW);
    EXPECT_EQ(print.Height, c.instantH);
    EXPECT_EQ(print.Height - c.instantB - square.Height, c.instantBottom);

    const PrintMeasures none = MeasurePrint(0, c.P);
    EXPECT_EQ(none.B, 0);
    EXPECT_EQ(PhotoSizeFor(none, 4000, 3000, 1920, 1080).Width, c.P);
  }
}

TEST(PhotoPrint, PhotoSizesForPortraitsSquaresAndSmallScreens) {
  struct Case {
    const char* what;
    int incFrame, P, w, h, M, N, width, height;
  };
  const Case cases[] = {
      {"portrait standard", 1, 456, 3000, 4000, 1920, 1080, 325, 434},
      // The scale 434 / 500 is held as a double just below 0.868, and the
      // product with 500 is truncated unrounded, as in every fit.
      {"square counts as landscape", 1, 456, 500, 500, 1920, 1080, 434, 433},
      {"portrait wider than a narrow screen", 1, 456, 3000, 4000, 300, 1080, 278, 370},
      {"landscape taller than a low screen", 1, 456, 4000, 3000, 1920, 300, 370, 278},
      {"portrait without border", 0, 200, 600, 800, 1920, 1080, 150, 200},
      {"instant portrait: the short side is the square", 2, 456, 3000, 4000, 1920, 1080, 334, 445},
      {"instant landscape", 2, 456, 4000, 3000, 1920, 1080, 445, 334},
      {"a thin panorama keeps one pixel", 1, 200, 100000, 10, 1920, 1080, 190, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const PhotoSize s = PhotoSizeFor(MeasurePrint(c.incFrame, c.P), c.w, c.h, c.M, c.N);
    EXPECT_EQ(s.Width, c.width);
    EXPECT_EQ(s.Height, c.height);
  }
}

TEST(PhotoPrint, InstantPrintShowsTheCentredSquareUnstretched) {
  const FrameBitmap portrait = Pattern(6, 10, 7);
  const FrameBitmap square = CutInstantSquare(portrait);
  ASSERT_EQ(square.Width, 7);
  ASSERT_EQ(square.Height, 7);
  for (int i = 0; i < 7; ++i) {
    EXPECT_TRUE(IsColour(square, i, 0, kPrintGrey));
    EXPECT_TRUE(IsColour(square, 0, i, kPrintGrey));
  }
  // Rows 2..7 of the portrait, all its columns, one to one.
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(std::memcmp(Px(square, x + 1, y + 1), Px(portrait, x, y + 2), 3), 0);
}

TEST(PhotoPrint, FrameIsWhiteWithAGreyEdgeRightAndBelow) {
  const PrintMeasures standard = MeasurePrint(1, 200);  // B = 5
  const FrameBitmap photo = Pattern(8, 6, 3);
  const FrameBitmap framed = FramePhoto(photo, standard);
  ASSERT_EQ(framed.Width, 8 + 11);
  ASSERT_EQ(framed.Height, 6 + 11);
  EXPECT_TRUE(IsColour(framed, 0, 0, kPrintWhite));
  EXPECT_TRUE(IsColour(framed, framed.Width - 2, framed.Height - 2, kPrintWhite));
  EXPECT_TRUE(IsColour(framed, framed.Width - 1, 3, kPrintGrey));
  EXPECT_TRUE(IsColour(framed, 3, framed.Height - 1, kPrintGrey));
  EXPECT_EQ(std::memcmp(Px(framed, 5, 5), Px(photo, 0, 0), 3), 0);
  EXPECT_EQ(std::memcmp(Px(framed, 12, 10), Px(photo, 7, 5), 3), 0);
  // Without a border the photo is its own print.
  EXPECT_EQ(FramePhoto(photo, MeasurePrint(0, 200)), photo);
}

TEST(TiltPhoto, NoTiltKeepsThePhotoAndRingsItWithThePile) {
  const FrameBitmap framed = Pattern(9, 5, 4);
  const TiltBox box = MeasureTilt(9, 5, 0);
  EXPECT_EQ(box.J, 11);
  EXPECT_EQ(box.K, 7);
  FrameBitmap screen(20, 20);
  screen.Fill(MakeColorRef(10, 20, 30));
  // Placed partly off the screen: the part outside is the background colour.
  const FrameBitmap out = TiltOnto(framed, box, screen, -1, 15, MakeColorRef(1, 2, 3), false);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 9; ++x) EXPECT_EQ(std::memcmp(Px(out, x + 1, y + 1), Px(framed, x, y), 3), 0);
  EXPECT_TRUE(IsColour(out, 0, 0, MakeColorRef(1, 2, 3)));      // off the left edge
  EXPECT_TRUE(IsColour(out, 5, 0, MakeColorRef(10, 20, 30)));   // the pile beneath
  EXPECT_TRUE(IsColour(out, 5, 6, MakeColorRef(1, 2, 3)));      // below the screen
}

// The box of a tilt and the way the edges blend: every pixel of the output
// lies between the pile's colour and the photo's, and the rotated corners
// of the photo sit where the rotation puts them.
TEST(TiltPhoto, TiltedBoxAndSoftEdges) {
  const int fw = 40, fh = 30;
  for (int angle : {10, 350, 5}) {
    SCOPED_TRACE(angle);
    const TiltBox box = MeasureTilt(fw, fh, angle);
    const double a = angle * std::numbers::pi / 180.0;
    const double c = std::abs(std::cos(a)), s = std::abs(std::sin(a));
    EXPECT_EQ(box.J, static_cast<int>(std::nearbyint((fw + 1) * c + (fh + 1) * s + 1)));
    EXPECT_EQ(box.K, static_cast<int>(std::nearbyint((fw + 1) * s + (fh + 1) * c + 1)));
    FrameBitmap framed(fw, fh);
    framed.Fill(0xFFFFFF);
    FrameBitmap screen(100, 100);
    screen.Fill(0);
    const FrameBitmap out = TiltOnto(framed, box, screen, 10, 10, 0, false);
    int white = 0, black = 0, mixed = 0;
    for (int y = 0; y < out.Height; ++y)
      for (int x = 0; x < out.Width; ++x) {
        const std::uint8_t v = out.At(x, y)[0];
        (v == 255 ? white : v == 0 ? black : mixed)++;
      }
    // The photo's area is about fw x fh; its edges are soft, not a white seam.
    EXPECT_NEAR(white + mixed / 2.0, fw * fh, (fw + fh) * 1.0);
    EXPECT_GT(mixed, 0);
    EXPECT_GT(black, 0);
    // The photo's centre stays white.
    EXPECT_EQ(out.At(out.Width / 2, out.Height / 2)[0], 255);
  }
}

TEST(IncreaseFilterChoice, CompatibilityOfPileFilters) {
  struct Case {
    int imageFilter, pileFilter;
    bool follows;
  };
  const Case cases[] = {
      {0, 0, false}, {0, 1, true},   {0, 21, true},  {1, 1, false},  {1, 2, true},   {1, 0, true},
      {4, 9, false}, {4, 5, true},   {7, 5, false},  {7, 10, false}, {7, 11, true},  {7, 21, false},
      {9, 17, true}, {9, 16, false}, {16, 4, false}, {16, 14, true}, {16, 17, true}, {18, 6, true},
      {18, 7, false}, {20, 16, false}, {20, 17, true}, {21, 21, false}, {21, 1, true}, {22, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.imageFilter << " then " << c.pileFilter);
    EXPECT_EQ(PileFilterFollows(c.imageFilter, c.pileFilter), c.follows);
  }
  for (int f = 1; f < kFilterCount; ++f) EXPECT_FALSE(PileFilterFollows(f, f)) << f;
}

TEST(IncreaseFilterChoice, DrawsFromTheCheckedFiltersThatSuit) {
  SeedRandom(5);
  FilterChecks checks{};
  std::vector<int> bag;
  // Nothing checked: none.
  EXPECT_EQ(DrawIncreaseFilter(bag, checks, 0), 0);
  // Only grey-scale checked after the grey-scale image filter: none.
  checks[1] = true;
  EXPECT_EQ(DrawIncreaseFilter(bag, checks, 1), 0);
  EXPECT_TRUE(bag.empty());
  EXPECT_EQ(DrawIncreaseFilter(bag, checks, 2), 1);
  // Several checked: each round gives every suitable one once.
  checks = {};
  for (int k : {1, 2, 3, 13}) checks[static_cast<std::size_t>(k)] = true;
  std::set<int> round;
  for (int i = 0; i < 4; ++i) round.insert(DrawIncreaseFilter(bag, checks, 0));
  EXPECT_EQ(round, (std::set<int>{1, 2, 3, 13}));
  // After "モノトーン" (3) neither 3 nor 13 is wrong, but 3 is: the draw
  // skips it, and an unsuitable last entry gives none.
  bag = {3};
  EXPECT_EQ(DrawIncreaseFilter(bag, checks, 3), 0);
  bag = {3, 3};
  EXPECT_EQ(DrawIncreaseFilter(bag, checks, 3), 0);
  EXPECT_TRUE(bag.empty());
}

}  // namespace
