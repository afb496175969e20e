#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "bitmap/ParallelRows.h"
#include "engine/ImageError.h"
#include "engine/Resample.h"
#include "bitmap/RoundToByte.h"

namespace {

// Where one target column (or row) samples the source: the two neighbours,
// clamped to the picture, and the fraction between them.
struct Taps {
  std::vector<int> near, far;
  std::vector<double> fraction;
};

Taps MakeTaps(int sourceSize, int targetSize) {
  const double ratio = static_cast<double>(sourceSize) / targetSize;
  Taps t;
  t.near.resize(static_cast<std::size_t>(targetSize));
  t.far.resize(static_cast<std::size_t>(targetSize));
  t.fraction.resize(static_cast<std::size_t>(targetSize));
  for (int k = 0; k < targetSize; ++k) {
    const double u = (k + 0.5) * ratio - 0.5;
    const double i = std::floor(u);
    const auto n = static_cast<std::size_t>(k);
    t.fraction[n] = u - i;
    t.near[n] = std::clamp(static_cast<int>(i), 0, sourceSize - 1);
    t.far[n] = std::clamp(static_cast<int>(i) + 1, 0, sourceSize - 1);
  }
  return t;
}

}  // namespace

FrameBitmap ResampleBilinear(const FrameBitmap& source, int width, int height) {
  if (source.Empty()) throw ImageError(QString(), QStringLiteral("拡大する画像の大きさが不正です。"));
  if (width < 1 || height < 1) throw ImageError(QString(), QStringLiteral("拡大後の大きさが不正です。"));
  const Taps cols = MakeTaps(source.Width, width);
  const Taps rows = MakeTaps(source.Height, height);
  FrameBitmap target(width, height);
  ParallelRows(height, [&](int rowBegin, int rowEnd) {
    for (int y = rowBegin; y < rowEnd; ++y) {
      const auto ny = static_cast<std::size_t>(y);
      const std::uint8_t* top = source.Row(rows.near[ny]);
      const std::uint8_t* bottom = source.Row(rows.far[ny]);
      const double fy = rows.fraction[ny];
      std::uint8_t* out = target.Row(y);
      for (int x = 0; x < width; ++x, out += 3) {
        const auto nx = static_cast<std::size_t>(x);
        const double fx = cols.fraction[nx];
        const double fxy = fx * fy;
        const std::size_t left = static_cast<std::size_t>(cols.near[nx]) * 3;
        const std::size_t right = static_cast<std::size_t>(cols.far[nx]) * 3;
        for (int c = 0; c < 3; ++c) {
          const int a = top[left + c], b = top[right + c], cc = bottom[left + c], d = bottom[right + c];
          out[c] = RoundToByte(a + fx * (b - a) + fy * (cc - a) + fxy * (a - b - cc + d));
        }
      }
    }
  });
  return target;
}
