#include "filters/Sharpen.h"

#include "bitmap/TargetClones.h"

#include <cstring>
#include <vector>

#include "bitmap/ParallelRows.h"
#include "filters/ClampRound.h"

// The 32-byte vectors below never cross a function boundary the caller sees.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace {

typedef int Int8 __attribute__((vector_size(32)));
typedef float Float8 __attribute__((vector_size(32)));

[[gnu::always_inline]] inline Int8 Load8(const int* p) {
  Int8 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// One output row. sums[e] is the sum of the three source rows (above,
// centre, below) at value e, centre the centre row as integers.
BRINMORA_TARGET_CLONES
void SharpenRow(const int* sums, const int* centre, int w, int percentage, std::uint8_t* out) {
  const int n = 3 * w;
  auto scalarAt = [&](int e) {
    const int x = e / 3;
    const int left = x > 0 ? e - 3 : e;
    const int right = x < w - 1 ? e + 3 : e;
    const int laplacian = 9 * centre[e] - (sums[left] + sums[e] + sums[right]);
    out[e] = static_cast<std::uint8_t>(ClampRoundDiv(laplacian * percentage + 100 * centre[e], 100));
  };
  int e = 0;
  for (; e < 3 && e < n; ++e) scalarAt(e);
  // Interior: (L * p + 100 c) / 100 in float is exact enough to round like
  // the real quotient: the numerator is below 2^18, an exact half is
  // representable and any other quotient lies at least 0.01 from one.
  for (; e + 8 <= n - 3; e += 8) {
    const Int8 c = Load8(centre + e);
    const Int8 laplacian = 9 * c - (Load8(sums + e - 3) + Load8(sums + e) + Load8(sums + e + 3));
    Float8 q = __builtin_convertvector(laplacian * percentage + 100 * c, Float8) / 100.0f;
    q = q > 0.0f ? q : 0.0f;
    q = q < 255.0f ? q : 255.0f;
    q = (q + 12582912.0f) - 12582912.0f;  // 1.5 * 2^23: rounds halves to even
    const Int8 v = __builtin_convertvector(q, Int8);
    for (int k = 0; k < 8; ++k) out[e + k] = static_cast<std::uint8_t>(v[k]);
  }
  for (; e < n; ++e) scalarAt(e);
}

}  // namespace

void Sharpen(FrameBitmap& bitmap, int percentage) {
  if (percentage < 0 || percentage > 100 || bitmap.Empty()) return;
  const int w = bitmap.Width;
  const int h = bitmap.Height;
  const int n = static_cast<int>(bitmap.RowBytes());
  // The bands of rows run side by side, each reading the rows around it, so
  // they read a copy of the picture while they write the picture itself.
  FrameBitmap source;
  source.Assign(bitmap);
  ParallelRows(h, [&](int begin, int end) {
    // Source rows as integers, row i in slot i mod 3.
    std::vector<int> ring(static_cast<std::size_t>(3) * n), sums(n);
    auto slot = [&](int row) { return ring.data() + static_cast<std::size_t>(row % 3) * n; };
    auto load = [&](int row) {
      const std::uint8_t* in = source.Row(row);
      int* s = slot(row);
      for (int e = 0; e < n; ++e) s[e] = in[e];
    };
    if (begin > 0) load(begin - 1);
    load(begin);
    for (int y = begin; y < end; ++y) {
      if (y + 1 < h) load(y + 1);
      const int* above = slot(y > 0 ? y - 1 : y);
      const int* centre = slot(y);
      const int* below = slot(y < h - 1 ? y + 1 : y);
      for (int e = 0; e < n; ++e) sums[e] = above[e] + centre[e] + below[e];
      SharpenRow(sums.data(), centre, w, percentage, bitmap.Row(y));
    }
  });
}
