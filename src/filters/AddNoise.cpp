#include "filters/AddNoise.h"

#include "filters/ClampRound.h"
#include "platform/Random.h"

void AddNoiseAfterCurves(FrameBitmap& bitmap, const ChannelCurves& curves, int amount) {
  if (amount < 0 || amount > 255) return;
  // Each curve followed by each offset, so the pixel loop only looks up.
  ChannelCurves raised, lowered;
  for (int i = 0; i < 256; ++i) {
    raised.Red[i] = ClampByte(curves.Red[i] + amount);
    raised.Green[i] = ClampByte(curves.Green[i] + amount);
    raised.Blue[i] = ClampByte(curves.Blue[i] + amount);
    lowered.Red[i] = ClampByte(curves.Red[i] - amount);
    lowered.Green[i] = ClampByte(curves.Green[i] - amount);
    lowered.Blue[i] = ClampByte(curves.Blue[i] - amount);
  }
  const ChannelCurves* byDraw[3] = {&raised, &lowered, &curves};
  std::uint8_t* p = bitmap.Pixels.data();
  const std::size_t count = static_cast<std::size_t>(bitmap.Width) * bitmap.Height;
  for (std::size_t i = 0; i < count; ++i, p += 3) {
    const ChannelCurves& c = *byDraw[Random(1000) % 3];
    p[0] = c.Blue[p[0]];
    p[1] = c.Green[p[1]];
    p[2] = c.Red[p[2]];
  }
}

void AddNoise(FrameBitmap& bitmap, int amount, double contrast) {
  if (amount < 0 || amount > 255) return;
  AddNoiseAfterCurves(bitmap, SameCurves(contrast != 0.0 ? ContrastCurve(contrast) : IdentityCurve()), amount);
}
