#pragma once
// The one entry point through which every caller applies a catalogue filter.
#include "bitmap/FrameBitmap.h"
#include "filters/FilterContext.h"

// Applies filter kind to bitmap in place; the bitmap may change size. Kind 0
// and any kind outside 1..21 leave it unchanged. The lookup tables are built
// on first use if BuildFilterTables has not run yet.
void ApplyFilter(int kind, FrameBitmap& bitmap, const FilterContext& context);
