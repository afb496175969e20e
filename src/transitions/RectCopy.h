#pragma once
// Block transfers between 24-bit bitmaps: whole rectangles, row by row.
#include <cstdint>

#include "bitmap/FrameBitmap.h"

// Copies the w x h rectangle at (sx, sy) of src to (dx, dy) of dst. Parts of
// either rectangle outside its bitmap are left out; an empty one copies nothing.
void CopyRect(FrameBitmap& dst, int dx, int dy, const FrameBitmap& src, int sx, int sy, int w,
              int h);

// Fills rows [top, bottom) of dst with copies of one prepared row of dst's width.
void FillRowsFrom(FrameBitmap& dst, int top, int bottom, const std::uint8_t* row);
