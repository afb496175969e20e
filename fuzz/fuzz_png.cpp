// libFuzzer target: the Png decoder over any bytes. The size limit is
// lowered so that a declared huge picture is refused, not allocated.
#include <cstddef>
#include <cstdint>
#include <new>

#include "engine/ImageDecoders.h"
#include "engine/ImageError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DecodeOptions options;
  options.MaxPixels = 4'000'000;
  try {
    const FrameBitmap bitmap = DecodePng(data, size, options);
    if (bitmap.Pixels.size() != static_cast<std::size_t>(bitmap.Width) * bitmap.Height * 3) __builtin_trap();
  } catch (const DecodeFailure&) {
  }
  return 0;
}
