#include "filters/Convolutions.h"

#include "bitmap/TargetClones.h"

// The integer loops here are exact whatever the compiler does with them, so
// they are left to its vectoriser, which the default level would not run.
#pragma GCC optimize("tree-vectorize", "vect-cost-model=dynamic")

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "bitmap/ParallelRows.h"
#include "filters/ClampRound.h"
#include "filters/GaussianBlur.h"
#include "filters/Luma.h"

namespace {

// The neighbour index of position p at offset d inside 0..n-1, or p itself.
inline int Neighbour(int p, int d, int n) {
  const int q = p + d;
  return q < 0 || q >= n ? p : q;
}

// dest(x, y) = perChannel(the 3 x 3 values around (x, y)) for every pixel and
// channel, neighbours taken by the outside rule.
template <typename PerChannel>
void Convolve3x3(const FrameBitmap& source, FrameBitmap& dest, PerChannel perChannel) {
  const int w = source.Width;
  const int h = source.Height;
  ParallelRows(h, [&](int begin, int end) {
    for (int y = begin; y < end; ++y) {
      const std::uint8_t* rows[3] = {source.Row(Neighbour(y, -1, h)), source.Row(y), source.Row(Neighbour(y, 1, h))};
      std::uint8_t* out = dest.Row(y);
      for (int x = 0; x < w; ++x) {
        const int cols[3] = {Neighbour(x, -1, w) * 3, x * 3, Neighbour(x, 1, w) * 3};
        for (int c = 0; c < 3; ++c) {
          int v[3][3];
          for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) v[i][j] = rows[i][cols[j] + c];
          out[x * 3 + c] = perChannel(v);
        }
      }
    }
  });
}

}  // namespace

namespace {

// The sums over n = 2 half + 1 columns around every value of a row, outside
// columns replaced by the centre's.
BRINMORA_TARGET_CLONES
void HardSharpenRowSums(const std::uint8_t* in, int w, int half, std::uint16_t* sums) {
  const int n = 3 * w;
  auto general = [&](int e) {
    const int x = e / 3;
    int s = 0;
    for (int d = -half; d <= half; ++d) s += in[e + 3 * (Neighbour(x, d, w) - x)];
    sums[e] = static_cast<std::uint16_t>(s);
  };
  if (w <= 2 * half) {
    for (int e = 0; e < n; ++e) general(e);
    return;
  }
  for (int e = 0; e < 3 * half; ++e) general(e);
  // The interior a tap at a time, so that each pass runs along the row.
  const int from = 3 * half, to = 3 * (w - half);
  for (int e = from; e < to; ++e) sums[e] = in[e - from];
  for (int d = 3 - from; d <= from; d += 3)
    for (int e = from; e < to; ++e) sums[e] = static_cast<std::uint16_t>(sums[e] + in[e + d]);
  for (int e = 3 * (w - half); e < n; ++e) general(e);
}

BRINMORA_TARGET_CLONES
void HardSharpenRow(std::uint8_t* row, const std::uint16_t* all, std::size_t count, int weight) {
  for (std::size_t e = 0; e < count; ++e) {
    const int v = weight * row[e] - all[e];
    row[e] = static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
  }
}

}  // namespace

void HardSharpen(FrameBitmap& bitmap, int n) {
  if (n != 3 && n != 5 && n != 7 && n != 9) return;
  if (bitmap.Empty()) return;
  const int w = bitmap.Width;
  const int h = bitmap.Height;
  const int half = n / 2;
  const std::size_t rowBytes = bitmap.RowBytes();
  // S = n^2 * centre - (others) = (n^2 + 1) * centre - (sum of all n x n).
  // The sum of all splits into row sums because the outside rule replaces
  // rows and columns independently. Each band of rows keeps the row sums of
  // the rows in reach in a ring; the sums are taken from a copy of the
  // picture, since the neighbouring bands overwrite their rows meanwhile.
  FrameBitmap source;
  source.Assign(bitmap);
  const int weight = n * n + 1;
  ParallelRows(h, [&](int begin, int end) {
    std::vector<std::uint16_t> ring(static_cast<std::size_t>(n) * rowBytes);
    std::vector<std::uint16_t> all(rowBytes);
    int done = std::max(0, begin - half);  // row sums exist for the rows in reach below done
    for (int y = begin; y < end; ++y) {
      for (; done < h && done <= y + half; ++done)
        HardSharpenRowSums(source.Row(done), w, half, ring.data() + static_cast<std::size_t>(done % n) * rowBytes);
      const std::uint16_t* first = ring.data() + static_cast<std::size_t>(Neighbour(y, -half, h) % n) * rowBytes;
      std::memcpy(all.data(), first, rowBytes * sizeof(std::uint16_t));
      for (int d = -half + 1; d <= half; ++d) {
        const std::uint16_t* sums = ring.data() + static_cast<std::size_t>(Neighbour(y, d, h) % n) * rowBytes;
        for (std::size_t e = 0; e < rowBytes; ++e) all[e] = static_cast<std::uint16_t>(all[e] + sums[e]);
      }
      HardSharpenRow(bitmap.Row(y), all.data(), rowBytes, weight);
    }
  });
}

void EdgeSketch(FrameBitmap& bitmap) {
  const FrameBitmap source = bitmap;
  Convolve3x3(source, bitmap, [](const int (&v)[3][3]) {
    const int gx = -v[0][0] + v[0][2] - 2 * v[1][0] + 2 * v[1][2] - v[2][0] + v[2][2];
    const int gy = -v[0][0] - 2 * v[0][1] - v[0][2] + v[2][0] + 2 * v[2][1] + v[2][2];
    return static_cast<std::uint8_t>(255 - ClampRound(std::sqrt(static_cast<double>(gx * gx + gy * gy))));
  });
  ToGrey(bitmap);
}

void LaplacianSketch(FrameBitmap& bitmap) {
  const FrameBitmap source = bitmap;
  Convolve3x3(source, bitmap, [](const int (&v)[3][3]) {
    const int all = v[0][0] + v[0][1] + v[0][2] + v[1][0] + v[1][1] + v[1][2] + v[2][0] + v[2][1] + v[2][2];
    const int laplacian = 9 * v[1][1] - all;
    return static_cast<std::uint8_t>(255 - ClampByte(laplacian));
  });
  ToGrey(bitmap);
}

namespace {

// ClampRound(sqrt(n)) for every n that rounds below 255; every larger n
// gives 255. No integer lies at a half, so there are no ties.
constexpr int kSqrtEnd = 64771;  // 254.5^2 = 64770.25
const std::vector<std::uint8_t>& RoundedSquareRoots() {
  static const std::vector<std::uint8_t> table = [] {
    std::vector<std::uint8_t> t(kSqrtEnd);
    for (int n = 0; n < kSqrtEnd; ++n) t[n] = static_cast<std::uint8_t>(ClampRound(std::sqrt(static_cast<double>(n))));
    return t;
  }();
  return table;
}

// gx^2 + gy^2 and the Laplacian sketch value of count values whose left
// and right neighbours lie inside the row.
BRINMORA_TARGET_CLONES
void SketchInterior(const std::uint8_t* __restrict up, const std::uint8_t* __restrict mid, const std::uint8_t* __restrict down, int count, int* __restrict squares,
                    std::uint8_t* __restrict laplacian) {
  for (int e = 0; e < count; ++e) {
    const int l = e - 3, r = e + 3;
    const int gx = -up[l] + up[r] - 2 * mid[l] + 2 * mid[r] - down[l] + down[r];
    const int gy = -up[l] - 2 * up[e] - up[r] + down[l] + 2 * down[e] + down[r];
    const int all = up[l] + up[e] + up[r] + mid[l] + mid[e] + mid[r] + down[l] + down[e] + down[r];
    squares[e] = gx * gx + gy * gy;
    const int v = 9 * mid[e] - all;
    laplacian[e] = static_cast<std::uint8_t>(255 - (v < 0 ? 0 : (v > 255 ? 255 : v)));
  }
}

// Rows y0..y1-1 of SketchCombine, read from source and written to dest:
// both sketches of a pixel come from the same 3 x 3 values, so they are
// computed side by side, turned grey and combined through one table.
void SketchCombineRows(const FrameBitmap& source, FrameBitmap& dest, int y0, int y1, const std::uint8_t* combined,
                       std::vector<std::uint8_t>& edgeRow, std::vector<std::uint8_t>& laplacianRow,
                       std::vector<int>& squareRow) {
  const std::uint8_t* roots = RoundedSquareRoots().data();
  const int w = source.Width, h = source.Height;
  const int n = 3 * w;
  for (int y = y0; y < y1; ++y) {
    const std::uint8_t* up = source.Row(Neighbour(y, -1, h));
    const std::uint8_t* mid = source.Row(y);
    const std::uint8_t* down = source.Row(Neighbour(y, 1, h));
    auto at = [&](int e) {
      const int x = e / 3;
      const int l = e + 3 * (Neighbour(x, -1, w) - x), r = e + 3 * (Neighbour(x, 1, w) - x);
      const int gx = -up[l] + up[r] - 2 * mid[l] + 2 * mid[r] - down[l] + down[r];
      const int gy = -up[l] - 2 * up[e] - up[r] + down[l] + 2 * down[e] + down[r];
      const int all = up[l] + up[e] + up[r] + mid[l] + mid[e] + mid[r] + down[l] + down[e] + down[r];
      const int squares = gx * gx + gy * gy;
      edgeRow[e] = static_cast<std::uint8_t>(255 - (squares < kSqrtEnd ? roots[squares] : 255));
      laplacianRow[e] = static_cast<std::uint8_t>(255 - ClampByte(9 * mid[e] - all));
    };
    // The first and last pixels take neighbours by the outside rule; the
    // rest read straight to the left and right.
    for (int e = 0; e < std::min(3, n); ++e) at(e);
    if (n > 6) {
      SketchInterior(up + 3, mid + 3, down + 3, n - 6, squareRow.data(), laplacianRow.data() + 3);
      for (int e = 3; e < n - 3; ++e) {
        const int squares = squareRow[e - 3];
        edgeRow[e] = static_cast<std::uint8_t>(255 - (squares < kSqrtEnd ? roots[squares] : 255));
      }
    }
    for (int e = std::max(3, n - 3); e < n; ++e) at(e);
    std::uint8_t* out = dest.Row(y);
    for (int x = 0; x < w; ++x, out += 3) {
      const std::uint8_t* a = edgeRow.data() + 3 * x;
      const std::uint8_t* b = laplacianRow.data() + 3 * x;
      const std::uint8_t v = combined[Luma(a[2], a[1], a[0]) * 256 + Luma(b[2], b[1], b[0])];
      out[0] = out[1] = out[2] = v;
    }
  }
}

}  // namespace

void SketchCombine(const FrameBitmap& source, FrameBitmap& dest, int strength) {
  if (&source == &dest) {
    SketchCombine(dest, strength);
    return;
  }
  dest.SetSize(source.Width, source.Height);
  if (source.Empty()) return;
  // The result depends only on the pair of grey sketch values.
  std::vector<std::uint8_t> combined(256 * 256);
  ParallelRows(256, 16, [&](int begin, int end) {
    for (int a = begin; a < end; ++a)
      for (int b = 0; b < 256; ++b) {
        const double lines = (255.0 - std::sqrt(static_cast<double>(a * b))) * strength / 100.0;
        combined[a * 256 + b] = static_cast<std::uint8_t>(255 - ClampRound(lines));
      }
  });
  ParallelRows(source.Height, [&](int begin, int end) {
    std::vector<std::uint8_t> edgeRow(source.RowBytes()), laplacianRow(source.RowBytes());
    std::vector<int> squareRow(source.RowBytes());
    SketchCombineRows(source, dest, begin, end, combined.data(), edgeRow, laplacianRow, squareRow);
  });
}

void SketchCombine(FrameBitmap& bitmap, int strength) {
  if (bitmap.Empty()) return;
  const FrameBitmap source = bitmap;
  SketchCombine(source, bitmap, strength);
}

void LineArt(FrameBitmap& bitmap) {
  FrameBitmap blurred = bitmap;
  GaussianBlur(blurred, 2);
  // ClampRound(A * 256 / (B + 1)) in integers.
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    std::uint8_t* p = bitmap.Row(begin);
    const std::uint8_t* q = blurred.Row(begin);
    const std::size_t count = static_cast<std::size_t>(bitmap.Width) * (end - begin);
    for (std::size_t i = 0; i < count; ++i, p += 3, q += 3) {
      int dodged[3];
      for (int c = 0; c < 3; ++c) {
        const int divisor = q[c] + 1;
        dodged[c] = ClampRoundDiv(p[c] * 256, divisor);
      }
      const std::uint8_t ink = Luma(dodged[2], dodged[1], dodged[0]) < 246 ? 0 : 255;
      p[0] = p[1] = p[2] = ink;
    }
  });
}
