#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "bitmap/ParallelRows.h"
#include "engine/ImageError.h"
#include "engine/Resample.h"
#include "bitmap/RoundToByte.h"

namespace {

// The source pixels one target column (or row) covers: the first index and
// the overlap of each covered pixel, padded with zero weights to a common
// count so that every span runs the same loop (adding 0.0 changes no sum).
struct Spans {
  int taps = 0;                 // covered pixels per span, padding included
  std::vector<int> first;       // first covered pixel of each span
  std::vector<double> weights;  // taps weights per span
};

Spans MakeSpans(int sourceSize, int targetSize) {
  const double step = static_cast<double>(sourceSize) / targetSize;
  Spans s;
  s.first.resize(static_cast<std::size_t>(targetSize));
  std::vector<int> last(static_cast<std::size_t>(targetSize));
  for (int t = 0; t < targetSize; ++t) {
    const double a = t * step;
    const double b = (t + 1) * step - 0.000001;
    s.first[static_cast<std::size_t>(t)] = std::clamp(static_cast<int>(std::floor(a)), 0, sourceSize - 1);
    last[static_cast<std::size_t>(t)] = std::clamp(static_cast<int>(std::floor(b)), 0, sourceSize - 1);
    s.taps = std::max(s.taps, last[static_cast<std::size_t>(t)] - s.first[static_cast<std::size_t>(t)] + 1);
  }
  s.weights.assign(static_cast<std::size_t>(targetSize) * s.taps, 0.0);
  for (int t = 0; t < targetSize; ++t) {
    const double a = t * step;
    const double b = (t + 1) * step - 0.000001;
    const int first = s.first[static_cast<std::size_t>(t)];
    // A span near the far edge is shifted left so its padding stays inside
    // the picture; the pixels it gains get weight 0.
    const int shiftedFirst = std::min(first, sourceSize - s.taps);
    s.first[static_cast<std::size_t>(t)] = std::max(shiftedFirst, 0);
    for (int i = first; i <= last[static_cast<std::size_t>(t)]; ++i) {
      const double overlap = std::min(i + 1.0, b) - std::max(static_cast<double>(i), a);
      s.weights[static_cast<std::size_t>(t) * s.taps + (i - s.first[static_cast<std::size_t>(t)])] = overlap;
    }
  }
  return s;
}

}  // namespace

FrameBitmap ResampleArea(const FrameBitmap& source, int width, int height) {
  if (source.Empty()) throw ImageError(QString(), QStringLiteral("縮小する画像の大きさが不正です。"));
  if (width < 1 || height < 1) throw ImageError(QString(), QStringLiteral("縮小後の大きさが不正です。"));
  const Spans cols = MakeSpans(source.Width, width);
  const Spans rows = MakeSpans(source.Height, height);
  const double area = static_cast<double>(static_cast<std::int64_t>(source.Width) * source.Height) /
                      static_cast<double>(static_cast<std::int64_t>(width) * height);
  FrameBitmap target(width, height);
  ParallelRows(height, [&](int rowBegin, int rowEnd) {
    for (int y = rowBegin; y < rowEnd; ++y) {
      const double* wy = rows.weights.data() + static_cast<std::size_t>(y) * rows.taps;
      const int firstRow = rows.first[static_cast<std::size_t>(y)];
      std::uint8_t* out = target.Row(y);
      for (int x = 0; x < width; ++x, out += 3) {
        const double* wx = cols.weights.data() + static_cast<std::size_t>(x) * cols.taps;
        const int firstCol = cols.first[static_cast<std::size_t>(x)];
        double b = 0, g = 0, r = 0;
        for (int j = 0; j < rows.taps; ++j) {
          const std::uint8_t* p = source.At(firstCol, firstRow + j);
          const double oy = wy[j];
          for (int i = 0; i < cols.taps; ++i, p += 3) {
            const double w = wx[i] * oy;
            b += w * p[0];
            g += w * p[1];
            r += w * p[2];
          }
        }
        out[0] = RoundToByte(b / area);
        out[1] = RoundToByte(g / area);
        out[2] = RoundToByte(r / area);
      }
    }
  });
  return target;
}
