#pragma once
// What the slideshow control reaches outside itself. Each interface is one
// neighbour: the play lists, the picture path, the effects, the music, the
// preview of the main window and the window shell. The running program
// connects them to the real subsystems; tests connect fakes.
#include <QString>

// The play lists and the play position.
class SlidePlayLists {
 public:
  virtual ~SlidePlayLists() = default;
  // Number of rows of the FolderList, and of them the marked ones.
  virtual int FolderListRowCount() const = 0;
  virtual int MarkedFolderRowCount() const = 0;
  // The start-time checks and builders; false when the start is abandoned
  // (a message has been shown).
  virtual bool StartPlayLists() = 0;
  virtual int FolderCount() const = 0;  // entries of FolderPlayList
  virtual int FolderPlayIndex() const = 0;
  virtual void SetFolderPlayIndex(int index) = 0;
  virtual bool FolderExists(int index) const = 0;
  // Rebuilds ImagePlayList for the folder at FolderPlayIndex (all folders for
  // image order 3); false when it holds no images.
  virtual bool BuildImagePlayList() = 0;
  virtual void ReshuffleAllImages() = 0;
  virtual int ImageCount() const = 0;  // entries of ImagePlayList
  virtual int CurrentImageIndex() const = 0;
  virtual void SetCurrentImageIndex(int index) = 0;
  virtual void EmptyFolderPlayList() = 0;
  // The file at index of ImagePlayList (empty outside it).
  virtual QString ImageAt(int index) const = 0;
  // What the rebuild at the end of a pass would put first if it ran now
  // (drawing no random number): BuildImagePlayList for the folder at
  // folderIndex, or ReshuffleAllImages. Empty when not known.
  virtual QString PeekFirstBuiltImage(int folderIndex) const = 0;
  virtual QString PeekFirstReshuffledImage() const = 0;
};

// The picture path: showing the current image and the working bitmaps.
class SlidePictures {
 public:
  virtual ~SlidePictures() = default;
  // Shows the image at CurrentImageIndex with ActiveFilter and
  // ActiveTransition. A decoding failure is reported by the picture path
  // itself; the screen then keeps what it showed.
  virtual void ShowCurrentImage() = 0;
  virtual QString CurrentImageFile() const = 0;
  // HasPreviousScreen := false.
  virtual void ForgetPreviousScreen() = 0;
  // Fills ScreenBitmap with the background colour, presents it, then releases
  // the pixel memory of the screen and Increase bitmaps and empties the
  // prefetched picture.
  virtual void ClearScreenAfterStop() = 0;
  // PrefetchKey := (-1, -1).
  virtual void ResetPrefetchKey() = 0;
};

// The filter and transition selectors and the shuffle draws.
class SlideEffects {
 public:
  virtual ~SlideEffects() = default;
  virtual int FilterSelectorPosition() const = 0;
  virtual int TransitionSelectorPosition() const = 0;
  // Shows the effects in use in the two selectors.
  virtual void ShowEffects(int filter, int transition) = 0;
  // A new shuffled filter / transition from the bags; returns the drawn kind.
  virtual int DrawShuffleFilter() = 0;
  virtual int DrawShuffleTransition() = 0;
  // IncreaseFilter := the single-use pile filter of the options, or -1.
  virtual void SetIncreaseFilterFromOptions() = 0;
  virtual void ClearIncreaseFilter() = 0;
  virtual void EmptyEffectBags() = 0;
};

// The background music seen from the slideshow.
class SlideMusic {
 public:
  virtual ~SlideMusic() = default;
  // Music is on and the BgmList is not empty.
  virtual bool MusicActive() const = 0;
  virtual void StartBgm() = 0;
  virtual void PauseBgm() = 0;
  virtual void StopBgm() = 0;
  // Restarts the artwork timer when its effect, size and picture allow it.
  virtual void RestartArtworkTimer() = 0;
  // Stops the music end watch, the play-time label and the artwork timers.
  virtual void StopMusicTimers() = 0;
  virtual QString CurrentBgmFile() const = 0;
  // Stop: for music orders 1 and 3 selects the playing track's row in the
  // BgmList; then empties the BgmPlayList.
  virtual void ReturnBgmListAfterStop() = 0;
};

// The preview and the lists of the main window, after a stop.
class SlidePreview {
 public:
  virtual ~SlidePreview() = default;
  // Makes the FolderList row of the folder at folderPlayIndex (counting
  // marked rows) the current, only selected and focused row.
  virtual void SelectFolderRowOfPlayIndex(int folderPlayIndex) = 0;
  // ImagePlayList := CurrentFolderImages again.
  virtual void BuildCurrentFolderImages() = 0;
  // The preview's image position remembered at start.
  virtual int SavedPreviewPosition() const = 0;
  // Records LastPlayName, LastPlayDir and LastPlayBGM.
  virtual void RecordLastPlayed(const QString& name, const QString& dir, const QString& bgm) = 0;
  virtual void RefreshPreview() = 0;
};

// The display window as the slideshow drives it.
class SlideDisplay {
 public:
  virtual ~SlideDisplay() = default;
  virtual bool IsShowing() const = 0;
  // Shows the window over the whole monitor of the main window, topmost.
  virtual void ShowFullScreen() = 0;
  virtual void CloseDisplay() = 0;
  virtual bool IsActiveWindow() const = 0;
  virtual void BringToForeground() = 0;
  virtual bool IsTopmost() const = 0;
  virtual void MakeTopmost() = 0;
  virtual void ShowLoading() = 0;
  virtual void HideLoading() = 0;
  virtual void FocusDisplay() = 0;
  // Hides the ten label boxes and empties the Exif list.
  virtual void HideAllLabels() = 0;
};

// The labels as the slideshow drives them.
class SlideLabels {
 public:
  virtual ~SlideLabels() = default;
  virtual void LayOutLabels() = 0;
  virtual void ResetKeyGuide() = 0;    // the guide starts at its first line
  virtual void StopLabelTimers() = 0;  // the clock and guide timers
};

// Process-wide switches of the window layer.
class SlideShell {
 public:
  virtual ~SlideShell() = default;
  // true: ↑, ↓ and Enter go to the volume items; false: ↑ and ↓ back to the
  // hidden list-navigation items.
  virtual void GiveArrowKeysToVolume(bool toVolume) = 0;
  virtual void SetPointerHidden(bool hidden) = 0;
  virtual void TogglePointer() = 0;
  // The NoSaver setting of the application.
  virtual bool NoSaver() const = 0;
};
