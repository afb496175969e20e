#pragma once
// Block transfers between 24-bit bitmaps: whole rectangles, row by row.
#include <cstdint>

#include "engine/FrameBitmap.h"

// Copies the w x h rectangle at (sx, sy) of src to (dx, dy) of dst. Parts of
// either rectangle outside its bitmap are left out; an empty one copies nothing.
void CopyRect(FrameBitmap& dst, int dx, int dy, const FrameBitmap& src, int sx, int sy, int w,
              int h);

// Draws all of src into the w x h rectangle at (left, top) of dst with
// nearest-neighbour sampling: destination column x takes source column
// ((2x + 1) * src width) / (2w), and rows alike, so an equal size copies
// unchanged. columnMap must hold at least w entries; it is scratch space, so
// a frame loop can scale without allocating. A rectangle of zero width or
// height draws nothing; the rectangle must lie inside dst.
void ScaleInto(FrameBitmap& dst, int left, int top, int w, int h, const FrameBitmap& src,
               std::uint32_t* columnMap);

// Fills rows [top, bottom) of dst with copies of one prepared row of dst's width.
void FillRowsFrom(FrameBitmap& dst, int top, int bottom, const std::uint8_t* row);
