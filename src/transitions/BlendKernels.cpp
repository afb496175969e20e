#include "transitions/BlendKernels.h"

#include "filters/ClampRound.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define BRINMORA_X86 1
#endif

namespace {
// The melt's terms are exact in single precision: (16 − t) × (v / 16) is a
// multiple of 1/16 below 256, so rounding it half to even is rounding the
// integer (16 − t) × v over 16; and since rounding keeps order, the rounded
// larger term is the larger rounded term. So the melt is integer arithmetic
// on 16-bit values: m = max(a × (16 − t), b × t) divided by 16, halves to
// even. The vector loops round the same way with a shift:
// (m + 7 + bit 4 of m) >> 4.
inline std::uint8_t MeltByte(unsigned a, unsigned b, unsigned t) {
  const unsigned p = a * (16 - t), q = b * t;
  return static_cast<std::uint8_t>(RoundHalfEvenDiv(static_cast<int>(p > q ? p : q), 16));
}

void BlendScalar(std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b, std::size_t from,
                 std::size_t n, unsigned t) {
  for (std::size_t i = from; i < n; ++i)
    out[i] = static_cast<std::uint8_t>(((a[i] * (32 - t)) >> 5) + ((b[i] * t) >> 5));
}

void MeltScalar(std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b, std::size_t from,
                std::size_t n, unsigned t) {
  for (std::size_t i = from; i < n; ++i) out[i] = MeltByte(a[i], b[i], t);
}

#ifdef BRINMORA_X86
// (x × w) >> 5 is the high half of (x << 8) × (w << 3); w << 3 is at most 256.
std::size_t BlendSse2(std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b,
                      std::size_t n, unsigned t) {
  const __m128i wa = _mm_set1_epi16(static_cast<short>((32 - t) << 3));
  const __m128i wb = _mm_set1_epi16(static_cast<short>(t << 3));
  const __m128i zero = _mm_setzero_si128();
  std::size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
    const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
    const __m128i lo = _mm_add_epi16(_mm_mulhi_epu16(_mm_unpacklo_epi8(zero, va), wa),
                                     _mm_mulhi_epu16(_mm_unpacklo_epi8(zero, vb), wb));
    const __m128i hi = _mm_add_epi16(_mm_mulhi_epu16(_mm_unpackhi_epi8(zero, va), wa),
                                     _mm_mulhi_epu16(_mm_unpackhi_epi8(zero, vb), wb));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(lo, hi));
  }
  return i;
}

__attribute__((target("avx2"))) std::size_t BlendAvx2(std::uint8_t* out, const std::uint8_t* a,
                                                      const std::uint8_t* b, std::size_t n,
                                                      unsigned t) {
  const __m256i wa = _mm256_set1_epi16(static_cast<short>((32 - t) << 3));
  const __m256i wb = _mm256_set1_epi16(static_cast<short>(t << 3));
  const __m256i zero = _mm256_setzero_si256();
  std::size_t i = 0;
  for (; i + 32 <= n; i += 32) {
    const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
    const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i));
    // Unpacking and packing both work within 128-bit lanes, so bytes keep their places.
    const __m256i lo = _mm256_add_epi16(_mm256_mulhi_epu16(_mm256_unpacklo_epi8(zero, va), wa),
                                        _mm256_mulhi_epu16(_mm256_unpacklo_epi8(zero, vb), wb));
    const __m256i hi = _mm256_add_epi16(_mm256_mulhi_epu16(_mm256_unpackhi_epi8(zero, va), wa),
                                        _mm256_mulhi_epu16(_mm256_unpackhi_epi8(zero, vb), wb));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_packus_epi16(lo, hi));
  }
  return i;
}

inline __m128i MeltHalfSse2(__m128i a16, __m128i b16, __m128i wa, __m128i wb) {
  const __m128i m = _mm_max_epi16(_mm_mullo_epi16(a16, wa), _mm_mullo_epi16(b16, wb));
  const __m128i odd = _mm_and_si128(_mm_srli_epi16(m, 4), _mm_set1_epi16(1));
  return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(m, _mm_set1_epi16(7)), odd), 4);
}

std::size_t MeltSse2(std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b,
                     std::size_t n, unsigned t) {
  const __m128i wa = _mm_set1_epi16(static_cast<short>(16 - t));
  const __m128i wb = _mm_set1_epi16(static_cast<short>(t));
  const __m128i zero = _mm_setzero_si128();
  std::size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
    const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
    const __m128i lo = MeltHalfSse2(_mm_unpacklo_epi8(va, zero), _mm_unpacklo_epi8(vb, zero), wa, wb);
    const __m128i hi = MeltHalfSse2(_mm_unpackhi_epi8(va, zero), _mm_unpackhi_epi8(vb, zero), wa, wb);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(lo, hi));
  }
  return i;
}

__attribute__((target("avx2"))) inline __m256i MeltHalfAvx2(__m256i a16, __m256i b16, __m256i wa,
                                                            __m256i wb) {
  const __m256i m = _mm256_max_epu16(_mm256_mullo_epi16(a16, wa), _mm256_mullo_epi16(b16, wb));
  const __m256i odd = _mm256_and_si256(_mm256_srli_epi16(m, 4), _mm256_set1_epi16(1));
  return _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(m, _mm256_set1_epi16(7)), odd), 4);
}

__attribute__((target("avx2"))) std::size_t MeltAvx2(std::uint8_t* out, const std::uint8_t* a,
                                                     const std::uint8_t* b, std::size_t n,
                                                     unsigned t) {
  const __m256i wa = _mm256_set1_epi16(static_cast<short>(16 - t));
  const __m256i wb = _mm256_set1_epi16(static_cast<short>(t));
  const __m256i zero = _mm256_setzero_si256();
  std::size_t i = 0;
  for (; i + 32 <= n; i += 32) {
    const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
    const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i));
    const __m256i lo = MeltHalfAvx2(_mm256_unpacklo_epi8(va, zero), _mm256_unpacklo_epi8(vb, zero), wa, wb);
    const __m256i hi = MeltHalfAvx2(_mm256_unpackhi_epi8(va, zero), _mm256_unpackhi_epi8(vb, zero), wa, wb);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_packus_epi16(lo, hi));
  }
  return i;
}
#endif
}  // namespace

void BlendBytesOn(VectorUnit unit, std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b,
                  std::size_t n, unsigned t) {
  std::size_t done = 0;
#ifdef BRINMORA_X86
  switch (UsableVectorUnit(unit)) {
    case VectorUnit::Avx512:
    case VectorUnit::Avx2: done = BlendAvx2(out, a, b, n, t); break;
    case VectorUnit::Sse2: done = BlendSse2(out, a, b, n, t); break;
    case VectorUnit::Plain: break;
  }
#else
  (void)unit;
#endif
  BlendScalar(out, a, b, done, n, t);
}

void MeltBytesOn(VectorUnit unit, std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b,
                 std::size_t n, unsigned t) {
  std::size_t done = 0;
#ifdef BRINMORA_X86
  switch (UsableVectorUnit(unit)) {
    case VectorUnit::Avx512:
    case VectorUnit::Avx2: done = MeltAvx2(out, a, b, n, t); break;
    case VectorUnit::Sse2: done = MeltSse2(out, a, b, n, t); break;
    case VectorUnit::Plain: break;
  }
#else
  (void)unit;
#endif
  MeltScalar(out, a, b, done, n, t);
}

void BlendBytes(std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b, std::size_t n,
                unsigned t) {
  BlendBytesOn(WidestVectorUnit(), out, a, b, n, t);
}

void MeltBytes(std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b, std::size_t n,
               unsigned t) {
  MeltBytesOn(WidestVectorUnit(), out, a, b, n, t);
}
