#include "engine/FittedImage.h"

#include "bitmap/BlitBitmap.h"
#include "engine/FrameMargin.h"
#include "engine/Resample.h"
#include "engine/RotateBitmap.h"

FrameBitmap PrepareFittedImage(const FrameBitmap& decoded, int orientation, const FitResult& fit) {
  const bool onItsSide = orientation == 90 || orientation == 270;
  const int width = onItsSide ? fit.Height : fit.Width;
  const int height = onItsSide ? fit.Width : fit.Height;
  FrameBitmap fitted;
  if (fit.Scale == 1.0 && width == decoded.Width && height == decoded.Height) {
    fitted.Assign(decoded);
  } else if (fit.Scale <= 1.0) {
    fitted = ResampleArea(decoded, width, height);
  } else {
    fitted = ResampleBilinear(decoded, width, height);
  }
  if (orientation != 0) RotateBitmap(fitted, orientation);
  return fitted;
}

void ComposeScreen(FrameBitmap& screen, FrameBitmap& fitted, const ScreenLayout& layout, const FilterContext& context,
                   bool alreadyFiltered) {
  screen.SetSize(layout.MonitorWidth, layout.MonitorHeight);
  screen.Fill(layout.Background);
  if (!alreadyFiltered) ApplyFilter(layout.ActiveFilter, fitted, context);
  BlitBitmap(screen, fitted, (layout.MonitorWidth - fitted.Width) / 2, (layout.MonitorHeight - fitted.Height) / 2);
}

void PrepareSlideContext(const FrameBitmap& decoded, int orientation, const ScreenLayout& layout,
                         FilterContext& context) {
  const bool onItsSide = orientation == 90 || orientation == 270;
  context.UprightWidth = onItsSide ? decoded.Height : decoded.Width;
  context.UprightHeight = onItsSide ? decoded.Width : decoded.Height;
  context.ScreenWidth = layout.MonitorWidth;
  context.ScreenHeight = layout.MonitorHeight;
  context.FrameMargin = FrameMargin(layout.ActiveFilter, layout.MonitorHeight);
}

FrameBitmap FitSlide(const FrameBitmap& decoded, int orientation, const FilterContext& context) {
  const FitResult fit = FitImage(context.UprightWidth, context.UprightHeight, context.ScreenWidth,
                                 context.ScreenHeight, context.FrameMargin);
  return PrepareFittedImage(decoded, orientation, fit);
}

FrameBitmap PrepareSlide(const FrameBitmap& decoded, int orientation, const ScreenLayout& layout, FilterContext& context) {
  PrepareSlideContext(decoded, orientation, layout, context);
  return FitSlide(decoded, orientation, context);
}
