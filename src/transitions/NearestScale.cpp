#include "transitions/NearestScale.h"

#include <bit>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define BRINMORA_X86 1
#endif

ScaleScratch::ScaleScratch(int maxWidth)
    : MaxWidth(maxWidth < 0 ? 0 : maxWidth),
      ColumnOffsets(static_cast<std::size_t>(MaxWidth)),
      ChunkOffsets(static_cast<std::size_t>(MaxWidth)),
      ChunkBytes(static_cast<std::size_t>(MaxWidth)),
      ChunkIndices(static_cast<std::size_t>(MaxWidth) * kShuffleBytes) {}

namespace {

inline std::int64_t Nearest(std::int64_t i, std::int64_t sourceLength, std::int64_t length) {
  return ((2 * i + 1) * sourceLength) / (2 * length);
}

// One part as its rows are drawn: where it writes, what it reads, and its
// plan in the scratch arrays.
struct PartPlan {
  std::uint8_t* dstRow;  // the band's first row, at the part's left edge
  const std::uint8_t* srcBase;
  std::size_t srcStride;
  std::int64_t srcRows;
  int w;
  bool rowsOnly;  // as wide as its source: rows are copied whole
  const std::uint32_t* offsets;  // source byte of each destination column
  int fastRun;                   // columns before the first of the last source column
  const std::uint32_t* chunkOffsets;
  const std::uint8_t* chunkBytes;
  const std::uint8_t* indices;
  int chunks;
  int plainChunks;  // the first ones, whose loads and stores need no mask
  int covered;      // columns the shuffles produce; the pixel loop does the rest
};

// Columns from x on, one pixel at a time.
inline void CopyColumns(std::uint8_t* d, const std::uint8_t* srcRow, const std::uint32_t* offsets,
                        int x, int w) {
  for (; x < w; ++x, d += 3) std::memcpy(d, srcRow + offsets[x], 3);
}

// The three bytes of the pixel at p in the low bytes of a word (little-endian
// order, as they lie in memory); reads one byte beyond the pixel.
inline std::uint64_t PixelAt(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v & 0xFFFFFFu;
}

// Portable: eight pixels gathered into three 8-byte stores (byte order as in
// memory only on little-endian processors; others take the pixel loop). The
// fast part stops before any pixel of the last source column, whose 4-byte
// read would pass the bitmap's end.
void GatherRow(const PartPlan& p, std::uint8_t* d, const std::uint8_t* srcRow) {
  const std::uint32_t* offsets = p.offsets;
  int x = 0;
  for (; std::endian::native == std::endian::little && x + 8 <= p.fastRun; x += 8, d += 24) {
    const std::uint32_t* m = offsets + x;
    const std::uint64_t p0 = PixelAt(srcRow + m[0]), p1 = PixelAt(srcRow + m[1]);
    const std::uint64_t p2 = PixelAt(srcRow + m[2]), p3 = PixelAt(srcRow + m[3]);
    const std::uint64_t p4 = PixelAt(srcRow + m[4]), p5 = PixelAt(srcRow + m[5]);
    const std::uint64_t p6 = PixelAt(srcRow + m[6]), p7 = PixelAt(srcRow + m[7]);
    const std::uint64_t words[3] = {p0 | p1 << 24 | p2 << 48, p2 >> 16 | p3 << 8 | p4 << 32 | p5 << 56,
                                    p5 >> 8 | p6 << 16 | p7 << 40};
    std::memcpy(d, words, 24);
  }
  CopyColumns(d, srcRow, offsets, x, p.w);
}

#ifdef BRINMORA_X86
// Splits a part's row into shuffles: each takes the next destination pixels
// whose source bytes lie in a window of windowBytes from the first one's, at
// most storeBytes / 3 of them, and stores storeBytes at once; the bytes past
// its pixels are garbage that the next store overwrites. The plain shuffles
// stop where a window would pass the source row or a store the part's row.
// With toTheEnd the plan goes on to the row's end with shuffles whose loads
// and stores are masked to the bytes that exist; otherwise the pixel loop
// does the rest, and since it runs last it also covers the last garbage.
void PlanShuffles(PartPlan& p, std::uint32_t* chunkOffsets, std::uint8_t* chunkBytes,
                  std::uint8_t* indices, int windowBytes, int storeBytes, bool toTheEnd) {
  const std::uint32_t* offsets = p.offsets;
  const int most = storeBytes / 3;
  const std::size_t window = static_cast<std::size_t>(windowBytes);
  int x = 0, chunks = 0;
  p.plainChunks = -1;
  while (x < p.w) {
    if (p.plainChunks < 0 && (offsets[x] + window > p.srcStride || 3 * x + storeBytes > 3 * p.w)) {
      p.plainChunks = chunks;
      if (!toTheEnd) break;
    }
    const std::uint32_t first = offsets[x];
    int n = 1;
    while (n < most && x + n < p.w && offsets[x + n] + 3 <= first + window) ++n;
    std::uint8_t* index = indices + static_cast<std::size_t>(chunks) * static_cast<std::size_t>(storeBytes);
    for (int j = 0; j < storeBytes; ++j)
      index[j] = j < 3 * n ? static_cast<std::uint8_t>(offsets[x + j / 3] + j % 3 - first) : 0;
    chunkOffsets[chunks] = first;
    chunkBytes[chunks] = static_cast<std::uint8_t>(3 * n);
    ++chunks;
    x += n;
  }
  if (p.plainChunks < 0) p.plainChunks = chunks;
  p.chunkOffsets = chunkOffsets;
  p.chunkBytes = chunkBytes;
  p.indices = indices;
  p.chunks = chunks;
  p.covered = x;
}

// A 16-byte window and store per shuffle.
__attribute__((target("ssse3"))) void ShuffleRowSsse3(const PartPlan& p, std::uint8_t* d,
                                                      const std::uint8_t* srcRow) {
  // The plan in locals: stores through d could alias it, and the compiler
  // would read it again after every store.
  const std::uint32_t* offsets = p.chunkOffsets;
  const std::uint8_t* bytes = p.chunkBytes;
  const std::uint8_t* index = p.indices;
  const int chunks = p.chunks;
  for (int c = 0; c < chunks; ++c, index += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(srcRow + offsets[c]));
    const __m128i i = _mm_loadu_si128(reinterpret_cast<const __m128i*>(index));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_shuffle_epi8(v, i));
    d += bytes[c];
  }
  CopyColumns(d, srcRow, p.offsets, p.covered, p.w);
}

// A 128-byte window (two loads, one two-table permute) and a 64-byte store;
// at the row's end, loads and stores masked to the bytes that exist.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void ShuffleRowAvx512(
    const PartPlan& p, std::uint8_t* d, const std::uint8_t* srcRow) {
  const std::uint32_t* offsets = p.chunkOffsets;  // in locals, as above
  const std::uint8_t* bytes = p.chunkBytes;
  const std::uint8_t* index = p.indices;
  const int plain = p.plainChunks, chunks = p.chunks;
  int c = 0;
  for (; c < plain; ++c, index += 64) {
    const std::uint8_t* s = srcRow + offsets[c];
    const __m512i lo = _mm512_loadu_si512(s);
    const __m512i hi = _mm512_loadu_si512(s + 64);
    _mm512_storeu_si512(d, _mm512_permutex2var_epi8(lo, _mm512_loadu_si512(index), hi));
    d += bytes[c];
  }
  for (; c < chunks; ++c, index += 64) {
    const std::size_t at = offsets[c];
    const std::size_t left = p.srcStride - at;  // bytes of the row from the window's start
    const __mmask64 loMask = left >= 64 ? ~__mmask64{0} : (__mmask64{1} << left) - 1;
    const __mmask64 hiMask = left >= 128 ? ~__mmask64{0} : left <= 64 ? 0 : (__mmask64{1} << (left - 64)) - 1;
    const __m512i lo = _mm512_maskz_loadu_epi8(loMask, srcRow + at);
    const __m512i hi = _mm512_maskz_loadu_epi8(hiMask, srcRow + at + 64);
    const __m512i v = _mm512_permutex2var_epi8(lo, _mm512_loadu_si512(index), hi);
    _mm512_mask_storeu_epi8(d, (__mmask64{1} << bytes[c]) - 1, v);
    d += bytes[c];
  }
}
#endif

constexpr std::size_t kMostParts = 4;

}  // namespace

void ScaleColumnsIntoOn(VectorUnit unit, FrameBitmap& dst, int top, int h,
                        std::span<const ScalePart> parts, ScaleScratch& scratch) {
  if (h <= 0) return;
  [[maybe_unused]] const VectorUnit usable = UsableVectorUnit(unit);
  PartPlan plans[kMostParts];
  std::size_t count = 0;
  int columnsUsed = 0, chunksUsed = 0;
  for (const ScalePart& part : parts) {
    if (count == kMostParts) break;
    if (part.Width <= 0 || part.Source == nullptr || part.Source->Empty()) continue;
    const FrameBitmap& src = *part.Source;
    PartPlan& p = plans[count++];
    p = PartPlan{dst.At(part.Left, top), src.Pixels.data(), src.RowBytes(), src.Height, part.Width,
                 part.Width == src.Width, nullptr, 0, nullptr, nullptr, nullptr, 0, 0, 0};
    if (p.rowsOnly) continue;

    std::uint32_t* offsets = scratch.ColumnOffsets.data() + columnsUsed;
    columnsUsed += part.Width;
    p.offsets = offsets;
    p.fastRun = part.Width;
    for (int x = 0; x < part.Width; ++x) {
      const std::int64_t sx = Nearest(x, src.Width, part.Width);
      offsets[x] = static_cast<std::uint32_t>(sx * 3);
      if (sx == src.Width - 1 && x < p.fastRun) p.fastRun = x;
    }
#ifdef BRINMORA_X86
    if (usable >= VectorUnit::Avx2) {
      const bool wide = usable == VectorUnit::Avx512;
      const int store = wide ? 64 : 16;
      PlanShuffles(p, scratch.ChunkOffsets.data() + chunksUsed, scratch.ChunkBytes.data() + chunksUsed,
                   scratch.ChunkIndices.data() + static_cast<std::size_t>(chunksUsed) * static_cast<std::size_t>(store),
                   wide ? 128 : 16, store, wide);
      chunksUsed += p.chunks;
    }
#endif
  }

  auto drawRow = &GatherRow;
#ifdef BRINMORA_X86
  if (usable == VectorUnit::Avx512) drawRow = &ShuffleRowAvx512;
  else if (usable == VectorUnit::Avx2) drawRow = &ShuffleRowSsse3;
#endif
  const std::size_t dstStride = dst.RowBytes();
  for (int y = 0; y < h; ++y) {
    for (std::size_t i = 0; i < count; ++i) {
      const PartPlan& p = plans[i];
      std::uint8_t* d = p.dstRow + static_cast<std::size_t>(y) * dstStride;
      // Rows of the source's own height map one to one, without a division.
      const std::int64_t sy = p.srcRows == h ? y : Nearest(y, p.srcRows, h);
      const std::uint8_t* s = p.srcBase + static_cast<std::size_t>(sy) * p.srcStride;
      if (p.rowsOnly)
        std::memcpy(d, s, p.srcStride);
      else
        drawRow(p, d, s);
    }
  }
}

void ScaleColumnsInto(FrameBitmap& dst, int top, int h, std::span<const ScalePart> parts,
                      ScaleScratch& scratch) {
  ScaleColumnsIntoOn(WidestVectorUnit(), dst, top, h, parts, scratch);
}

void ScaleInto(FrameBitmap& dst, int left, int top, int w, int h, const FrameBitmap& src,
               ScaleScratch& scratch) {
  const ScalePart part{left, w, &src};
  ScaleColumnsInto(dst, top, h, std::span<const ScalePart>(&part, 1), scratch);
}
