#pragma once
// Small image files made with the same libraries the decoders use, so each
// colour type can be checked against known pixels.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "bitmap/FrameBitmap.h"

// JPEG of the given colour space: JCS_RGB (3 bytes a pixel), JCS_GRAYSCALE
// (1) or JCS_CMYK (4, written with an Adobe marker, values inverted as
// Adobe stores them). samples holds width * height * components bytes.
QByteArray MakeJpeg(int width, int height, int colorSpace, const std::vector<std::uint8_t>& samples, int quality = 100);

// PNG of the given libpng colour type and bit depth; samples are packed rows
// as libpng expects them (16-bit samples big-endian). palette (RGB triples)
// and trns are used for palette images.
struct PngFixture {
  int width = 0, height = 0, colorType = 0, bitDepth = 8;
  bool interlaced = false;
  std::vector<std::uint8_t> samples;
  std::vector<std::uint8_t> palette;
  std::vector<std::uint8_t> trns;
  bool withText = false;  // adds tEXt and zTXt chunks before the image data
};
QByteArray MakePng(const PngFixture& fixture);

// GIF with a global colour table (RGB triples), the logical screen
// screenW x screenH and one frame at (left, top); transparent = -1 for none.
struct GifFixture {
  int screenW = 0, screenH = 0, left = 0, top = 0, width = 0, height = 0;
  bool interlaced = false;
  int transparent = -1;
  std::vector<std::uint8_t> palette;
  std::vector<std::uint8_t> indices;
};
QByteArray MakeGif(const GifFixture& fixture);

// Writes bytes to path; true on success.
bool WriteFile(const QString& path, const QByteArray& bytes);

// A bitmap of width x height whose pixel (x, y) is {b, g, r} as given by f.
template <typename F>
FrameBitmap MakeBitmap(int width, int height, F f) {
  FrameBitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto [blue, green, red] = f(x, y);
      std::uint8_t* p = b.At(x, y);
      p[0] = static_cast<std::uint8_t>(blue);
      p[1] = static_cast<std::uint8_t>(green);
      p[2] = static_cast<std::uint8_t>(red);
    }
  return b;
}
