#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>

#include "ImageFixtures.h"
#include "engine/DecodeImageFile.h"
#include "engine/ImageDecoders.h"
#include "engine/ImageError.h"

namespace {

struct Bgr {
  int b, g, r;
};

void ExpectPixel(const FrameBitmap& bmp, int x, int y, Bgr want, int tolerance = 0) {
  const std::uint8_t* p = bmp.At(x, y);
  EXPECT_NEAR(p[0], want.b, tolerance) << "blue at " << x << "," << y;
  EXPECT_NEAR(p[1], want.g, tolerance) << "green at " << x << "," << y;
  EXPECT_NEAR(p[2], want.r, tolerance) << "red at " << x << "," << y;
}

class DecodeImageFileTest : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(WriteFile(path, bytes));
    return path;
  }
  // The reason of the ImageError that decoding path raises, or "" when it decodes.
  QString FailureOf(const QString& path, const DecodeOptions& options = {}) {
    try {
      DecodeImageFile(path, options);
    } catch (const ImageError& e) {
      EXPECT_EQ(e.File(), path);
      EXPECT_TRUE(e.Message().contains(path));
      return e.Reason();
    }
    return {};
  }
  QTemporaryDir dir;
};

std::vector<std::uint8_t> Repeat(std::initializer_list<std::uint8_t> pixel, int count) {
  std::vector<std::uint8_t> v;
  for (int i = 0; i < count; ++i) v.insert(v.end(), pixel);
  return v;
}

std::vector<std::uint8_t> Noise(std::size_t n, unsigned seed) {
  std::vector<std::uint8_t> v(n);
  for (auto& b : v) b = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 16);
  return v;
}

}  // namespace

TEST_F(DecodeImageFileTest, JpegColourSpacesGiveBgr) {
  const FrameBitmap rgb = DecodeImageFile(Write("rgb.jpg", MakeJpeg(16, 8, JCS_RGB, Repeat({250, 20, 10}, 128))));
  ASSERT_EQ(rgb.Width, 16);
  ASSERT_EQ(rgb.Height, 8);
  ExpectPixel(rgb, 5, 5, {10, 20, 250}, 3);

  const FrameBitmap grey = DecodeImageFile(Write("grey.JPEG", MakeJpeg(8, 8, JCS_GRAYSCALE, Repeat({77}, 64))));
  ExpectPixel(grey, 3, 3, {77, 77, 77}, 1);

  // Adobe CMYK is stored inverted: (255, 0, 0, 255) is no cyan, full magenta
  // and yellow, no black, which is red.
  const FrameBitmap cmyk = DecodeImageFile(Write("cmyk.Jpe", MakeJpeg(8, 8, JCS_CMYK, Repeat({255, 0, 0, 255}, 64))));
  ExpectPixel(cmyk, 4, 4, {0, 0, 255}, 3);
  const FrameBitmap halfBlack = DecodeImageFile(Write("k.jpg", MakeJpeg(8, 8, JCS_CMYK, Repeat({255, 255, 255, 128}, 64))));
  ExpectPixel(halfBlack, 4, 4, {128, 128, 128}, 3);
}

TEST_F(DecodeImageFileTest, PngColourTypes) {
  PngFixture rgb{2, 1, PNG_COLOR_TYPE_RGB, 8, false, {1, 2, 3, 4, 5, 6}, {}, {}};
  FrameBitmap b = DecodeImageFile(Write("rgb.png", MakePng(rgb)));
  ExpectPixel(b, 0, 0, {3, 2, 1});
  ExpectPixel(b, 1, 0, {6, 5, 4});

  // Palette with a fully transparent entry: that pixel takes the matte colour.
  PngFixture pal{2, 1, PNG_COLOR_TYPE_PALETTE, 8, false, {0, 1}, {10, 20, 30, 40, 50, 60}, {255, 0}};
  DecodeOptions matte;
  matte.Matte = MakeColorRef(9, 8, 7);
  b = DecodeImageFile(Write("pal.PNG", MakePng(pal)), matte);
  ExpectPixel(b, 0, 0, {30, 20, 10});
  ExpectPixel(b, 1, 0, {7, 8, 9});

  // 1-bit grey: 0b10100000 gives white, black, white, black.
  PngFixture grey1{4, 1, PNG_COLOR_TYPE_GRAY, 1, false, {0xA0}, {}, {}};
  b = DecodeImageFile(Write("g1.png", MakePng(grey1)));
  ExpectPixel(b, 0, 0, {255, 255, 255});
  ExpectPixel(b, 1, 0, {0, 0, 0});

  // Grey with alpha over the default white matte: 100 at alpha 51 is
  // (100 * 51 + 255 * 204 + 127) / 255 = 224.
  PngFixture greyAlpha{1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {100, 51}, {}, {}};
  b = DecodeImageFile(Write("ga.png", MakePng(greyAlpha)));
  ExpectPixel(b, 0, 0, {224, 224, 224});

  // Text chunks are skipped without harm.
  PngFixture text = rgb;
  text.withText = true;
  b = DecodeImageFile(Write("text.png", MakePng(text)));
  ExpectPixel(b, 1, 0, {6, 5, 4});

  // 16-bit samples are scaled to 8 bits (0xFFFF -> 255, 0x8080 -> 128, 0 -> 0).
  PngFixture rgb16{1, 1, PNG_COLOR_TYPE_RGB, 16, false, {0xFF, 0xFF, 0x80, 0x80, 0x00, 0x00}, {}, {}};
  b = DecodeImageFile(Write("rgb16.png", MakePng(rgb16)));
  ExpectPixel(b, 0, 0, {0, 128, 255});
}

TEST_F(DecodeImageFileTest, InterlacedPngWithAlphaMatchesPlain) {
  PngFixture plain{13, 11, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, Noise(13 * 11 * 4, 7), {}, {}};
  PngFixture interlaced = plain;
  interlaced.interlaced = true;
  DecodeOptions options;
  options.Matte = MakeColorRef(40, 80, 120);
  const FrameBitmap a = DecodeImageFile(Write("plain.png", MakePng(plain)), options);
  const FrameBitmap b = DecodeImageFile(Write("inter.png", MakePng(interlaced)), options);
  EXPECT_EQ(a, b);
  const std::uint8_t* s = plain.samples.data();  // pixel (0, 0): r, g, b, a
  ExpectPixel(a, 0, 0, {ComposeOver(s[2], s[3], 120), ComposeOver(s[1], s[3], 80), ComposeOver(s[0], s[3], 40)});
}

TEST_F(DecodeImageFileTest, GifFirstFrameOnLogicalScreen) {
  // Screen 4 x 3, a 2 x 2 frame at (1, 1); index 2 is transparent.
  GifFixture f{4, 3, 1, 1, 2, 2, false, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255}, {0, 1, 2, 0}};
  DecodeOptions options;
  options.Matte = MakeColorRef(1, 2, 3);
  const FrameBitmap b = DecodeImageFile(Write("a.GIF", MakeGif(f)), options);
  ASSERT_EQ(b.Width, 4);
  ASSERT_EQ(b.Height, 3);
  ExpectPixel(b, 0, 0, {3, 2, 1});    // outside the frame
  ExpectPixel(b, 1, 1, {0, 0, 255});  // red
  ExpectPixel(b, 2, 1, {0, 255, 0});  // green
  ExpectPixel(b, 1, 2, {3, 2, 1});    // transparent
  ExpectPixel(b, 2, 2, {0, 0, 255});

  GifFixture tall{3, 9, 0, 0, 3, 9, false, -1, {0, 0, 0, 255, 255, 255}, {}};
  for (int i = 0; i < 27; ++i) tall.indices.push_back(static_cast<std::uint8_t>((i / 3 + i) % 2));
  GifFixture tallInterlaced = tall;
  tallInterlaced.interlaced = true;
  EXPECT_EQ(DecodeImageFile(Write("t.gif", MakeGif(tall))), DecodeImageFile(Write("ti.gif", MakeGif(tallInterlaced))));
}

TEST_F(DecodeImageFileTest, BmpThroughQt) {
  QImage image(3, 2, QImage::Format_RGB888);
  image.fill(QColor(10, 20, 30));
  image.setPixelColor(2, 1, QColor(200, 100, 50));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(image.save(&buffer, "BMP"));
  const FrameBitmap b = DecodeImageFile(Write("pic.Bmp", bytes));
  ASSERT_EQ(b.Width, 3);
  ExpectPixel(b, 0, 0, {30, 20, 10});
  ExpectPixel(b, 2, 1, {50, 100, 200});
}

TEST_F(DecodeImageFileTest, WrongExtensionFailsInTheNamedDecoder) {
  PngFixture rgb{1, 1, PNG_COLOR_TYPE_RGB, 8, false, {1, 2, 3}, {}, {}};
  const QString reason = FailureOf(Write("png.JPG", MakePng(rgb)));
  EXPECT_TRUE(reason.contains(QStringLiteral("JPEG"))) << reason.toStdString();
  EXPECT_FALSE(FailureOf(Write("jpeg.png", MakeJpeg(8, 8, JCS_GRAYSCALE, Repeat({1}, 64)))).isEmpty());
  EXPECT_FALSE(FailureOf(Write("png.gif", MakePng(rgb))).isEmpty());
  EXPECT_FALSE(FailureOf(Write("png.bmp", MakePng(rgb))).isEmpty());
  EXPECT_FALSE(FailureOf(dir.filePath("missing.jpg")).isEmpty());
  EXPECT_FALSE(FailureOf(Write("empty.jpg", QByteArray())).isEmpty());
}

TEST_F(DecodeImageFileTest, TruncatedAndCorruptFilesFail) {
  const QByteArray jpeg = MakeJpeg(64, 64, JCS_RGB, Noise(64 * 64 * 3, 1), 90);
  PngFixture pngFixture{64, 64, PNG_COLOR_TYPE_RGB, 8, false, Noise(64 * 64 * 3, 2), {}, {}};
  const QByteArray png = MakePng(pngFixture);
  GifFixture gifFixture{64, 64, 0, 0, 64, 64, false, -1, Noise(256 * 3, 3), Noise(64 * 64, 4)};
  const QByteArray gif = MakeGif(gifFixture);
  QImage image(64, 64, QImage::Format_RGB888);
  image.fill(Qt::gray);
  QByteArray bmp;
  QBuffer buffer(&bmp);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");

  struct Case {
    const char* name;
    QByteArray bytes;
  };
  for (const Case& c : {Case{"j.jpg", jpeg}, Case{"p.png", png}, Case{"g.gif", gif}, Case{"b.bmp", bmp}}) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(FailureOf(Write(c.name, c.bytes)).isEmpty());
    for (qsizetype cut : {qsizetype(10), c.bytes.size() / 2, c.bytes.size() - 30})
      EXPECT_FALSE(FailureOf(Write(c.name, c.bytes.left(cut))).isEmpty()) << "cut at " << cut;
  }
  // Garbage after a valid header: the data stream is damaged.
  QByteArray badPng = png;
  for (qsizetype i = 60; i < badPng.size() - 20; ++i) badPng[i] = static_cast<char>(i * 7);
  EXPECT_FALSE(FailureOf(Write("bad.png", badPng)).isEmpty());
}

TEST_F(DecodeImageFileTest, HugePicturesAreRefusedBeforeAllocation) {
  // A PNG header that claims 70000 x 2 pixels.
  PngFixture wide{70000, 2, PNG_COLOR_TYPE_GRAY, 1, false, std::vector<std::uint8_t>(8750 * 2), {}, {}};
  EXPECT_TRUE(FailureOf(Write("wide.png", MakePng(wide))).contains(QStringLiteral("大きすぎます")));

  DecodeOptions small;
  small.MaxPixels = 1000;
  const QByteArray jpeg = MakeJpeg(40, 40, JCS_GRAYSCALE, Repeat({9}, 1600));
  EXPECT_TRUE(FailureOf(Write("big.jpg", jpeg), small).contains(QStringLiteral("大きすぎます")));
  GifFixture gif{40, 40, 0, 0, 40, 40, false, -1, {0, 0, 0}, std::vector<std::uint8_t>(1600)};
  EXPECT_TRUE(FailureOf(Write("big.gif", MakeGif(gif)), small).contains(QStringLiteral("大きすぎます")));
}

namespace {

// A one-row 16-bit BMP: an info header of headerSize bytes (40, or 108 for
// one that carries an alpha mask), the masks when compression is 3, then the
// pixels (two bytes each, rows padded to four bytes).
QByteArray SixteenBitBmp(int headerSize, int compression, std::vector<std::uint32_t> masks,
                         std::vector<std::uint16_t> pixels) {
  QByteArray header(14 + headerSize, '\0');
  auto put = [](QByteArray& b, int at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  QByteArray extra;
  if (headerSize == 40 && compression == 3)
    for (std::uint32_t m : masks) extra.append(QByteArray(4, '\0')), put(extra, extra.size() - 4, m, 4);
  if (headerSize >= 56)
    for (std::size_t i = 0; i < masks.size(); ++i) put(header, 54 + 4 * static_cast<int>(i), masks[i], 4);
  QByteArray row;
  for (std::uint16_t p : pixels) row.append(static_cast<char>(p & 0xFF)).append(static_cast<char>(p >> 8));
  while (row.size() % 4) row.append('\0');
  header[0] = 'B';
  header[1] = 'M';
  const int offset = 14 + headerSize + static_cast<int>(extra.size());
  put(header, 2, static_cast<std::uint32_t>(offset + row.size()), 4);
  put(header, 10, static_cast<std::uint32_t>(offset), 4);
  put(header, 14, static_cast<std::uint32_t>(headerSize), 4);
  put(header, 18, static_cast<std::uint32_t>(pixels.size()), 4);
  put(header, 22, 1, 4);
  put(header, 26, 1, 2);
  put(header, 28, 16, 2);
  put(header, 30, static_cast<std::uint32_t>(compression), 4);
  return header + extra + row;
}

}  // namespace

TEST_F(DecodeImageFileTest, SixteenBitBmpChannelsSpanTheFullRange) {
  struct Case {
    const char* name;
    QByteArray bytes;
    std::vector<Bgr> want;
  };
  DecodeOptions options;
  options.Matte = MakeColorRef(10, 20, 30);
  const Case cases[] = {
      // 5-6-5: white, then r=16 g=32 b=8 -> 16*255/31, 32*255/63, 8*255/31 rounded
      {"565", SixteenBitBmp(40, 3, {0xF800, 0x07E0, 0x001F}, {0xFFFF, 16 << 11 | 32 << 5 | 8}),
       {{255, 255, 255}, {66, 130, 132}}},
      // 5-5-5 without bit fields: white, then r=1 g=2 b=3, then black
      {"555", SixteenBitBmp(40, 0, {}, {0x7FFF, 1 << 10 | 2 << 5 | 3, 0}), {{255, 255, 255}, {25, 16, 8}, {0, 0, 0}}},
      // 4-4-4-4 with alpha: opaque r=8 g=12 b=4, opaque white, fully transparent (the matte)
      {"4444", SixteenBitBmp(108, 3, {0x0F00, 0x00F0, 0x000F, 0xF000}, {0xF8C4, 0xFFFF, 0x0FFF}),
       {{68, 204, 136}, {255, 255, 255}, {30, 20, 10}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FrameBitmap b = DecodeImageFile(Write(QStringLiteral("%1.bmp").arg(QLatin1String(c.name)), c.bytes), options);
    ASSERT_EQ(b.Width, static_cast<int>(c.want.size()));
    for (std::size_t x = 0; x < c.want.size(); ++x) ExpectPixel(b, static_cast<int>(x), 0, c.want[x]);
  }
}

namespace {

// The JPEG with its frame header's height and width replaced.
QByteArray WithFrameSize(QByteArray jpeg, int width, int height) {
  for (qsizetype i = 2; i + 9 < jpeg.size();) {
    const auto marker = static_cast<std::uint8_t>(jpeg[i + 1]);
    const int length = static_cast<std::uint8_t>(jpeg[i + 2]) << 8 | static_cast<std::uint8_t>(jpeg[i + 3]);
    if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
      jpeg[i + 5] = static_cast<char>(height >> 8);
      jpeg[i + 6] = static_cast<char>(height & 0xFF);
      jpeg[i + 7] = static_cast<char>(width >> 8);
      jpeg[i + 8] = static_cast<char>(width & 0xFF);
      return jpeg;
    }
    i += 2 + length;
  }
  ADD_FAILURE() << "no frame header";
  return jpeg;
}

}  // namespace

TEST_F(DecodeImageFileTest, DamagedJpegDataIsRefusedWithTheDecodersText) {
  const QByteArray jpeg = MakeJpeg(64, 64, JCS_RGB, Noise(64 * 64 * 3, 5), 90);
  const QByteArray endMarker("\xFF\xD9", 2);
  struct Case {
    const char* name;
    QByteArray bytes;
    const char* reason;
  };
  const Case cases[] = {
      {"last two bytes missing", jpeg.left(jpeg.size() - 2), "Premature end of JPEG file"},
      {"half the data, then an end marker", jpeg.left(jpeg.size() / 2) + endMarker, "premature end of data segment"},
      {"a frame header that claims 14000 x 14000", WithFrameSize(jpeg, 14000, 14000), "Premature end of JPEG file"},
      {"a frame header that claims twice the size", WithFrameSize(jpeg, 128, 128), "premature end of data segment"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(FailureOf(Write("d.jpg", c.bytes)).contains(QLatin1String(c.reason)))
        << FailureOf(Write("d.jpg", c.bytes)).toStdString();
  }
  EXPECT_TRUE(FailureOf(Write("whole.jpg", jpeg)).isEmpty());
}
