#pragma once
// Drawing whole bitmaps into rectangles with nearest-neighbour sampling.
#include <cstdint>
#include <span>
#include <vector>

#include "bitmap/FrameBitmap.h"
#include "transitions/VectorUnit.h"

// Working room for scaling into rows up to MaxWidth pixels wide in all: a
// frame loop makes it once, so that scaling inside the loop allocates
// nothing. Each scale plans its rows here: the source byte of every
// destination column, and the byte shuffles that gather runs of columns
// with one vector load and store.
struct ScaleScratch {
  explicit ScaleScratch(int maxWidth);

  int MaxWidth;
  std::vector<std::uint32_t> ColumnOffsets;  // per destination column
  std::vector<std::uint32_t> ChunkOffsets;   // first source byte of each shuffle
  std::vector<std::uint8_t> ChunkBytes;      // destination bytes of each shuffle
  std::vector<std::uint8_t> ChunkIndices;    // up to kShuffleBytes index bytes per shuffle
  static constexpr int kShuffleBytes = 64;
};

// One bitmap drawn whole into columns [Left, Left + Width) of a band of rows.
struct ScalePart {
  int Left;
  int Width;
  const FrameBitmap* Source;
};

// Draws every part into rows [top, top + h) of dst: destination column x of
// a part takes source column ((2x + 1) * source width) / (2 * Width),
// counted from the part's left edge, and rows alike, so an equal size copies
// unchanged. The parts (up to four) go row by row together, so each
// destination row is written in one pass. The rectangles must lie inside dst and their widths
// together must not exceed scratch.MaxWidth; a part of zero width, or a
// band of zero height, draws nothing.
void ScaleColumnsInto(FrameBitmap& dst, int top, int h, std::span<const ScalePart> parts,
                      ScaleScratch& scratch);

// One part: all of src into the w x h rectangle at (left, top).
void ScaleInto(FrameBitmap& dst, int left, int top, int w, int h, const FrameBitmap& src,
               ScaleScratch& scratch);

// The same on a chosen unit, for comparing them.
void ScaleColumnsIntoOn(VectorUnit unit, FrameBitmap& dst, int top, int h,
                        std::span<const ScalePart> parts, ScaleScratch& scratch);
