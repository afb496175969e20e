#include "engine/PreviewPicture.h"

#include <new>

#include "bitmap/TruncProduct.h"
#include "display/ExifInfo.h"
#include "engine/DecodeImageFile.h"
#include "engine/FitImage.h"
#include "engine/FittedImage.h"
#include "engine/ImageError.h"
#include "engine/ReadOrientation.h"
#include "filters/ApplyFilter.h"
#include "filters/FilterKind.h"
#include "filters/Sharpen.h"

int PreviewFrameMargin(int filter, int areaHeight) {
  switch (filter) {
    case static_cast<int>(FilterKind::RandomColor):
    case static_cast<int>(FilterKind::Comic):
    case static_cast<int>(FilterKind::ToyCamera): return TruncProduct(areaHeight, 0.025);
    default: return 0;
  }
}

FrameBitmap FitPreviewPicture(const FrameBitmap& decoded, int orientation, int filter, FilterContext& context,
                              int areaWidth, int areaHeight) {
  const bool onItsSide = orientation == 90 || orientation == 270;
  context = FilterContext{};
  context.UprightWidth = onItsSide ? decoded.Height : decoded.Width;
  context.UprightHeight = onItsSide ? decoded.Width : decoded.Height;
  context.ScreenWidth = areaWidth;
  context.ScreenHeight = areaHeight;
  context.FrameMargin = PreviewFrameMargin(filter, areaHeight);
  const FitResult fit =
      FitImage(context.UprightWidth, context.UprightHeight, areaWidth, areaHeight, context.FrameMargin);
  FrameBitmap picture = PrepareFittedImage(decoded, orientation, fit);
  Sharpen(picture, kPreviewSharpenStrength);
  return picture;
}

FrameBitmap PreparePreviewPicture(const FrameBitmap& decoded, int orientation, int filter, int areaWidth,
                                  int areaHeight) {
  FilterContext context;
  FrameBitmap picture = FitPreviewPicture(decoded, orientation, filter, context, areaWidth, areaHeight);
  ApplyFilter(filter, picture, context);
  return picture;
}

FrameBitmap DecodePreviewPicture(const QString& file, int filter, ColorRef background, int areaWidth,
                                 int areaHeight) {
  DecodeOptions options;
  options.Matte = background;
  const FrameBitmap decoded = DecodeImageFile(file, options);
  TExifInfo exif;
  const int orientation = ReadOrientation(exif, file);
  try {
    return PreparePreviewPicture(decoded, orientation, filter, areaWidth, areaHeight);
  } catch (const ImageError& e) {
    throw ImageError(file, e.Reason());
  } catch (const std::bad_alloc&) {
    throw ImageError(file, OutOfMemoryReason());
  }
}
