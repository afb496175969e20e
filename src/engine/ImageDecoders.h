#pragma once
// The four decoders, each over the bytes of a whole file. Each returns the
// picture as stored (not turned by its Exif orientation) or throws
// DecodeFailure with the decoder's reason. None trusts the file: sizes are
// checked against DecodeOptions before pixel memory is allocated, and a
// truncated or damaged file fails instead of being shown half decoded.
#include <cstddef>
#include <cstdint>

#include "engine/DecodeOptions.h"
#include "bitmap/FrameBitmap.h"

// libjpeg-turbo, full size; grey, YCbCr, RGB, CMYK and YCCK files.
FrameBitmap DecodeJpeg(const std::uint8_t* data, std::size_t size, const DecodeOptions& options);
// libpng: palette, grey, 16-bit, interlaced; alpha composed over the matte.
FrameBitmap DecodePng(const std::uint8_t* data, std::size_t size, const DecodeOptions& options);
// giflib: the first frame on the logical screen; transparent pixels and the
// screen outside the frame take the matte colour.
FrameBitmap DecodeGif(const std::uint8_t* data, std::size_t size, const DecodeOptions& options);
// Qt's BMP reader (the format forced, whatever the bytes look like).
FrameBitmap DecodeBmp(const std::uint8_t* data, std::size_t size, const DecodeOptions& options);
