#include "filters/PartColorFilter.h"

#include "bitmap/ParallelRows.h"
#include "filters/BoostClarity.h"
#include "filters/HsvConversion.h"
#include "filters/Luma.h"
#include "platform/Random.h"

bool IsRedHue(float h) {
  const double hue = h;
  return (hue >= 0.0 && hue < 0.14) || (hue >= 0.8 && hue < 1.0);
}

void PartColorLook(FrameBitmap& bitmap, int mode) {
  const bool greyWhenRed = mode == 4;
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    std::uint8_t* p = bitmap.Row(begin);
    const std::size_t count = static_cast<std::size_t>(bitmap.Width) * (end - begin);
    for (std::size_t i = 0; i < count; ++i, p += 3) {
      const bool red = IsRedHue(RgbToHsv(p[2], p[1], p[0]).h);
      if (red == greyWhenRed) p[0] = p[1] = p[2] = static_cast<std::uint8_t>(Luma(p[2], p[1], p[0]));
    }
  });
}

void PartColorFilter(FrameBitmap& bitmap) {
  BoostClarity(bitmap);
  PartColorLook(bitmap, 3 + Random(2));
}
