#include "transitions/CardShading.h"

#include <cstddef>
#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
#include <emmintrin.h>
#define BRINMORA_X86 1
#endif

namespace {
// Both shadings are out = ((in × a) >> 4) + c with a in 0..16 and c fixed for
// the frame; the sum never passes 255.
void ShadeBytes(std::uint8_t* p, std::size_t n, unsigned a, unsigned c) {
  std::size_t i = 0;
#ifdef BRINMORA_X86
  // (x × a) >> 4 is the high half of (x << 8) × (a << 4); a << 4 is at most 256.
  const __m128i wa = _mm_set1_epi16(static_cast<short>(a << 4));
  const __m128i vc = _mm_set1_epi16(static_cast<short>(c));
  const __m128i zero = _mm_setzero_si128();
  for (; i + 16 <= n; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    const __m128i lo = _mm_add_epi16(_mm_mulhi_epu16(_mm_unpacklo_epi8(zero, v), wa), vc);
    const __m128i hi = _mm_add_epi16(_mm_mulhi_epu16(_mm_unpackhi_epi8(zero, v), wa), vc);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), _mm_packus_epi16(lo, hi));
  }
#endif
  for (; i < n; ++i) p[i] = static_cast<std::uint8_t>(((p[i] * a) >> 4) + c);
}
}  // namespace

void ShadeRect(FrameBitmap& bitmap, int left, int top, int w, int h, CardShade shade, int k, int g) {
  if (w <= 0 || h <= 0) return;
  const unsigned uk = static_cast<unsigned>(k), ug = static_cast<unsigned>(g);
  const unsigned a = shade == CardShade::Darken ? 16 - uk : uk;
  const unsigned c = shade == CardShade::Darken ? (uk * ug) >> 4 : ((16 - uk) * ug) >> 4;
  if (a == 16 && c == 0) return;  // k leaves the bytes as they are
  const std::size_t bytes = static_cast<std::size_t>(w) * 3;
  for (int y = top; y < top + h; ++y) ShadeBytes(bitmap.At(left, y), bytes, a, c);
}

void DrawTurningCard(FrameBitmap& dst, int left, int top, int w, int h, const FrameBitmap& card,
                     CardShade shade, int k, int g, ScaleScratch& scratch) {
  if (w <= 0 || h <= 0) return;
  ScaleInto(dst, left, top, w, h, card, scratch);
  ShadeRect(dst, left, top, w, h, shade, k, g);
}
