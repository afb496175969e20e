#include "filters/AddNoise.h"

#include "bitmap/ParallelRows.h"
#include "filters/ClampRound.h"
#include "platform/Random.h"

namespace {

// The curves followed by each offset, by draw: raised (0), lowered (1) and
// the curves alone (2), so the pixel loop only looks up.
struct GrainCurves {
  ChannelCurves raised, lowered, kept;
  const ChannelCurves* byDraw[3] = {&raised, &lowered, &kept};

  GrainCurves(const ChannelCurves& curves, int amount) : kept(curves) {
    for (int i = 0; i < 256; ++i) {
      raised.Red[i] = ClampByte(curves.Red[i] + amount);
      raised.Green[i] = ClampByte(curves.Green[i] + amount);
      raised.Blue[i] = ClampByte(curves.Blue[i] + amount);
      lowered.Red[i] = ClampByte(curves.Red[i] - amount);
      lowered.Green[i] = ClampByte(curves.Green[i] - amount);
      lowered.Blue[i] = ClampByte(curves.Blue[i] - amount);
    }
  }
  GrainCurves(const GrainCurves&) = delete;
  GrainCurves& operator=(const GrainCurves&) = delete;
};

inline void MapPixel(std::uint8_t* p, const ChannelCurves& c) {
  p[0] = c.Blue[p[0]];
  p[1] = c.Green[p[1]];
  p[2] = c.Red[p[2]];
}

}  // namespace

std::vector<std::uint8_t> DrawGrain(std::size_t count) {
  std::vector<std::uint8_t> draws(count);
  for (std::uint8_t& d : draws) d = static_cast<std::uint8_t>(Random(1000) % 3);
  return draws;
}

void ApplyGrainAfterCurves(FrameBitmap& bitmap, const ChannelCurves& curves, int amount,
                           const std::vector<std::uint8_t>& draws) {
  if (amount < 0 || amount > 255) return;
  if (draws.size() < static_cast<std::size_t>(bitmap.Width) * bitmap.Height) return;
  const GrainCurves grain(curves, amount);
  const std::size_t w = static_cast<std::size_t>(bitmap.Width);
  ParallelRows(bitmap.Height, [&](int begin, int end) {
    std::uint8_t* p = bitmap.Row(begin);
    for (std::size_t i = w * begin, last = w * end; i < last; ++i, p += 3) MapPixel(p, *grain.byDraw[draws[i]]);
  });
}

void AddNoiseAfterCurves(FrameBitmap& bitmap, const ChannelCurves& curves, int amount) {
  if (amount < 0 || amount > 255) return;
  // The draws are the cost here and must be made one after the other, so
  // each pixel is changed as its draw is made.
  const GrainCurves grain(curves, amount);
  std::uint8_t* p = bitmap.Pixels.data();
  const std::size_t count = static_cast<std::size_t>(bitmap.Width) * bitmap.Height;
  for (std::size_t i = 0; i < count; ++i, p += 3) MapPixel(p, *grain.byDraw[Random(1000) % 3]);
}

void AddNoise(FrameBitmap& bitmap, int amount, double contrast) {
  if (amount < 0 || amount > 255) return;
  AddNoiseAfterCurves(bitmap, SameCurves(contrast != 0.0 ? ContrastCurve(contrast) : IdentityCurve()), amount);
}
