#include "filters/Luma.h"

void ToGrey(FrameBitmap& bitmap) {
  std::uint8_t* p = bitmap.Pixels.data();
  const std::size_t count = static_cast<std::size_t>(bitmap.Width) * bitmap.Height;
  for (std::size_t i = 0; i < count; ++i, p += 3) {
    const auto y = static_cast<std::uint8_t>(Luma(p[2], p[1], p[0]));
    p[0] = p[1] = p[2] = y;
  }
}
