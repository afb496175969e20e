#include "filters/Luma.h"

#include "bitmap/ParallelRows.h"

void ToGrey(FrameBitmap& bitmap) {
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    std::uint8_t* p = bitmap.Row(begin);
    const std::size_t count = static_cast<std::size_t>(bitmap.Width) * (end - begin);
    for (std::size_t i = 0; i < count; ++i, p += 3) {
      const auto y = static_cast<std::uint8_t>(Luma(p[2], p[1], p[0]));
      p[0] = p[1] = p[2] = y;
    }
  });
}
