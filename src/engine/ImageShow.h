#pragma once
// ImageShow: puts the image at CurrentImageIndex of the image play list on
// the screen (ShowCurrentImage) and decodes the next one ahead. It owns the
// working pictures of the display; the play position, the effects in force
// and the monitor come from its owner, the slideshow engine.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "engine/BackgroundDecoder.h"
#include "engine/FittedImage.h"
#include "bitmap/FrameBitmap.h"
#include "engine/PrefetchKey.h"

class Clock;
class DisplaySurface;
class TExifInfo;
class UserDialogs;

// What ShowCurrentImage reads each time it runs.
struct ImageShowSettings {
  int MonitorWidth = 0;   // the monitor the main window is on
  int MonitorHeight = 0;
  ColorRef Background = 0;   // the display's background colour (BkColor)
  int ActiveFilter = 0;      // the filter selector while playing
  int ActiveTransition = 0;  // the transition selector while playing
  int IncFrame = 1;          // the Increase frame option
  bool SlideshowRunning = false;
};

// The play position ShowCurrentImage shows.
struct ImageShowPosition {
  const QStringList* ImagePlayList = nullptr;
  int FolderPlayIndex = 0;
  int CurrentImageIndex = 0;
  bool FolderChangeInProgress = false;
};

class ImageShow {
 public:
  ImageShow(DisplaySurface& surface, UserDialogs& dialogs, Clock& clock, TExifInfo& exif);

  ImageShowSettings Settings;
  // Reads the play position (the engine's lists and flags).
  std::function<ImageShowPosition()> Position;
  // Lays out the labels with their new texts after every image.
  std::function<void()> LayOutLabels;
  // The Increase pile (transition 9); while unset, kind 9 shows without a transition.
  std::function<void(ImageShow&)> ShowWithIncrease;
  // The slide to decode ahead after each show; while unset it is the next
  // entry of the image play list, and none after the last.
  std::function<PlannedSlide()> PlanNext;
  // Decodes the next file ahead off this thread, and fits it to the monitor
  // there too; while unset the prefetch decodes in place.
  BackgroundDecoder* Decoder = nullptr;

  void ShowCurrentImage();

  // At load and stop: nothing prefetched since; a decode ahead still in
  // flight is dropped without waiting for it.
  void ResetPrefetch();
  // At stop: frees the pixel memory of the working pictures.
  void ReleaseScreens();

  // The two show paths, also used by the Increase pile.
  void ShowWithoutTransition();
  void ShowWithTransition();

  const QString& CurrentImageFile() const { return currentImageFile_; }
  const FrameBitmap& CurrentPicture() const { return currentPicture_; }
  const FrameBitmap& PrefetchPicture() const { return prefetchPicture_; }
  const PrefetchKey& Prefetch() const { return prefetchKey_; }
  int Orientation() const { return orientation_; }
  int UprightWidth() const { return uprightWidth_; }
  int UprightHeight() const { return uprightHeight_; }

  FrameBitmap ScreenBitmap;
  FrameBitmap PreviousScreen;
  FrameBitmap NextScreen;
  bool HasPreviousScreen = false;

 private:
  // Decodes path over the background; on failure shows the error and returns false.
  bool Decode(const QString& path, FrameBitmap& into);
  // The fitted, upright picture and its filter context; false after an error
  // box. filtered: the picture has been through the active filter already.
  bool PrepareFitted(FrameBitmap& fitted, FilterContext& context, bool& filtered);
  ScreenLayout Layout() const;
  void Prefetch(const ImageShowPosition& position);
  // Keeps the picture decoded ahead, or reports why it failed (a guessed
  // first slide of the next pass fails silently: it is decoded again and
  // reported at its turn, as it would have been without the guess).
  void TakePrefetch(DecodeResult result);

  // The decoded picture fitted on the worker: through the planned filter
  // when that filter is known and repeatable (Filter is its kind, Context the
  // one it ran with), else for a filter without frame margin (Filter -1).
  // The show takes it only when its own orientation, monitor, filter and
  // context are the same, so the screen is the one of working at show time.
  struct Prefitted {
    int Orientation = 0;
    int MonitorWidth = 0;
    int MonitorHeight = 0;
    int Filter = -1;
    FilterContext Context;
    FrameBitmap Picture;
  };
  static void PrepareAhead(Prefitted& fitted, const FrameBitmap& decoded, const QString& file, int filter,
                           const FilterContext& planned, ColorRef background);

  DisplaySurface& surface_;
  UserDialogs& dialogs_;
  Clock& clock_;
  TExifInfo& exif_;

  QString currentImageFile_;
  FrameBitmap currentPicture_;
  FrameBitmap prefetchPicture_;
  DecodeRequest prefetchRequest_;  // the decode ahead while it runs
  PrefetchKey prefetchKey_;
  QString prefetchFile_;  // the file decoded ahead for prefetchKey_
  bool prefetchGuessed_ = false;  // prefetchFile_ is a guessed first slide of the next pass
  // Written by the worker; read only once its request has come back.
  std::shared_ptr<Prefitted> pendingFitted_;
  std::shared_ptr<Prefitted> prefetchFitted_;  // beside prefetchPicture_
  std::shared_ptr<Prefitted> currentFitted_;   // beside currentPicture_, until it is shown
  bool prefetchFailed_ = false;  // the prefetched file failed and its error was shown
  int orientation_ = 0;
  int uprightWidth_ = 0;
  int uprightHeight_ = 0;
};
