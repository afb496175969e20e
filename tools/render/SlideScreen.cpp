#include "SlideScreen.h"

#include "display/ExifInfo.h"
#include "engine/DecodeImageFile.h"
#include "engine/ReadOrientation.h"

FrameBitmap ComposeFileScreen(const QString& path, const ScreenLayout& layout) {
  DecodeOptions options;
  options.Matte = layout.Background;
  const FrameBitmap decoded = DecodeImageFile(path, options);
  TExifInfo exif;
  exif.OnError = [](int) { return false; };
  const int orientation = ReadOrientation(exif, path);
  FilterContext context;
  context.SlideshowRunning = true;
  FrameBitmap fitted = PrepareSlide(decoded, orientation, layout, context);
  FrameBitmap screen;
  ComposeScreen(screen, fitted, layout, context);
  return screen;
}
