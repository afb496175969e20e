#include "filters/BoostClarity.h"

#include "filters/BlendMode.h"
#include "filters/ClampRound.h"
#include "filters/CurveOperations.h"

void BoostClarity(FrameBitmap& bitmap) {
  // Both gamma copies are functions of the channel value, so the whole
  // operation is one curve.
  const Curve darker = GammaCurve(0.8);
  const Curve lighter = GammaCurve(2.4);
  Curve boost;
  for (int o = 0; o < 256; ++o) {
    const int r1 = OverlayFast(darker[o], o);
    const int r2 = OverlayFast(r1, lighter[o]);
    boost[o] = static_cast<std::uint8_t>(RoundHalfEvenDiv(6 * o + 4 * r2, 10));
  }
  MapCurve(bitmap, boost);
}
