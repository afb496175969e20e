#include "filters/RandomColorFilter.h"

#include <array>

#include "filters/ClampRound.h"
#include "filters/FramedResult.h"
#include "filters/HsvConversion.h"
#include "filters/Luma.h"
#include "filters/FilterTables.h"
#include "platform/Random.h"

RandomColorDraw DrawRandomColor() {
  const int red = Random(10000) % 256;
  const int green = Random(10000) % 252;
  const int blue = Random(10000) % 252;
  RandomColorDraw draw;
  draw.Hue = RgbToHsv(static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue)).h;
  draw.Saturation = static_cast<float>(0.5 + (Random(1000) % 51) / 100.0);
  draw.Brightness = static_cast<float>(0.8 + (Random(1000) % 21) / 100.0);
  return draw;
}

void RandomColorWithDraw(FrameBitmap& bitmap, const FilterContext& context, const RandomColorDraw& draw) {
  // The colour of every grey value.
  std::array<std::array<std::uint8_t, 3>, 256> colourOf;
  const float f = draw.Brightness;
  for (int y = 0; y < 256; ++y) {
    float v = static_cast<float>(y) * f;
    v = v < 0.0f ? 0.0f : (v > 255.0f ? 255.0f : v);
    v = v * f;
    const RgbFloat c = HsvToRgb(draw.Hue, draw.Saturation, v);
    colourOf[y] = {TruncatedByte(c.b), TruncatedByte(c.g), TruncatedByte(c.r)};
  }
  const BlendTable& overlay = *BlendTableFor(BlendMode::Overlay);
  std::uint8_t* p = bitmap.Pixels.data();
  const std::size_t count = static_cast<std::size_t>(bitmap.Width) * bitmap.Height;
  for (std::size_t i = 0; i < count; ++i, p += 3) {
    const int y = Luma(overlay[p[2] * 257], overlay[p[1] * 257], overlay[p[0] * 257]);
    p[0] = colourOf[y][0];
    p[1] = colourOf[y][1];
    p[2] = colourOf[y][2];
  }
  // The border is white and stays white: colouring first and framing after
  // gives the same picture.
  FramedResult(bitmap, context);
}

void RandomColorFilter(FrameBitmap& bitmap, const FilterContext& context) {
  RandomColorWithDraw(bitmap, context, DrawRandomColor());
}
