#include "filters/FloatExactness.h"

#include "bitmap/TargetClones.h"
// (first: keeps float products and sums rounded one by one)
#include "filters/GaussianBlur.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "bitmap/ParallelRows.h"
#include "filters/ClampRound.h"
#include "filters/CurveOperations.h"
#include "filters/FilterTables.h"

// The passes run the same float operations lane by lane that the plain sum
// would run, so the vector code gives exactly the plain result. For the
// tabulated sigmas the product v * w[k] is taken by multiplying: a byte
// times a float weight is exact in double, so its float rounding equals the
// premultiplied table entry.

// The 32-byte vectors below never cross a function boundary the caller sees.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace {

typedef float Float8 __attribute__((vector_size(32)));
typedef double Double4 __attribute__((vector_size(32)));
typedef int Int4 __attribute__((vector_size(16)));

constexpr int kBlock = 32;  // outputs per register block (four vectors of eight)

[[gnu::always_inline]] inline Float8 LoadFloat8(const float* p) {
  Float8 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// out[i] = ClampRound(acc[i] / sums[i]) with the quotient in double, stored
// as a byte or as the float of that byte.
template <typename Out>
[[gnu::always_inline]] inline void StoreQuotients(const float* acc, const float* sums, int n, Out* out) {
  const Double4 zero = {0, 0, 0, 0};
  const Double4 top = {255, 255, 255, 255};
  const Double4 shifter = {6755399441055744.0, 6755399441055744.0, 6755399441055744.0, 6755399441055744.0};
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    const Double4 a = {acc[i], acc[i + 1], acc[i + 2], acc[i + 3]};
    const Double4 s = {sums[i], sums[i + 1], sums[i + 2], sums[i + 3]};
    Double4 q = a / s;
    q = q > zero ? q : zero;
    q = q < top ? q : top;
    q = (q + shifter) - shifter;
    const Int4 v = __builtin_convertvector(q, Int4);
    for (int k = 0; k < 4; ++k) out[i + k] = static_cast<Out>(v[k]);
  }
  for (; i < n; ++i) out[i] = static_cast<Out>(ClampRound(static_cast<double>(acc[i]) / sums[i]));
}

// The float of every byte value, so rows convert by lookup.
struct ByteFloats {
  float value[256];
  ByteFloats() {
    for (int i = 0; i < 256; ++i) value[i] = static_cast<float>(i);
  }
};
const ByteFloats kByteFloats;

[[gnu::always_inline]] inline void ToFloats(const std::uint8_t* in, int n, float* out) {
  for (int e = 0; e < n; ++e) out[e] = kByteFloats.value[in[e]];
}

// The weights of one pass: taps[t] = w[|t - r|] for t = 0 .. 2r, and
// sums[p] = the float sum, in order, of the weights that fall inside 0..n-1
// for output position p.
struct PassWeights {
  int radius = 0;
  std::vector<float> taps;
  std::vector<float> sums;
};

PassWeights MakePassWeights(const std::vector<float>& w, int radius, int n) {
  PassWeights pw;
  pw.radius = radius;
  pw.taps.resize(2 * radius + 1);
  for (int t = 0; t <= 2 * radius; ++t) pw.taps[t] = w[t < radius ? radius - t : t - radius];
  pw.sums.resize(n);
  for (int p = 0; p < n; ++p) {
    float sum = 0.0f;
    for (int j = p - radius; j <= p + radius; ++j)
      if (j >= 0 && j < n) sum = sum + pw.taps[j - p + radius];
    pw.sums[p] = sum;
  }
  return pw;
}

// Horizontal pass over rows of C interleaved channels: value e = Cx + c
// sums the values e + C(j - x) for the columns j inside the row.
struct HorizontalScratch {
  std::vector<float> row, acc, sums;  // sums per value: the column sum of its x
};

template <int C>
BRINMORA_TARGET_CLONES
void HorizontalRow(const std::uint8_t* in, int w, const PassWeights& pw, HorizontalScratch& s, float* out) {
  const int n = C * w;
  const int r = pw.radius;
  const float* taps = pw.taps.data();
  float* row = s.row.data();
  float* acc = s.acc.data();
  ToFloats(in, n, row);
  auto scalarAt = [&](int e) {
    const int x = e / C;
    const int from = x - r < 0 ? 0 : x - r;
    const int to = x + r > w - 1 ? w - 1 : x + r;
    float sum = 0.0f;
    for (int j = from; j <= to; ++j) sum = sum + taps[j - x + r] * row[e + C * (j - x)];
    acc[e] = sum;
  };
  const int interiorEnd = C * (w - r);  // values from Cr up to here have every tap inside
  int e = 0;
  for (; e < C * r && e < n; ++e) scalarAt(e);
  for (; e + kBlock <= interiorEnd; e += kBlock) {
    Float8 a0 = {}, a1 = {}, a2 = {}, a3 = {};
    const float* base = row + e - C * r;
    for (int t = 0; t <= 2 * r; ++t, base += C) {
      const float wt = taps[t];
      a0 = a0 + wt * LoadFloat8(base);
      a1 = a1 + wt * LoadFloat8(base + 8);
      a2 = a2 + wt * LoadFloat8(base + 16);
      a3 = a3 + wt * LoadFloat8(base + 24);
    }
    std::memcpy(acc + e, &a0, sizeof a0);
    std::memcpy(acc + e + 8, &a1, sizeof a1);
    std::memcpy(acc + e + 16, &a2, sizeof a2);
    std::memcpy(acc + e + 24, &a3, sizeof a3);
  }
  for (; e < n; ++e) scalarAt(e);
  StoreQuotients(acc, s.sums.data(), n, out);
}

// One output row of the vertical pass: rows[i - from] are the float values
// of the source rows from..to.
BRINMORA_TARGET_CLONES
void VerticalRow(const float* const* rows, int n, int y, int from, int to, const PassWeights& pw, float* acc,
                 float* sums, std::uint8_t* out) {
  const int r = pw.radius;
  const float* taps = pw.taps.data();
  int e = 0;
  for (; e + kBlock <= n; e += kBlock) {
    Float8 a0 = {}, a1 = {}, a2 = {}, a3 = {};
    for (int i = from; i <= to; ++i) {
      const float wt = taps[i - y + r];
      const float* row = rows[i - from] + e;
      a0 = a0 + wt * LoadFloat8(row);
      a1 = a1 + wt * LoadFloat8(row + 8);
      a2 = a2 + wt * LoadFloat8(row + 16);
      a3 = a3 + wt * LoadFloat8(row + 24);
    }
    std::memcpy(acc + e, &a0, sizeof a0);
    std::memcpy(acc + e + 8, &a1, sizeof a1);
    std::memcpy(acc + e + 16, &a2, sizeof a2);
    std::memcpy(acc + e + 24, &a3, sizeof a3);
  }
  for (; e < n; ++e) {
    float sum = 0.0f;
    for (int i = from; i <= to; ++i) sum = sum + taps[i - y + r] * rows[i - from][e];
    acc[e] = sum;
  }
  const float rowSum = pw.sums[y];
  for (int k = 0; k < n; ++k) sums[k] = rowSum;
  StoreQuotients(acc, sums, n, out);
}

// Blurs a picture of w x h pixels of C channels, whose row y is rowOf(y):
// first the horizontal pass of every row into a float picture, then the
// vertical pass row by row, each band of rows on its own thread. Output row
// y is handed to finish(y, blurredRow) once every horizontal result exists,
// so finish may write row y of the source itself.
template <int C, typename RowOf, typename Finish>
void BlurRows(RowOf rowOf, int width, int height, int sigma, Finish finish) {
  const GaussianKernel* kernel = TabulatedGaussianKernel(sigma);
  GaussianKernel computed;
  if (kernel == nullptr) {
    computed = MakeGaussianKernel(sigma, false);
    kernel = &computed;
  }
  const int radius = 3 * sigma;
  const PassWeights horizontal = MakePassWeights(kernel->Weights, radius, width);
  const PassWeights vertical = MakePassWeights(kernel->Weights, radius, height);
  const int h = height;
  const int n = C * width;
  std::vector<float> columnSums(n);
  for (int e = 0; e < n; ++e) columnSums[e] = horizontal.sums[e / C];
  // Left unfilled: every value is written by the horizontal pass, whose
  // bands also take the first touch of its pages.
  const std::unique_ptr<float[]> across = std::make_unique_for_overwrite<float[]>(static_cast<std::size_t>(h) * n);
  ParallelRows(h, [&](int begin, int end) {
    HorizontalScratch scratch;
    scratch.row.resize(n);
    scratch.acc.resize(n);
    scratch.sums = columnSums;
    for (int y = begin; y < end; ++y)
      HorizontalRow<C>(rowOf(y), width, horizontal, scratch, across.get() + static_cast<std::size_t>(y) * n);
  });
  ParallelRows(h, [&](int begin, int end) {
    std::vector<const float*> inReach(2 * radius + 1);
    std::vector<float> acc(n), sums(n);
    std::vector<std::uint8_t> blurred(n);
    for (int y = begin; y < end; ++y) {
      const int from = y - radius < 0 ? 0 : y - radius;
      const int to = y + radius > h - 1 ? h - 1 : y + radius;
      for (int i = from; i <= to; ++i) inReach[i - from] = across.get() + static_cast<std::size_t>(i) * n;
      VerticalRow(inReach.data(), n, y, from, to, vertical, acc.data(), sums.data(), blurred.data());
      finish(y, blurred.data());
    }
  });
}

}  // namespace

void GaussianBlur(FrameBitmap& bitmap, int sigma) {
  if (sigma < 1 || sigma > 30 || bitmap.Empty()) return;
  BlurRows<3>([&](int y) { return bitmap.Row(y); }, bitmap.Width, bitmap.Height, sigma,
               [&](int y, const std::uint8_t* blurred) { std::memcpy(bitmap.Row(y), blurred, bitmap.RowBytes()); });
}

namespace {

// mix[A + B] for the picture value A and its blur B: the rounded average
// (halves to even), then the contrast curve.
std::array<std::uint8_t, 511> SoftFocusMix(double contrast) {
  std::array<std::uint8_t, 511> average;
  for (int s = 0; s < 511; ++s) average[s] = static_cast<std::uint8_t>(RoundHalfEvenDiv(s, 2));
  Curve finish = IdentityCurve();
  if (contrast != 0.0)
    for (int b = 0; b < 256; ++b) finish[b] = static_cast<std::uint8_t>(ClampRound(contrast * (b - 127.5) + b));
  std::array<std::uint8_t, 511> mixed;
  for (int s = 0; s < 511; ++s) mixed[s] = finish[average[s]];
  return mixed;
}

// The first channel of every pixel, row after row.
std::vector<std::uint8_t> GreyPlane(const FrameBitmap& bitmap) {
  const std::size_t w = static_cast<std::size_t>(bitmap.Width);
  std::vector<std::uint8_t> plane(w * bitmap.Height);
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    const std::uint8_t* p = bitmap.Row(begin);
    for (std::size_t i = w * begin, last = w * end; i < last; ++i, p += 3) plane[i] = *p;
  });
  return plane;
}

}  // namespace

void SoftFocus(FrameBitmap& bitmap, int sigma, double contrast) {
  const std::array<std::uint8_t, 511> mixed = SoftFocusMix(contrast);
  const std::size_t n = bitmap.RowBytes();
  if (sigma < 1 || sigma > 30) {  // no blur: B is the picture itself
    ParallelRows(bitmap.Height, [&](int begin, int end) {
      for (std::uint8_t *v = bitmap.Row(begin), *last = bitmap.Row(begin) + n * (end - begin); v != last; ++v) *v = mixed[2 * *v];
    });
    return;
  }
  if (bitmap.Empty()) return;
  BlurRows<3>([&](int y) { return bitmap.Row(y); }, bitmap.Width, bitmap.Height, sigma,
               [&](int y, const std::uint8_t* blurred) {
                 std::uint8_t* row = bitmap.Row(y);
                 for (std::size_t e = 0; e < n; ++e) row[e] = mixed[row[e] + blurred[e]];
               });
}

void GaussianBlurGrey(FrameBitmap& bitmap, int sigma) {
  if (sigma < 1 || sigma > 30 || bitmap.Empty()) return;
  const int w = bitmap.Width;
  const std::vector<std::uint8_t> plane = GreyPlane(bitmap);
  BlurRows<1>([&](int y) { return plane.data() + static_cast<std::size_t>(y) * w; }, w, bitmap.Height, sigma,
               [&](int y, const std::uint8_t* blurred) {
                 std::uint8_t* row = bitmap.Row(y);
                 for (int x = 0; x < w; ++x, row += 3) row[0] = row[1] = row[2] = blurred[x];
               });
}

void SoftFocusGrey(FrameBitmap& bitmap, int sigma, double contrast) {
  if (sigma < 1 || sigma > 30 || bitmap.Empty()) {
    SoftFocus(bitmap, sigma, contrast);
    return;
  }
  const std::array<std::uint8_t, 511> mixed = SoftFocusMix(contrast);
  const int w = bitmap.Width;
  const std::vector<std::uint8_t> plane = GreyPlane(bitmap);
  BlurRows<1>([&](int y) { return plane.data() + static_cast<std::size_t>(y) * w; }, w, bitmap.Height, sigma,
               [&](int y, const std::uint8_t* blurred) {
                 const std::uint8_t* in = plane.data() + static_cast<std::size_t>(y) * w;
                 std::uint8_t* row = bitmap.Row(y);
                 for (int x = 0; x < w; ++x, row += 3) row[0] = row[1] = row[2] = mixed[in[x] + blurred[x]];
               });
}
