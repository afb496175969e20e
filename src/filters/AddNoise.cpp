#include "filters/AddNoise.h"

#include "bitmap/ParallelRows.h"
#include "filters/ClampRound.h"
#include "platform/Random.h"

std::vector<std::uint8_t> DrawGrain(std::size_t count) {
  std::vector<std::uint8_t> draws(count);
  for (std::uint8_t& d : draws) d = static_cast<std::uint8_t>(Random(1000) % 3);
  return draws;
}

void ApplyGrainAfterCurves(FrameBitmap& bitmap, const ChannelCurves& curves, int amount,
                           const std::vector<std::uint8_t>& draws) {
  if (amount < 0 || amount > 255) return;
  if (draws.size() < static_cast<std::size_t>(bitmap.Width) * bitmap.Height) return;
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
  const std::size_t w = static_cast<std::size_t>(bitmap.Width);
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    std::uint8_t* p = bitmap.Row(begin);
    for (std::size_t i = w * begin, last = w * end; i < last; ++i, p += 3) {
      const ChannelCurves& c = *byDraw[draws[i]];
      p[0] = c.Blue[p[0]];
      p[1] = c.Green[p[1]];
      p[2] = c.Red[p[2]];
    }
  });
}

void AddNoiseAfterCurves(FrameBitmap& bitmap, const ChannelCurves& curves, int amount) {
  if (amount < 0 || amount > 255) return;
  // The draws are made first, on this thread and in reading order, so the
  // pixels can then be changed on every core.
  ApplyGrainAfterCurves(bitmap, curves, amount, DrawGrain(static_cast<std::size_t>(bitmap.Width) * bitmap.Height));
}

void AddNoise(FrameBitmap& bitmap, int amount, double contrast) {
  if (amount < 0 || amount > 255) return;
  AddNoiseAfterCurves(bitmap, SameCurves(contrast != 0.0 ? ContrastCurve(contrast) : IdentityCurve()), amount);
}
