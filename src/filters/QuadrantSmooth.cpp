#include "filters/QuadrantSmooth.h"

#include "bitmap/TargetClones.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "bitmap/ParallelRows.h"
#include "filters/ClampRound.h"

// The byte loops of the window scores are exact whatever the compiler does
// with them, so they are left to its vectoriser, which the default level
// would not run.
#pragma GCC optimize("tree-vectorize", "vect-cost-model=dynamic")

// The 32-byte vectors below never cross a function boundary the caller sees.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace {

struct Window {
  int x0, y0, x1, y1;  // inclusive bounds
};

// The spread scores of the window rows begin..end-1 into scores (columns
// per row): per source row, the max and min of each channel over side
// columns from each corner column, kept for the side rows in reach (row y in
// slot y mod side). A band starts its ring afresh, so bands are independent.
BRINMORA_TARGET_CLONES
void ScoreWindowRows(const FrameBitmap& source, int side, int columns, int begin, int end, std::uint16_t* scores) {
  const std::size_t rowValues = static_cast<std::size_t>(columns) * 3;
  std::vector<std::uint8_t> rowMax(rowValues * side), rowMin(rowValues * side);
  auto spreadRow = [&](int y) {
    const std::uint8_t* in = source.Row(y);
    std::uint8_t* hi = rowMax.data() + rowValues * (y % side);
    std::uint8_t* lo = rowMin.data() + rowValues * (y % side);
    // A column offset at a time, so that each pass runs along the row.
    std::memcpy(hi, in, rowValues);
    std::memcpy(lo, in, rowValues);
    for (int d = 1; d < side; ++d) {
      const std::uint8_t* shifted = in + static_cast<std::size_t>(d) * 3;
      for (std::size_t e = 0; e < rowValues; ++e) {
        hi[e] = std::max(hi[e], shifted[e]);
        lo[e] = std::min(lo[e], shifted[e]);
      }
    }
  };
  std::vector<std::uint8_t> mx(rowValues), mn(rowValues);
  for (int y = begin; y < begin + side - 1; ++y) spreadRow(y);
  for (int y0 = begin; y0 < end; ++y0) {
    spreadRow(y0 + side - 1);
    std::memcpy(mx.data(), rowMax.data() + rowValues * (y0 % side), rowValues);
    std::memcpy(mn.data(), rowMin.data() + rowValues * (y0 % side), rowValues);
    for (int d = 1; d < side; ++d) {
      const std::uint8_t* hi = rowMax.data() + rowValues * ((y0 + d) % side);
      const std::uint8_t* lo = rowMin.data() + rowValues * ((y0 + d) % side);
      for (std::size_t e = 0; e < rowValues; ++e) {
        mx[e] = std::max(mx[e], hi[e]);
        mn[e] = std::min(mn[e], lo[e]);
      }
    }
    std::uint16_t* out = scores + static_cast<std::size_t>(columns) * y0;
    for (int x0 = 0; x0 < columns; ++x0) {
      const std::size_t e = static_cast<std::size_t>(x0) * 3;
      out[x0] = static_cast<std::uint16_t>((mx[e] - mn[e]) + (mx[e + 1] - mn[e + 1]) + (mx[e + 2] - mn[e + 2]));
    }
  }
}

// The spread score, (maxR - minR) + (maxG - minG) + (maxB - minB), of every
// window that fits, indexed by its upper-left corner.
class WindowScores {
 public:
  WindowScores(const FrameBitmap& source, int side) {
    columns_ = source.Width - side + 1;
    rows_ = source.Height - side + 1;
    if (columns_ <= 0 || rows_ <= 0) {
      columns_ = rows_ = 0;
      return;
    }
    scores_ = std::make_unique_for_overwrite<std::uint16_t[]>(static_cast<std::size_t>(columns_) * rows_);
    ParallelRows(rows_, [&](int begin, int end) { ScoreWindowRows(source, side, columns_, begin, end, scores_.get()); });
  }

  bool Fits(int x0, int y0) const { return x0 >= 0 && y0 >= 0 && x0 < columns_ && y0 < rows_; }
  int At(int x0, int y0) const { return scores_[static_cast<std::size_t>(columns_) * y0 + x0]; }

 private:
  int columns_ = 0;
  int rows_ = 0;
  std::unique_ptr<std::uint16_t[]> scores_;
};

int SpreadOf(const FrameBitmap& source, const Window& w) {
  int score = 0;
  for (int c = 0; c < 3; ++c) {
    int mx = 0, mn = 255;
    for (int y = w.y0; y <= w.y1; ++y)
      for (int x = w.x0; x <= w.x1; ++x) {
        const int v = source.At(x, y)[c];
        mx = std::max(mx, v);
        mn = std::min(mn, v);
      }
    score += mx - mn;
  }
  return score;
}

// The four windows of (x, y) clipped to the picture, compared by spread.
Window ChooseClippedWindow(const FrameBitmap& source, int x, int y, int r) {
  const int left = std::max(0, x - r), right = std::min(source.Width - 1, x + r);
  const int top = std::max(0, y - r), bottom = std::min(source.Height - 1, y + r);
  const Window windows[4] = {{left, top, x, y}, {x, top, right, y}, {x, y, right, bottom}, {left, y, x, bottom}};
  int best = 0;
  int bestScore = SpreadOf(source, windows[0]);
  for (int k = 1; k < 4; ++k) {
    const int score = SpreadOf(source, windows[k]);
    if (score < bestScore) {
      bestScore = score;
      best = k;
    }
  }
  return windows[best];
}

// The chosen window of (x, y): the fitting window of the lowest spread, the
// earlier on equal spreads; clipped windows when none fits.
[[gnu::always_inline]] inline Window ChooseWindow(const WindowScores& scores, const FrameBitmap& source, int x, int y, int r) {
  const int corners[4][2] = {{x - r, y - r}, {x, y - r}, {x, y}, {x - r, y}};
  int best = -1;
  int bestScore = 1000;
  for (int k = 0; k < 4; ++k) {
    if (!scores.Fits(corners[k][0], corners[k][1])) continue;
    const int score = scores.At(corners[k][0], corners[k][1]);
    if (score < bestScore) {
      bestScore = score;
      best = k;
    }
  }
  if (best < 0) return ChooseClippedWindow(source, x, y, r);
  const int x0 = corners[best][0], y0 = corners[best][1];
  return Window{x0, y0, x0 + r, y0 + r};
}

typedef std::uint16_t Lanes16 __attribute__((vector_size(32)));

// The 16 value bins (value div 16) of one channel's window, one lane per
// bin: keys hold count * 16 + (15 - bin), so the largest key is the highest
// count and the lower bin on equal counts; sums hold the bin's value sum
// (at most 121 * 255, within 16 bits).
struct ValueBins {
  Lanes16 keys;
  Lanes16 sums;
};

constexpr Lanes16 kBinIndex = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

[[gnu::always_inline]] inline ValueBins EmptyBins() { return ValueBins{15 - kBinIndex, Lanes16{}}; }

[[gnu::always_inline]] inline void AddValue(ValueBins& bins, int v) {
  const Lanes16 hit = reinterpret_cast<Lanes16>(kBinIndex == static_cast<std::uint16_t>(v >> 4));
  bins.keys += hit & 16;
  bins.sums += hit & static_cast<std::uint16_t>(v);
}

// The rounded mean of the values in the modal bin.
[[gnu::always_inline]] inline int ModalMean(const ValueBins& bins) {
  std::uint16_t top = 0;
  for (int b = 0; b < 16; ++b) top = std::max(top, bins.keys[b]);
  const int modal = 15 - (top & 15);
  return RoundHalfEvenDiv(bins.sums[modal], top >> 4);
}

// The rounded mean colours of the window rows begin..end-1, by upper-left
// corner: column sums slide down the rows and window sums along the
// columns; the rounded means come from a table of every possible sum. A
// band sums its first rows afresh, so bands are independent.
BRINMORA_TARGET_CLONES
void MeanWindowRows(const FrameBitmap& source, int side, int columns, const std::uint8_t* meanOf, int begin, int end,
                    std::uint8_t* means) {
  const int n = 3 * source.Width;
  std::vector<int> columnSums(static_cast<std::size_t>(n), 0);
  for (int y = begin; y < begin + side; ++y) {
    const std::uint8_t* in = source.Row(y);
    for (int e = 0; e < n; ++e) columnSums[e] += in[e];
  }
  for (int y0 = begin; y0 < end; ++y0) {
    if (y0 > begin) {
      const std::uint8_t* leaving = source.Row(y0 - 1);
      const std::uint8_t* entering = source.Row(y0 + side - 1);
      for (int e = 0; e < n; ++e) columnSums[e] += entering[e] - leaving[e];
    }
    int sums[3] = {0, 0, 0};
    for (int x = 0; x < side; ++x)
      for (int c = 0; c < 3; ++c) sums[c] += columnSums[x * 3 + c];
    std::uint8_t* out = means + static_cast<std::size_t>(y0) * columns * 3;
    for (int x0 = 0;; ++x0) {
      for (int c = 0; c < 3; ++c) out[x0 * 3 + c] = meanOf[sums[c]];
      if (x0 + 1 >= columns) break;
      for (int c = 0; c < 3; ++c) sums[c] += columnSums[(x0 + side) * 3 + c] - columnSums[x0 * 3 + c];
    }
  }
}

// The rounded mean colour of every full window, by its upper-left corner.
void MeansOfWindows(const FrameBitmap& source, int side, std::unique_ptr<std::uint8_t[]>& means, int& columns) {
  columns = source.Width - side + 1;
  const int rows = source.Height - side + 1;
  if (columns <= 0 || rows <= 0) {
    columns = 0;
    return;
  }
  const int area = side * side;
  std::vector<std::uint8_t> meanOf(static_cast<std::size_t>(area) * 255 + 1);
  for (std::size_t sum = 0; sum < meanOf.size(); ++sum)
    meanOf[sum] = static_cast<std::uint8_t>(RoundHalfEvenDiv(static_cast<int>(sum), area));
  means = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(columns) * rows * 3);
  ParallelRows(rows, [&](int begin, int end) {
    MeanWindowRows(source, side, columns, meanOf.data(), begin, end, means.get());
  });
}

// The rounded mean colour of an arbitrary (clipped) window, summed directly.
void MeanOf(const FrameBitmap& source, const Window& w, std::uint8_t* out) {
  int sums[3] = {0, 0, 0};
  for (int yy = w.y0; yy <= w.y1; ++yy) {
    const std::uint8_t* p = source.At(w.x0, yy);
    for (int xx = w.x0; xx <= w.x1; ++xx, p += 3) {
      sums[0] += p[0];
      sums[1] += p[1];
      sums[2] += p[2];
    }
  }
  const int count = (w.x1 - w.x0 + 1) * (w.y1 - w.y0 + 1);
  for (int c = 0; c < 3; ++c) out[c] = static_cast<std::uint8_t>(RoundHalfEvenDiv(sums[c], count));
}

// Rows begin..end-1 of the smoothed picture: each pixel takes the colour
// of its chosen window, by table for full windows.
BRINMORA_TARGET_CLONES
void ChosenWindowRows(const WindowScores& scores, const FrameBitmap& source, const std::uint8_t* colours, int columns,
                      int r, void (*clipped)(const FrameBitmap&, const Window&, std::uint8_t*), FrameBitmap& out,
                      int begin, int end) {
  for (int y = begin; y < end; ++y) {
    for (int x = 0; x < source.Width; ++x) {
      const Window w = ChooseWindow(scores, source, x, y, r);
      std::uint8_t* o = out.At(x, y);
      if (w.x1 - w.x0 == r && w.y1 - w.y0 == r) {
        std::memcpy(o, colours + (static_cast<std::size_t>(w.y0) * columns + w.x0) * 3, 3);
      } else {
        clipped(source, w, o);
      }
    }
  }
}

[[gnu::always_inline]] inline void RemoveValue(ValueBins& bins, int v) {
  const Lanes16 hit = reinterpret_cast<Lanes16>(kBinIndex == static_cast<std::uint16_t>(v >> 4));
  bins.keys -= hit & 16;
  bins.sums -= hit & static_cast<std::uint16_t>(v);
}

// ValueBins as kept in memory: plain arrays, since heap blocks are not
// aligned for 32-byte vectors.
struct StoredBins {
  std::uint16_t keys[16];
  std::uint16_t sums[16];
};

[[gnu::always_inline]] inline ValueBins Load(const StoredBins& s) {
  ValueBins b;
  std::memcpy(&b.keys, s.keys, sizeof b.keys);
  std::memcpy(&b.sums, s.sums, sizeof b.sums);
  return b;
}

[[gnu::always_inline]] inline void Store(StoredBins& s, const ValueBins& b) {
  std::memcpy(s.keys, &b.keys, sizeof b.keys);
  std::memcpy(s.sums, &b.sums, sizeof b.sums);
}

// The oil colours of the window rows begin..end-1, by upper-left corner:
// the bins of a window are the sum of its columns' bins, and both slide, so
// each step adds and removes one value per column and one column per window.
// A band counts its first rows afresh, so bands are independent.
BRINMORA_TARGET_CLONES
void OilColourWindowRows(const FrameBitmap& source, int side, int columns, StoredBins* columnBins, int begin, int end,
                         std::uint8_t* colours) {
  const int w = source.Width;
  for (int e = 0; e < 3 * w; ++e) {
    ValueBins bins{Lanes16{}, Lanes16{}};
    for (int y = begin; y < begin + side; ++y) AddValue(bins, source.Row(y)[e]);
    Store(columnBins[e], bins);
  }
  for (int y0 = begin; y0 < end; ++y0) {
    if (y0 > begin) {
      const std::uint8_t* leaving = source.Row(y0 - 1);
      const std::uint8_t* entering = source.Row(y0 + side - 1);
      for (int e = 0; e < 3 * w; ++e) {
        ValueBins bins = Load(columnBins[e]);
        RemoveValue(bins, leaving[e]);
        AddValue(bins, entering[e]);
        Store(columnBins[e], bins);
      }
    }
    ValueBins window[3] = {EmptyBins(), EmptyBins(), EmptyBins()};
    for (int x = 0; x < side; ++x)
      for (int c = 0; c < 3; ++c) {
        const ValueBins column = Load(columnBins[x * 3 + c]);
        window[c].keys += column.keys;
        window[c].sums += column.sums;
      }
    std::uint8_t* out = colours + static_cast<std::size_t>(y0) * columns * 3;
    for (int x0 = 0;; ++x0) {
      for (int c = 0; c < 3; ++c) out[x0 * 3 + c] = static_cast<std::uint8_t>(ModalMean(window[c]));
      if (x0 + 1 >= columns) break;
      for (int c = 0; c < 3; ++c) {
        const ValueBins leaving = Load(columnBins[x0 * 3 + c]);
        const ValueBins entering = Load(columnBins[(x0 + side) * 3 + c]);
        window[c].keys += entering.keys - leaving.keys;
        window[c].sums += entering.sums - leaving.sums;
      }
    }
  }
}

// The oil colour of every full window, by its upper-left corner.
void OilColoursOfWindows(const FrameBitmap& source, int side, std::unique_ptr<std::uint8_t[]>& colours, int& columns) {
  columns = source.Width - side + 1;
  const int rows = source.Height - side + 1;
  if (columns <= 0 || rows <= 0) {
    columns = 0;
    return;
  }
  colours = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(columns) * rows * 3);
  ParallelRows(rows, [&](int begin, int end) {
    std::vector<StoredBins> columnBins(static_cast<std::size_t>(source.Width) * 3);
    OilColourWindowRows(source, side, columns, columnBins.data(), begin, end, colours.get());
  });
}

// The oil colour of an arbitrary (clipped) window, counted directly.
void OilColourOf(const FrameBitmap& source, const Window& w, std::uint8_t* out) {
  ValueBins bins[3] = {EmptyBins(), EmptyBins(), EmptyBins()};
  for (int yy = w.y0; yy <= w.y1; ++yy) {
    const std::uint8_t* p = source.At(w.x0, yy);
    for (int xx = w.x0; xx <= w.x1; ++xx, p += 3)
      for (int c = 0; c < 3; ++c) AddValue(bins[c], p[c]);
  }
  for (int c = 0; c < 3; ++c) out[c] = static_cast<std::uint8_t>(ModalMean(bins[c]));
}

using WindowColours = void (*)(const FrameBitmap&, int, std::unique_ptr<std::uint8_t[]>&, int&);
using ClippedColour = void (*)(const FrameBitmap&, const Window&, std::uint8_t*);

// The picture with every pixel in the colour of its chosen window: the
// colours of the full windows by table, of clipped ones counted directly.
void SmoothBitmap(FrameBitmap& bitmap, int r, WindowColours windowColours, ClippedColour clipped) {
  const FrameBitmap source = bitmap;
  const WindowScores scores(source, r + 1);
  std::unique_ptr<std::uint8_t[]> colours;
  int columns = 0;
  windowColours(source, r + 1, colours, columns);
  ParallelRows(source.Height, [&](int begin, int end) {
    ChosenWindowRows(scores, source, colours.get(), columns, r, clipped, bitmap, begin, end);
  });
}

}  // namespace

void QuadrantSmooth(FrameBitmap& bitmap, int radius) {
  if (radius < 1 || radius > 10 || bitmap.Empty()) return;
  SmoothBitmap(bitmap, radius, MeansOfWindows, MeanOf);
}

void OilPaintSmooth(FrameBitmap& bitmap, int radius) {
  if (radius < 1 || radius > 10 || bitmap.Empty()) return;
  SmoothBitmap(bitmap, radius, OilColoursOfWindows, OilColourOf);
}
