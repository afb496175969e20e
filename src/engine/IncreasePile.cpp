#include "engine/IncreasePile.h"

#include <cstdlib>

#include "bitmap/BlitBitmap.h"
#include "display/DisplaySurface.h"
#include "engine/ImageError.h"
#include "engine/ImageShow.h"
#include "engine/Resample.h"
#include "engine/RotateBitmap.h"
#include "filters/ApplyFilter.h"
#include "filters/Sharpen.h"
#include "platform/Random.h"
#include "platform/UserDialogs.h"
#include "transitions/BlendTransitions.h"
#include "transitions/TiltPhoto.h"
#include "transitions/TransitionKind.h"

namespace {

constexpr int kOverhang = 32;        // a print may stick out this far beyond an edge
constexpr int kMaxPositionDraws = 1000;
constexpr int kMaxTilt = 10;         // degrees either way
constexpr int kPhotoSharpen = 6;     // percent
constexpr int kCrossFadeSleepMs = 1;

void Release(FrameBitmap& bitmap) { bitmap = FrameBitmap(); }

// -10..+10 degrees in whole degrees, as 350..359 and 0..10.
int DrawTilt() {
  int angle = Random(360);
  while (angle > kMaxTilt && angle < 360 - kMaxTilt) angle = Random(360);
  return angle;
}

}  // namespace

IncreasePile::IncreasePile(DisplaySurface& surface, Clock& pacing, UserDialogs& dialogs)
    : surface_(surface), pacing_(pacing), dialogs_(dialogs) {}

void IncreasePile::Release() {
  ::Release(lastPhoto_);
  ::Release(lastFramed_);
}

int IncreasePile::DrawPosition(int room, bool pileExists, int previous, int minDistance) const {
  int value = Random(room + 2 * kOverhang) - kOverhang;
  for (int draws = 1; pileExists && std::abs(value - previous) <= minDistance && draws < kMaxPositionDraws; ++draws)
    value = Random(room + 2 * kOverhang) - kOverhang;
  return value;
}

bool IncreasePile::MakePhoto(ImageShow& show, const PrintMeasures& print, FrameBitmap& photo) {
  const ImageShowSettings& s = show.Settings;
  const PhotoSize size = PhotoSizeFor(print, show.UprightWidth(), show.UprightHeight(), s.MonitorWidth, s.MonitorHeight);
  const int orientation = show.Orientation();
  const bool onItsSide = orientation == 90 || orientation == 270;
  const int width = onItsSide ? size.Height : size.Width;
  const int height = onItsSide ? size.Width : size.Height;
  const FrameBitmap& decoded = show.CurrentPicture();
  try {
    if (width == decoded.Width && height == decoded.Height) {
      photo.Assign(decoded);
    } else if (size.Scale <= 1.0) {
      photo = ResampleArea(decoded, width, height);
    } else {
      photo = ResampleBilinear(decoded, width, height);
    }
  } catch (const ImageError& e) {
    dialogs_.ShowError(ImageError(show.CurrentImageFile(), e.Reason()).Message());
    return false;
  }
  Sharpen(photo, kPhotoSharpen);
  FilterContext context;
  context.ActiveTransition = static_cast<int>(TransitionKind::Increase);
  context.SlideshowRunning = s.SlideshowRunning;
  context.ScreenWidth = s.MonitorWidth;
  context.ScreenHeight = s.MonitorHeight;
  context.UprightWidth = show.UprightWidth();
  context.UprightHeight = show.UprightHeight();
  context.IncFrame = s.IncFrame;
  ApplyFilter(s.ActiveFilter, photo, context);
  if (orientation != 0) RotateBitmap(photo, orientation);
  return true;
}

void IncreasePile::ShowWithIncrease(ImageShow& show, const IncreaseSettings& settings) {
  const ImageShowSettings& s = show.Settings;
  const int M = s.MonitorWidth, N = s.MonitorHeight;
  const PrintMeasures print = MeasurePrint(settings.IncFrame, settings.PhotoLongSize);
  const bool instant = print.Border == PrintBorder::Instant;
  FrameBitmap& screen = show.ScreenBitmap;

  const bool pileExists = show.HasPreviousScreen && screen.Width == M && screen.Height == N;
  int prevX = 0, prevY = 0, minDX = 0, minDY = 0;
  if (pileExists) {
    // The photo that was newest takes the pile filter, once, now that it is
    // no longer the newest. Without a pile filter it keeps its look as drawn.
    if (settings.IncreaseFilter > 0 && !lastPhoto_.Empty()) {
      FilterContext context;
      context.ActiveTransition = static_cast<int>(TransitionKind::Increase);
      context.SlideshowRunning = s.SlideshowRunning;
      context.ScreenWidth = M;
      context.ScreenHeight = N;
      context.UprightWidth = lastUprightWidth_;
      context.UprightHeight = lastUprightHeight_;
      context.IncFrame = s.IncFrame;
      ApplyFilter(settings.IncreaseFilter, lastPhoto_, context);
      lastFramed_ = FramePhoto(lastPhoto_, print);
      if (lastWasTilted_) {
        const TiltBox box = MeasureTilt(lastFramed_.Width, lastFramed_.Height, lastAngle_);
        lastFramed_ = TiltOnto(lastFramed_, box, screen, lastX_, lastY_, s.Background, true);
      }
      BlitBitmap(screen, lastFramed_, lastX_, lastY_);
    }
    prevX = lastX_;
    prevY = lastY_;
    minDX = lastFramed_.Width / 4;
    minDY = lastFramed_.Height / 4;
    show.PreviousScreen.Assign(screen);
  } else {
    screen.SetSize(M, N);
    screen.Fill(s.Background);
    show.PreviousScreen.Assign(screen);
  }

  FrameBitmap photo;
  if (!MakePhoto(show, print, photo)) return;
  if (instant) photo = CutInstantSquare(photo);
  lastPhoto_ = std::move(photo);
  lastUprightWidth_ = show.UprightWidth();
  lastUprightHeight_ = show.UprightHeight();
  lastFramed_ = FramePhoto(lastPhoto_, print);

  int x = 0, y = 0;
  if (settings.IncRotate) {
    lastAngle_ = DrawTilt();
    const TiltBox box = MeasureTilt(lastFramed_.Width, lastFramed_.Height, lastAngle_);
    x = DrawPosition(M - box.J, pileExists, prevX, minDX);
    y = DrawPosition(N - (instant ? box.J : box.K), pileExists, prevY, minDY);
    lastFramed_ = TiltOnto(lastFramed_, box, screen, x, y, s.Background, false);
    lastWasTilted_ = true;
  } else {
    lastWasTilted_ = false;
    x = DrawPosition(M - lastFramed_.Width, pileExists, prevX, minDX);
    y = DrawPosition(N - (instant ? lastFramed_.Width : lastFramed_.Height), pileExists, prevY, minDY);
  }
  BlitBitmap(screen, lastFramed_, x, y);
  lastX_ = x;
  lastY_ = y;
  show.NextScreen.Assign(screen);

  const TransitionContext transition{screen, surface_, pacing_, s.Background};
  CrossFade(show.PreviousScreen, show.NextScreen, transition, kCrossFadeSleepMs);
  surface_.PresentFrame(screen);
  ::Release(show.PreviousScreen);
  ::Release(show.NextScreen);
  show.HasPreviousScreen = true;
}
