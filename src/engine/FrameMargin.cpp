#include "engine/FrameMargin.h"

#include "bitmap/TruncProduct.h"
#include "filters/FilterKind.h"
#include "platform/Random.h"

int FrameMargin(int activeFilter, int monitorHeight) {
  switch (activeFilter) {
    case static_cast<int>(FilterKind::RandomColor): return TruncProduct(monitorHeight, (Random(18) + 3) / 100.0);
    case static_cast<int>(FilterKind::Comic):
    case static_cast<int>(FilterKind::ToyCamera): return TruncProduct(monitorHeight, 0.025);
    default: return 0;
  }
}
