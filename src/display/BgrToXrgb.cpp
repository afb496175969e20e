#include "display/BgrToXrgb.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define BRINMORA_HAVE_SSSE3_PATH 1
#endif

namespace {

// Pixels from x on, one at a time.
void PlainTail(const std::uint8_t* bgr, std::uint32_t* xrgb, int x, int width) {
  for (const std::uint8_t* s = bgr + 3 * x; x < width; ++x, s += 3) {
    xrgb[x] = 0xFF000000u | (static_cast<std::uint32_t>(s[2]) << 16) | (static_cast<std::uint32_t>(s[1]) << 8) | s[0];
  }
}

#ifdef BRINMORA_HAVE_SSSE3_PATH
// In memory an 0xFFRRGGBB word is B, G, R, FF: the row's own byte order
// with an alpha byte after every pixel, so one byte shuffle makes four.
__attribute__((target("ssse3"))) void Ssse3Row(const std::uint8_t* bgr, std::uint32_t* xrgb, int width) {
  const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  int x = 0;
  // A 16-byte load for four pixels reads four bytes beyond them: stop while
  // two more pixels remain, so no read leaves the row.
  for (; x + 6 <= width; x += 4) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bgr + 3 * x));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(xrgb + x), _mm_or_si128(_mm_shuffle_epi8(v, spread), alpha));
  }
  PlainTail(bgr, xrgb, x, width);
}

bool HasSsse3() {
  static const bool has = __builtin_cpu_supports("ssse3");
  return has;
}
#endif

}  // namespace

void BgrRowToXrgb(const std::uint8_t* bgr, std::uint32_t* xrgb, int width) {
#ifdef BRINMORA_HAVE_SSSE3_PATH
  if (HasSsse3()) {
    Ssse3Row(bgr, xrgb, width);
    return;
  }
#endif
  PlainTail(bgr, xrgb, 0, width);
}
