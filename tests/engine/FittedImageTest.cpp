#include <gtest/gtest.h>

#include "ImageFixtures.h"
#include "engine/FittedImage.h"

namespace {
FrameBitmap Flat(int w, int h, ColorRef c) {
  FrameBitmap b(w, h);
  b.Fill(c);
  return b;
}
bool IsColour(const FrameBitmap& b, int x, int y, ColorRef c) {
  const std::uint8_t* p = b.At(x, y);
  return p[0] == BlueOf(c) && p[1] == GreenOf(c) && p[2] == RedOf(c);
}
constexpr ColorRef kPicture = 0x00306090;
constexpr ColorRef kBackground = 0x00010203;
}  // namespace

TEST(FittedImageTest, LandscapePhotoIsReducedAndCentred) {
  const FrameBitmap photo = Flat(4000, 3000, kPicture);
  const FitResult fit = FitImage(photo.Width, photo.Height, 1920, 1080, 0);
  FrameBitmap fitted = PrepareFittedImage(photo, 0, fit);
  ASSERT_EQ(fitted.Width, 1439);
  ASSERT_EQ(fitted.Height, 1080);
  EXPECT_TRUE(IsColour(fitted, 700, 500, kPicture));
  FrameBitmap screen;
  ComposeScreen(screen, fitted, ScreenLayout{1920, 1080, kBackground, 0}, FilterContext{});
  ASSERT_EQ(screen.Width, 1920);
  ASSERT_EQ(screen.Height, 1080);
  EXPECT_TRUE(IsColour(screen, 239, 0, kBackground));
  EXPECT_TRUE(IsColour(screen, 240, 0, kPicture));
  EXPECT_TRUE(IsColour(screen, 240 + 1438, 1079, kPicture));
  EXPECT_TRUE(IsColour(screen, 240 + 1439, 1079, kBackground));
}

TEST(FittedImageTest, OrientationSixIsScaledOnItsSideThenTurned) {
  // Stored 3000 x 2000 with a marker in the stored bottom-left corner, which
  // a clockwise quarter turn brings to the top-left.
  FrameBitmap photo = Flat(3000, 2000, kPicture);
  for (int y = 1900; y < 2000; ++y)
    for (int x = 0; x < 100; ++x) std::memset(photo.At(x, y), 255, 3);
  const FitResult fit = FitImage(2000, 3000, 1920, 1080, 0);
  const FrameBitmap fitted = PrepareFittedImage(photo, 90, fit);
  ASSERT_EQ(fitted.Width, 719);
  ASSERT_EQ(fitted.Height, 1080);
  EXPECT_TRUE(IsColour(fitted, 5, 5, 0x00FFFFFF));
  EXPECT_TRUE(IsColour(fitted, 713, 5, kPicture));
  EXPECT_TRUE(IsColour(fitted, 5, 1074, kPicture));

  const FrameBitmap upsideDown = PrepareFittedImage(photo, 180, FitImage(3000, 2000, 1920, 1080, 0));
  ASSERT_EQ(upsideDown.Width, 1620);
  EXPECT_TRUE(IsColour(upsideDown, 1615, 5, 0x00FFFFFF));
}

TEST(FittedImageTest, EnlargedCopiedAndFramed) {
  const FrameBitmap small = MakeBitmap(640, 480, [](int x, int y) { return std::tuple{x % 256, y % 256, 7}; });
  const FrameBitmap big = PrepareFittedImage(small, 0, FitImage(640, 480, 1920, 1080, 0));
  EXPECT_EQ(big.Width, 1440);
  EXPECT_EQ(big.Height, 1080);

  EXPECT_EQ(PrepareFittedImage(small, 0, FitImage(640, 480, 640, 480, 0)), small);

  // Filter 8 keeps 27 pixels free: 1368 x 1026 drawn at (276, 27), inside
  // its white frame of 27 pixels, which starts at (249, 0).
  FrameBitmap framed = PrepareFittedImage(Flat(4000, 3000, kPicture), 0, FitImage(4000, 3000, 1920, 1080, 27));
  ASSERT_EQ(framed.Width, 1368);
  ASSERT_EQ(framed.Height, 1026);
  FrameBitmap screen;
  ComposeScreen(screen, framed, ScreenLayout{1920, 1080, kBackground, 8}, FilterContext{27});
  constexpr ColorRef kWhite = 0x00FFFFFF;
  EXPECT_FALSE(IsColour(screen, 276, 27, kWhite));
  EXPECT_TRUE(IsColour(screen, 275, 27, kWhite));
  EXPECT_TRUE(IsColour(screen, 276, 26, kWhite));
  EXPECT_TRUE(IsColour(screen, 249, 0, kWhite));
  EXPECT_TRUE(IsColour(screen, 248, 0, kBackground));
}
