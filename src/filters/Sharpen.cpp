#include "filters/Sharpen.h"

#include <vector>

#include "filters/ClampRound.h"

void Sharpen(FrameBitmap& bitmap, int percentage) {
  if (percentage < 0 || percentage > 100 || bitmap.Empty()) return;
  const FrameBitmap source = bitmap;
  const int w = bitmap.Width;
  const int h = bitmap.Height;
  const std::size_t rowBytes = bitmap.RowBytes();
  // Sum of the three rows (above, centre, below) per channel value of a row.
  std::vector<int> columnSums(rowBytes);
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* above = source.Row(y > 0 ? y - 1 : y);
    const std::uint8_t* centre = source.Row(y);
    const std::uint8_t* below = source.Row(y < h - 1 ? y + 1 : y);
    for (std::size_t e = 0; e < rowBytes; ++e) columnSums[e] = above[e] + centre[e] + below[e];
    std::uint8_t* out = bitmap.Row(y);
    for (int x = 0; x < w; ++x) {
      const std::size_t e = static_cast<std::size_t>(x) * 3;
      const std::size_t left = x > 0 ? e - 3 : e;
      const std::size_t right = x < w - 1 ? e + 3 : e;
      for (int c = 0; c < 3; ++c) {
        const int window = columnSums[left + c] + columnSums[e + c] + columnSums[right + c];
        const int laplacian = 9 * centre[e + c] - window;
        out[e + c] = static_cast<std::uint8_t>(ClampRoundDiv(laplacian * percentage + 100 * centre[e + c], 100));
      }
    }
  }
}
