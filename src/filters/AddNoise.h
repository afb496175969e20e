#pragma once
// Monochrome grain: about two pixels in three get the same offset on all
// three channels.
#include <cstdint>
#include <vector>

#include "bitmap/FrameBitmap.h"
#include "bitmap/ParallelRows.h"
#include "filters/CurveOperations.h"
#include "filters/WorkBesideDraws.h"

// Only for amount in 0..255. With contrast != 0 the picture first gets
// AdjustContrast(contrast); then, pixel by pixel in reading order, r =
// Random(1000) mod 3 adds amount (0), subtracts it (1) or leaves the pixel
// (2), clamped to 0..255.
void AddNoise(FrameBitmap& bitmap, int amount, double contrast);

// The same grain on the picture mapped through curves, in one pass: equal to
// MapCurves followed by the grain step of AddNoise.
void AddNoiseAfterCurves(FrameBitmap& bitmap, const ChannelCurves& curves, int amount);

// The grain's draws for count pixels in reading order: Random(1000) mod 3
// each, as AddNoise makes them.
std::vector<std::uint8_t> DrawGrain(std::size_t count);

// The grain step of AddNoiseAfterCurves with draws made beforehand by
// DrawGrain for at least every pixel of the picture (fewer leave it as it is).
void ApplyGrainAfterCurves(FrameBitmap& bitmap, const ChannelCurves& curves, int amount,
                           const std::vector<std::uint8_t>& draws);

// work (pixel work that draws no random numbers and keeps the picture's
// size), then AddNoiseAfterCurves. With more than one row thread the grain's
// draws are made on the calling thread while work runs on the others, and
// the grain is then applied on every core; the picture and the draws are the
// same either way.
template <typename Work>
void WorkThenGrain(FrameBitmap& bitmap, Work&& work, const ChannelCurves& curves, int amount) {
  if (RowThreads() > 1 && amount >= 0 && amount <= 255) {
    const std::size_t pixels = static_cast<std::size_t>(bitmap.Width) * bitmap.Height;
    std::vector<std::uint8_t> grain;
    RunWorkBesideDraws(work, [&] { grain = DrawGrain(pixels); });
    ApplyGrainAfterCurves(bitmap, curves, amount, grain);
    return;
  }
  work();
  AddNoiseAfterCurves(bitmap, curves, amount);
}
