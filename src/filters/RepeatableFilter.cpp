#include "filters/RepeatableFilter.h"

#include "filters/FilterKind.h"

bool FilterIsRepeatable(int kind) {
  switch (static_cast<FilterKind>(kind)) {
    case FilterKind::None:
    case FilterKind::Grayscale:
    case FilterKind::Sepia:
    case FilterKind::Paint:
    case FilterKind::OilPaint:
    case FilterKind::Illustration:
    case FilterKind::Comic:
    case FilterKind::Television:
    case FilterKind::SoftFocus:
    case FilterKind::PaintedPoster:
    case FilterKind::FakeHdr:
    case FilterKind::BleachBypass: return true;
    default: return false;
  }
}
