#include "engine/ImageShow.h"

#include <QFileInfo>
#include <algorithm>
#include <new>

#include "display/DisplaySurface.h"
#include "display/ExifInfo.h"
#include "engine/DecodeImageFile.h"
#include "engine/ImageError.h"
#include "engine/ReadOrientation.h"
#include "filters/RepeatableFilter.h"
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
  prefetchRequest_.Cancel();
  prefetchKey_ = PrefetchKey{};
  prefetchFile_.clear();
  prefetchFailed_ = false;
  prefetchGuessed_ = false;
  Release(prefetchPicture_);
  pendingFitted_.reset();
  prefetchFitted_.reset();
}

void ImageShow::ReleaseScreens() {
  Release(ScreenBitmap);
  Release(PreviousScreen);
  Release(NextScreen);
  Release(currentPicture_);
  currentFitted_.reset();
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
  const bool aheadForHere = prefetchKey_ == here && prefetchFile_ == currentImageFile_;
  if (aheadForHere && prefetchRequest_.Active()) {
    TakePrefetch(prefetchRequest_.Wait());  // faster than the decoder: wait for it
  } else {
    prefetchRequest_.Cancel();  // a picture for another position is not wanted
  }
  const bool fromPrefetch = aheadForHere && !prefetchPicture_.Empty();
  const bool failedAhead = aheadForHere && prefetchFailed_;
  bool decoded = true;
  currentFitted_.reset();
  if (fromPrefetch) {
    currentPicture_ = std::move(prefetchPicture_);
    currentFitted_ = std::move(prefetchFitted_);
  } else if (failedAhead) {
    decoded = false;  // its error box was shown when it was decoded ahead
  } else {
    decoded = Decode(currentImageFile_, currentPicture_);
  }
  Release(prefetchPicture_);
  prefetchFitted_.reset();
  pendingFitted_.reset();
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

namespace {

PlannedSlide NextInList(const ImageShowPosition& position) {
  PlannedSlide plan;
  const QStringList* list = position.ImagePlayList;
  const int next = position.CurrentImageIndex + 1;
  if (!list || next < 1 || next >= list->size()) {
    plan.Key = PrefetchKey{position.FolderPlayIndex, position.CurrentImageIndex};
    return plan;
  }
  plan.Key = PrefetchKey{position.FolderPlayIndex, next};
  plan.File = list->at(next);
  return plan;
}

}  // namespace

// On the worker, with the decoded picture: reads the orientation, fits the
// picture and, for filter >= 0, filters it. Draws no random numbers (filter is
// repeatable or -1). Any failure leaves the picture empty: the show then
// fits it itself and reports what goes wrong.
void ImageShow::PrepareAhead(Prefitted& fitted, const FrameBitmap& decoded, const QString& file, int filter,
                             const FilterContext& planned, ColorRef background) {
  if (fitted.MonitorWidth <= 0 || fitted.MonitorHeight <= 0) return;
  try {
    TExifInfo exif;
    fitted.Orientation = ReadOrientation(exif, file);
    FilterContext context = planned;
    const ScreenLayout layout{fitted.MonitorWidth, fitted.MonitorHeight, background, std::max(filter, 0)};
    PrepareSlideContext(decoded, fitted.Orientation, layout, context);
    fitted.Picture = FitSlide(decoded, fitted.Orientation, context);
    if (filter >= 0) ApplyFilter(filter, fitted.Picture, context);
    fitted.Filter = filter;
    fitted.Context = context;
  } catch (...) {
    fitted.Picture = FrameBitmap();
  }
}

void ImageShow::Prefetch(const ImageShowPosition& position) {
  const PlannedSlide plan = PlanNext ? PlanNext() : NextInList(position);
  prefetchKey_ = plan.Key;
  prefetchFile_ = plan.File;
  prefetchGuessed_ = plan.NewPass;
  const QString& file = plan.File;
  if (file.isEmpty() || !QFileInfo::exists(file)) return;  // its turn shows nothing, without a message
  if (Decoder == nullptr) {
    if (plan.NewPass) return;  // a guess is not worth a wait on this thread
    prefetchFailed_ = !Decode(file, prefetchPicture_);
    return;
  }
  DecodeOptions options;
  options.Matte = Settings.Background;
  // The worker also reads the orientation and fits the picture to the
  // monitor. When the filter of the next slide is known and draws no random
  // number, the worker filters it too; otherwise it fits it as for a filter
  // without frame margin, which is what most slides need.
  auto fitted = std::make_shared<Prefitted>();
  fitted->MonitorWidth = Settings.MonitorWidth;
  fitted->MonitorHeight = Settings.MonitorHeight;
  FilterContext planned;
  planned.ActiveTransition = plan.Transition;
  planned.SlideshowRunning = Settings.SlideshowRunning;
  planned.IncFrame = Settings.IncFrame;
  const bool filterAhead = plan.Filter >= 0 && plan.Transition >= 0 && plan.Transition != kIncreaseTransition &&
                           FilterIsRepeatable(plan.Filter);
  const int filter = filterAhead ? plan.Filter : -1;
  pendingFitted_ = fitted;
  auto fit = [fitted, file, filter, planned, background = Settings.Background](FrameBitmap& decoded) {
    PrepareAhead(*fitted, decoded, file, filter, planned, background);
  };
  prefetchRequest_ = Decoder->Start(
      file, options, [this](DecodeResult result) { TakePrefetch(std::move(result)); }, std::move(fit));
}

void ImageShow::TakePrefetch(DecodeResult result) {
  std::shared_ptr<Prefitted> fitted = std::move(pendingFitted_);
  if (result.Error && prefetchGuessed_) {
    prefetchPicture_ = FrameBitmap();
    return;
  }
  if (result.Error) {
    // Recorded before the box opens: a show that runs while it is open
    // finds the failure and shows no second box.
    prefetchPicture_ = FrameBitmap();
    prefetchFailed_ = true;
    dialogs_.ShowError(result.Error->Message());
    return;
  }
  prefetchPicture_ = std::move(result.Picture);
  if (fitted && !fitted->Picture.Empty()) prefetchFitted_ = std::move(fitted);
}

bool ImageShow::PrepareFitted(FrameBitmap& fitted, FilterContext& context, bool& filtered) {
  context = FilterContext{};
  context.ActiveTransition = Settings.ActiveTransition;
  context.SlideshowRunning = Settings.SlideshowRunning;
  context.IncFrame = Settings.IncFrame;
  filtered = false;
  try {
    PrepareSlideContext(currentPicture_, orientation_, Layout(), context);
    const std::shared_ptr<Prefitted> ahead = std::move(currentFitted_);
    const bool sameScreen = ahead && !ahead->Picture.Empty() && ahead->Orientation == orientation_ &&
                            ahead->MonitorWidth == Settings.MonitorWidth &&
                            ahead->MonitorHeight == Settings.MonitorHeight;
    if (sameScreen && ahead->Filter >= 0 && ahead->Filter == Settings.ActiveFilter && ahead->Context == context) {
      fitted = std::move(ahead->Picture);
      filtered = true;
    } else if (sameScreen && ahead->Filter < 0 && context.FrameMargin == 0) {
      fitted = std::move(ahead->Picture);
    } else {
      fitted = FitSlide(currentPicture_, orientation_, context);
    }
    return true;
  } catch (const ImageError& e) {
    dialogs_.ShowError(ImageError(currentImageFile_, e.Reason()).Message());
    return false;
  }
}

void ImageShow::ShowWithoutTransition() {
  FrameBitmap fitted;
  FilterContext context;
  bool filtered = false;
  if (!PrepareFitted(fitted, context, filtered)) return;
  ComposeScreen(ScreenBitmap, fitted, Layout(), context, filtered);
  surface_.PresentFrame(ScreenBitmap);
}

void ImageShow::ShowWithTransition() {
  FrameBitmap fitted;
  FilterContext context;
  bool filtered = false;
  if (!PrepareFitted(fitted, context, filtered)) return;
  if (HasPreviousScreen) PreviousScreen.Assign(ScreenBitmap);
  ComposeScreen(ScreenBitmap, fitted, Layout(), context, filtered);
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
