#include "engine/DecodeOptions.h"

#include <QString>

#include "engine/ImageError.h"

void CheckDecodeSize(std::int64_t width, std::int64_t height, const DecodeOptions& options) {
  if (width < 1 || height < 1)
    throw DecodeFailure(QStringLiteral("画像の大きさが不正です（%1 × %2 ピクセル）。").arg(width).arg(height));
  if (width > options.MaxSide || height > options.MaxSide || width * height > options.MaxPixels)
    throw DecodeFailure(QStringLiteral("画像が大きすぎます（%1 × %2 ピクセル）。").arg(width).arg(height));
}
