#pragma once
// Decoding an image file by its extension (case-insensitively): .jpg .jpeg
// .jpe JPEG, .bmp BMP, .gif GIF, .png PNG. A file whose content does not
// match its extension fails in the decoder its extension names.
#include <QString>

#include "engine/DecodeOptions.h"
#include "bitmap/FrameBitmap.h"

enum class ImageFormat { Unknown, Jpeg, Bmp, Gif, Png };

ImageFormat ImageFormatOfPath(const QString& path);

// The picture as stored (not turned). Throws ImageError naming the file and
// the decoder's reason.
FrameBitmap DecodeImageFile(const QString& path, const DecodeOptions& options = {});
