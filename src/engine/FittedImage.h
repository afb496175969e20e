#pragma once
// The two steps every show path shares: turning the decoded picture into the
// fitted, upright image, and composing it on the monitor-sized screen.
#include "engine/FitImage.h"
#include "bitmap/FrameBitmap.h"
#include "filters/ApplyFilter.h"

// Scales decoded (as stored) to the fit, lying on its side for orientations
// 90 and 270, and turns it upright: the result is fit.Width x fit.Height.
// Reduces by area averaging, enlarges bilinearly, copies at scale 1. Throws
// ImageError when the fit is empty.
FrameBitmap PrepareFittedImage(const FrameBitmap& decoded, int orientation, const FitResult& fit);

// What the screen composition needs besides the picture.
struct ScreenLayout {
  int MonitorWidth = 0;
  int MonitorHeight = 0;
  ColorRef Background = 0;
  int ActiveFilter = 0;
};

// Sizes screen to the monitor, fills it with the background, passes fitted
// through the active filter (which may enlarge it by its border; not when
// alreadyFiltered) and draws it centred, the offsets truncated toward zero.
void ComposeScreen(FrameBitmap& screen, FrameBitmap& fitted, const ScreenLayout& layout, const FilterContext& context,
                   bool alreadyFiltered = false);

// The whole preparation of one slide: draws the frame margin of the active
// filter, fits the upright picture inside it and prepares the fitted image.
// context receives the margin, the monitor size and the upright size.
FrameBitmap PrepareSlide(const FrameBitmap& decoded, int orientation, const ScreenLayout& layout, FilterContext& context);

// PrepareSlide in its two steps: the context (drawing the margin of filter 4)
// and the fit it asks for.
void PrepareSlideContext(const FrameBitmap& decoded, int orientation, const ScreenLayout& layout,
                         FilterContext& context);
FrameBitmap FitSlide(const FrameBitmap& decoded, int orientation, const FilterContext& context);
