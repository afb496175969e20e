#include "engine/ImageShow.h"

#include <QFileInfo>
#include <new>

#include "display/DisplaySurface.h"
#include "engine/DecodeImageFile.h"
#include "engine/ImageError.h"
#include "engine/ReadOrientation.h"
#include "platform/UserDialogs.h"
#include "transitions/RunTransition.h"

namespace {
constexpr int kIncreaseTransition = 9;

// Moving an empty bitmap in frees the pixel memory, not only the size.
void Release(FrameBitmap& bitmap) { bitmap = FrameBitmap(); }
}  // namespace

ImageShow::ImageShow(DisplaySurface& surface, UserDialogs& dialogs, Clock& clock, TExifInfo& exif)
    : surface_(surface), dialogs_(dialogs), clock_(clock), exif_(exif) {}

void ImageShow::ResetPrefetch() {
  prefetchKey_ = PrefetchKey{};
  prefetchFailed_ = false;
  Release(prefetchPicture_);
}

void ImageShow::ReleaseScreens() {
  Release(ScreenBitmap);
  Release(PreviousScreen);
  Release(NextScreen);
  Release(currentPicture_);
  HasPreviousScreen = false;
}

bool ImageShow::Decode(const QString& path, FrameBitmap& into) {
  try {
    DecodeOptions options;
    options.Matte = Settings.Background;
    into = DecodeImageFile(path, options);
    return true;
  } catch (const ImageError& e) {
    into = FrameBitmap();
    dialogs_.ShowError(e.Message());
    return false;
  }
}

ScreenLayout ImageShow::Layout() const {
  return ScreenLayout{Settings.MonitorWidth, Settings.MonitorHeight, Settings.Background, Settings.ActiveFilter};
}

void ImageShow::ShowCurrentImage() {
  if (!Position) return;
  const ImageShowPosition position = Position();
  if (position.FolderChangeInProgress) return;  // the folder change shows its own first image
  const QStringList* list = position.ImagePlayList;
  if (!list || list->isEmpty()) return;
  if (position.CurrentImageIndex < 0 || position.CurrentImageIndex >= list->size()) return;
  currentImageFile_ = list->at(position.CurrentImageIndex);
  if (currentImageFile_.isEmpty() || !QFileInfo::exists(currentImageFile_)) return;

  const PrefetchKey here{position.FolderPlayIndex, position.CurrentImageIndex};
  const bool fromPrefetch = prefetchKey_ == here && !prefetchPicture_.Empty();
  const bool failedAhead = prefetchKey_ == here && prefetchFailed_;
  bool decoded = true;
  if (fromPrefetch) {
    currentPicture_ = std::move(prefetchPicture_);
  } else if (failedAhead) {
    decoded = false;  // its error box was shown when it was decoded ahead
  } else {
    decoded = Decode(currentImageFile_, currentPicture_);
  }
  Release(prefetchPicture_);
  prefetchFailed_ = false;
  if (!decoded) return;  // the screen keeps the previous picture

  try {
    orientation_ = ReadOrientation(exif_, currentImageFile_);
    const bool onItsSide = orientation_ == 90 || orientation_ == 270;
    uprightWidth_ = onItsSide ? currentPicture_.Height : currentPicture_.Width;
    uprightHeight_ = onItsSide ? currentPicture_.Width : currentPicture_.Height;

    if (Settings.ActiveTransition == 0) {
      ShowWithoutTransition();
    } else if (Settings.ActiveTransition == kIncreaseTransition) {
      if (ShowWithIncrease) ShowWithIncrease(*this);
      else ShowWithoutTransition();
    } else {
      ShowWithTransition();
    }
  } catch (const std::bad_alloc&) {
    // Turning, fitting, filtering or a transition ran out of memory: the
    // picture is reported like an unreadable file, the working pictures of
    // the failed change are given back, and the show goes on.
    Release(NextScreen);
    Release(PreviousScreen);
    Release(currentPicture_);
    dialogs_.ShowError(ImageError(currentImageFile_, OutOfMemoryReason()).Message());
    return;
  }

  if (LayOutLabels) LayOutLabels();
  dialogs_.ProcessPendingMessages();
  // The position may have moved while messages ran; the prefetch follows
  // the position as it is now, and the key check decides at the next show.
  Prefetch(Position());
}

void ImageShow::Prefetch(const ImageShowPosition& position) {
  const QStringList* list = position.ImagePlayList;
  const int next = position.CurrentImageIndex + 1;
  if (!list || next < 1 || next >= list->size()) {
    prefetchKey_ = PrefetchKey{position.FolderPlayIndex, position.CurrentImageIndex};
    return;
  }
  prefetchKey_ = PrefetchKey{position.FolderPlayIndex, next};
  const QString& file = list->at(next);
  if (file.isEmpty() || !QFileInfo::exists(file)) return;  // its turn shows nothing, without a message
  prefetchFailed_ = !Decode(file, prefetchPicture_);
}

bool ImageShow::PrepareFitted(FrameBitmap& fitted, FilterContext& context) {
  context = FilterContext{};
  context.ActiveTransition = Settings.ActiveTransition;
  context.SlideshowRunning = Settings.SlideshowRunning;
  context.IncFrame = Settings.IncFrame;
  try {
    fitted = PrepareSlide(currentPicture_, orientation_, Layout(), context);
    return true;
  } catch (const ImageError& e) {
    dialogs_.ShowError(ImageError(currentImageFile_, e.Reason()).Message());
    return false;
  }
}

void ImageShow::ShowWithoutTransition() {
  FrameBitmap fitted;
  FilterContext context;
  if (!PrepareFitted(fitted, context)) return;
  ComposeScreen(ScreenBitmap, fitted, Layout(), context);
  surface_.PresentFrame(ScreenBitmap);
}

void ImageShow::ShowWithTransition() {
  FrameBitmap fitted;
  FilterContext context;
  if (!PrepareFitted(fitted, context)) return;
  if (HasPreviousScreen) PreviousScreen.Assign(ScreenBitmap);
  ComposeScreen(ScreenBitmap, fitted, Layout(), context);
  NextScreen.Assign(ScreenBitmap);
  const TransitionContext transition{ScreenBitmap, surface_, clock_, Settings.Background};
  if (HasPreviousScreen) {
    RunTransition(Settings.ActiveTransition, PreviousScreen, NextScreen, transition);
    surface_.PresentFrame(ScreenBitmap);
    Release(NextScreen);
    Release(PreviousScreen);
  } else {
    PreviousScreen.SetSize(Settings.MonitorWidth, Settings.MonitorHeight);
    PreviousScreen.Fill(Settings.Background);
    RunTransition(Settings.ActiveTransition, PreviousScreen, NextScreen, transition);
    surface_.PresentFrame(ScreenBitmap);
    HasPreviousScreen = true;
  }
}
