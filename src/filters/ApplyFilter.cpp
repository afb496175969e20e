#include "filters/ApplyFilter.h"

void ApplyFilter(int /*kind*/, FrameBitmap& /*bitmap*/, const FilterContext& /*context*/) {
  // No filter is built yet: every kind leaves the picture as it is.
}
