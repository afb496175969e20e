#pragma once
// What every decoder is told: the colour transparent pixels are laid on and
// the largest picture it may allocate.
#include <atomic>
#include <cstdint>

#include "bitmap/FrameBitmap.h"

struct DecodeOptions {
  // Transparent and partly transparent pixels of PNG, GIF and 32-bit BMP
  // files are composed over this colour; the display passes its background
  // colour so that a transparent area looks like the screen around the picture.
  ColorRef Matte = 0x00FFFFFF;
  // Larger pictures are refused before their pixel memory is allocated.
  std::int64_t MaxPixels = 200'000'000;
  int MaxSide = 65535;
  // Set from another thread when the picture is no longer wanted: the JPEG
  // decoder then fails at its next row instead of finishing.
  const std::atomic<bool>* Cancelled = nullptr;
};

// Throws DecodeFailure when a width x height picture exceeds the limits of options.
void CheckDecodeSize(std::int64_t width, std::int64_t height, const DecodeOptions& options);

// Composes one colour channel value with alpha (0..255) over the matte channel, rounded.
inline std::uint8_t ComposeOver(int value, int alpha, int matte) {
  return static_cast<std::uint8_t>((value * alpha + matte * (255 - alpha) + 127) / 255);
}
