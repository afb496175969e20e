#include "filters/FloatExactness.h"
// (first: keeps float products and sums rounded one by one)
#include "filters/GaussianBlur.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

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
typedef std::uint8_t Byte8 __attribute__((vector_size(8)));

constexpr int kBlock = 32;  // outputs per register block (four vectors of eight)

inline Float8 LoadFloat8(const float* p) {
  Float8 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

inline Float8 LoadBytesAsFloat8(const std::uint8_t* p) {
  Byte8 b;
  std::memcpy(&b, p, sizeof b);
  return __builtin_convertvector(b, Float8);
}

// out[i * stride] = ClampRound(acc[i] / sums[i]) with the quotient in double.
inline void StoreQuotients4(const float* acc, const float* sums, std::uint8_t* out, int stride) {
  const Double4 a = {acc[0], acc[1], acc[2], acc[3]};
  const Double4 s = {sums[0], sums[1], sums[2], sums[3]};
  const Double4 zero = {0, 0, 0, 0};
  const Double4 top = {255, 255, 255, 255};
  const Double4 shifter = {6755399441055744.0, 6755399441055744.0, 6755399441055744.0, 6755399441055744.0};
  Double4 q = a / s;
  q = q > zero ? q : zero;
  q = q < top ? q : top;
  q = (q + shifter) - shifter;
  const Int4 v = __builtin_convertvector(q, Int4);
  for (int i = 0; i < 4; ++i) out[i * stride] = static_cast<std::uint8_t>(v[i]);
}

inline void StoreQuotients(const float* acc, const float* sums, int n, std::uint8_t* out, int stride) {
  int i = 0;
  for (; i + 4 <= n; i += 4) StoreQuotients4(acc + i, sums + i, out + static_cast<std::ptrdiff_t>(i) * stride, stride);
  for (; i < n; ++i) out[static_cast<std::ptrdiff_t>(i) * stride] = static_cast<std::uint8_t>(ClampRound(static_cast<double>(acc[i]) / sums[i]));
}

// The weights of one pass for every output position: taps[t] = w[|t - r|]
// for t = 0 .. 2r, and sums[p] = the float sum of the weights inside 0..n-1.
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

// One row: in[] holds the channel's values as floats, acc[x] gets the
// weighted sum over the columns inside the row.
__attribute__((target_clones("avx2", "default")))
void SumRow(const float* in, int n, const PassWeights& pw, float* acc) {
  const int r = pw.radius;
  const float* taps = pw.taps.data();
  int x = 0;
  auto scalarAt = [&](int p) {
    float sum = 0.0f;
    const int from = p - r < 0 ? 0 : p - r;
    const int to = p + r > n - 1 ? n - 1 : p + r;
    for (int j = from; j <= to; ++j) sum = sum + taps[j - p + r] * in[j];
    acc[p] = sum;
  };
  for (; x < r && x < n; ++x) scalarAt(x);
  // Interior: every tap inside the row.
  for (; x + kBlock - 1 <= n - 1 - r; x += kBlock) {
    Float8 a0 = {}, a1 = {}, a2 = {}, a3 = {};
    const float* base = in + x - r;
    for (int t = 0; t <= 2 * r; ++t) {
      const float wt = taps[t];
      a0 = a0 + wt * LoadFloat8(base + t);
      a1 = a1 + wt * LoadFloat8(base + t + 8);
      a2 = a2 + wt * LoadFloat8(base + t + 16);
      a3 = a3 + wt * LoadFloat8(base + t + 24);
    }
    std::memcpy(acc + x, &a0, sizeof a0);
    std::memcpy(acc + x + 8, &a1, sizeof a1);
    std::memcpy(acc + x + 16, &a2, sizeof a2);
    std::memcpy(acc + x + 24, &a3, sizeof a3);
  }
  for (; x < n; ++x) scalarAt(x);
}

void HorizontalPass(const FrameBitmap& src, FrameBitmap& dst, const PassWeights& pw) {
  const int w = src.Width;
  std::vector<float> plane(w), acc(w);
  for (int y = 0; y < src.Height; ++y) {
    const std::uint8_t* in = src.Row(y);
    std::uint8_t* out = dst.Row(y);
    for (int c = 0; c < 3; ++c) {
      for (int x = 0; x < w; ++x) plane[x] = in[x * 3 + c];
      SumRow(plane.data(), w, pw, acc.data());
      StoreQuotients(acc.data(), pw.sums.data(), w, out + c, 3);
    }
  }
}

// One output row of the vertical pass over the rows from..to of src.
__attribute__((target_clones("avx2", "default")))
void SumColumns(const FrameBitmap& src, int y, int from, int to, const PassWeights& pw, float* acc) {
  const int n = static_cast<int>(src.RowBytes());
  const int r = pw.radius;
  const float* taps = pw.taps.data();
  int e = 0;
  for (; e + kBlock <= n; e += kBlock) {
    Float8 a0 = {}, a1 = {}, a2 = {}, a3 = {};
    for (int i = from; i <= to; ++i) {
      const float wt = taps[i - y + r];
      const std::uint8_t* row = src.Row(i) + e;
      a0 = a0 + wt * LoadBytesAsFloat8(row);
      a1 = a1 + wt * LoadBytesAsFloat8(row + 8);
      a2 = a2 + wt * LoadBytesAsFloat8(row + 16);
      a3 = a3 + wt * LoadBytesAsFloat8(row + 24);
    }
    std::memcpy(acc + e, &a0, sizeof a0);
    std::memcpy(acc + e + 8, &a1, sizeof a1);
    std::memcpy(acc + e + 16, &a2, sizeof a2);
    std::memcpy(acc + e + 24, &a3, sizeof a3);
  }
  for (; e < n; ++e) {
    float sum = 0.0f;
    for (int i = from; i <= to; ++i) sum = sum + taps[i - y + r] * static_cast<float>(src.Row(i)[e]);
    acc[e] = sum;
  }
}

void VerticalPass(const FrameBitmap& src, FrameBitmap& dst, const PassWeights& pw) {
  const int h = src.Height;
  const int n = static_cast<int>(src.RowBytes());
  std::vector<float> acc(n), sums(n);
  for (int y = 0; y < h; ++y) {
    const int from = y - pw.radius < 0 ? 0 : y - pw.radius;
    const int to = y + pw.radius > h - 1 ? h - 1 : y + pw.radius;
    SumColumns(src, y, from, to, pw, acc.data());
    std::fill(sums.begin(), sums.end(), pw.sums[y]);
    StoreQuotients(acc.data(), sums.data(), n, dst.Row(y), 1);
  }
}

}  // namespace

void GaussianBlur(FrameBitmap& bitmap, int sigma) {
  if (sigma < 1 || sigma > 30 || bitmap.Empty()) return;
  const GaussianKernel* kernel = TabulatedGaussianKernel(sigma);
  GaussianKernel computed;
  if (kernel == nullptr) {
    computed = MakeGaussianKernel(sigma, false);
    kernel = &computed;
  }
  const int radius = 3 * sigma;
  FrameBitmap a = bitmap;  // horizontal result; the bitmap itself is the unchanged source
  HorizontalPass(bitmap, a, MakePassWeights(kernel->Weights, radius, bitmap.Width));
  VerticalPass(a, bitmap, MakePassWeights(kernel->Weights, radius, bitmap.Height));
}

void SoftFocus(FrameBitmap& bitmap, int sigma, double contrast) {
  FrameBitmap blurred = bitmap;
  GaussianBlur(blurred, sigma);
  // (A + B) / 2 rounded, halves to even; then the contrast curve.
  std::array<std::uint8_t, 511> average;
  for (int s = 0; s < 511; ++s) average[s] = static_cast<std::uint8_t>(RoundHalfEvenDiv(s, 2));
  Curve finish = IdentityCurve();
  if (contrast != 0.0)
    for (int b = 0; b < 256; ++b) finish[b] = static_cast<std::uint8_t>(ClampRound(contrast * (b - 127.5) + b));
  std::uint8_t* p = bitmap.Pixels.data();
  const std::uint8_t* q = blurred.Pixels.data();
  const std::size_t n = bitmap.Pixels.size();
  for (std::size_t i = 0; i < n; ++i) p[i] = finish[average[p[i] + q[i]]];
}
