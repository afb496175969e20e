#pragma once
// The slideshow engine: the play lists, the picture path, the background
// music, the labels and the slideshow control, joined into one service that
// the main window owns. The windows are reached only through the interfaces
// of SlideshowWindows.
#include <QList>
#include <QSize>
#include <functional>
#include <memory>
#include <vector>

#include "display/ExifInfo.h"
#include "display/LabelController.h"
#include "engine/ImageShow.h"
#include "engine/IncreasePile.h"
#include "engine/LoadingLabel.h"
#include "engine/PlayListBuilder.h"
#include "engine/PlayLists.h"
#include "engine/ProgressWindow.h"
#include "engine/SlideControl.h"
#include "music/ArtworkDisplay.h"
#include "music/BgmController.h"
#include "music/MusicPlayer.h"
#include "transitions/TransitionShuffle.h"

class SlideshowLibrary;

// What the engine needs of the windows.
struct SlideshowWindows {
  DisplaySurface* Surface = nullptr;
  SlideDisplay* Display = nullptr;
  LabelBoxView* Boxes = nullptr;
  LabelTextMeasure* Measure = nullptr;
  LoadingLabel* Loading = nullptr;
  ProgressWindow* Progress = nullptr;
  SlideShell* Shell = nullptr;
  UserDialogs* Dialogs = nullptr;
  TimerFactory* Timers = nullptr;
  Clock* Pacing = nullptr;
  ScreenSaver* Saver = nullptr;
  // Hands decodes done ahead back to the user-interface thread; without it
  // the next picture is decoded ahead on that thread.
  UiThreadPost* Post = nullptr;
  ArtworkView* Artwork = nullptr;  // the artwork panel; none: nothing painted
  // The monitor of the main window (MW x MH).
  std::function<QSize()> MonitorSize;
  // The rows selected in the folder and BGM lists of the options panel.
  std::function<QList<int>()> SelectedFolderRows;
  std::function<QList<int>()> SelectedBgmRows;
  // Select, focus and scroll to one row of the folder / BGM list.
  std::function<void(int row)> SelectFolderRow;
  std::function<void(int row)> SelectBgmRow;
  // The filter and transition selectors show these kinds (without changing
  // the stored options).
  std::function<void(int filter, int transition)> ShowEffects;
  // The preview and its image counter after a stop.
  std::function<void()> RefreshPreview;
};

class SlideshowEngine final : private SlidePlayLists,
                              private SlidePictures,
                              private SlideEffects,
                              private SlideMusic,
                              private SlidePreview {
 public:
  SlideshowEngine(SlideshowLibrary& library, MusicPlayer& player, SlideshowWindows windows);
  ~SlideshowEngine() override;

  SlideControl& Control() { return *control_; }
  LabelController& Labels() { return *labels_; }
  BgmController& Music() { return *bgm_; }
  ArtworkDisplay& Artwork() { return *artwork_; }
  ImageShow& Show() { return show_; }
  const IncreasePile& Pile() const { return pile_; }
  int IncreaseFilter() const { return increaseFilter_; }
  const PlayLists& Lists() const { return lists_; }
  TExifInfo& Exif() { return exif_; }
  // The worker that decodes ahead, or null when pictures are decoded in place.
  BackgroundDecoder* Decoder() { return decoder_.get(); }

  // The facts the labels show now.
  LabelFacts CurrentLabelFacts();

 private:
  // SlidePlayLists
  int FolderListRowCount() const override;
  int MarkedFolderRowCount() const override;
  bool StartPlayLists() override;
  int FolderCount() const override { return static_cast<int>(lists_.FolderPlayList.size()); }
  int FolderPlayIndex() const override { return lists_.FolderPlayIndex; }
  void SetFolderPlayIndex(int index) override { lists_.FolderPlayIndex = index; }
  bool FolderExists(int index) const override;
  bool BuildImagePlayList() override;
  void ReshuffleAllImages() override;
  int ImageCount() const override { return static_cast<int>(lists_.ImagePlayList.size()); }
  int CurrentImageIndex() const override { return lists_.CurrentImageIndex; }
  void SetCurrentImageIndex(int index) override;
  void EmptyFolderPlayList() override { lists_.FolderPlayList.clear(); }
  QString ImageAt(int index) const override {
    return index >= 0 && index < lists_.ImagePlayList.size() ? lists_.ImagePlayList.at(index) : QString();
  }
  QString PeekFirstBuiltImage(int folderIndex) const override;
  QString PeekFirstReshuffledImage() const override { return ::PeekFirstReshuffledImage(lists_); }
  // SlidePictures
  void ShowCurrentImage() override;
  QString CurrentImageFile() const override { return show_.CurrentImageFile(); }
  void ForgetPreviousScreen() override { show_.HasPreviousScreen = false; }
  void ClearScreenAfterStop() override;
  void ResetPrefetchKey() override { show_.ResetPrefetch(); }
  // SlideEffects
  int FilterSelectorPosition() const override;
  int TransitionSelectorPosition() const override;
  void ShowEffects(int filter, int transition) override;
  int DrawShuffleFilter() override;
  int DrawShuffleTransition() override;
  void SetIncreaseFilterFromOptions() override;
  void ClearIncreaseFilter() override { increaseFilter_ = -1; }
  void EmptyEffectBags() override;
  // SlideMusic
  bool MusicActive() const override;
  void StartBgm() override;
  void PauseBgm() override { bgm_->PauseBgm(); }
  void StopBgm() override { bgm_->StopBgm(); }
  void RestartArtworkTimer() override { artwork_->RestartTimerAfterResume(); }
  void StopMusicTimers() override;
  QString CurrentBgmFile() const override { return bgm_->CurrentBgmFile(); }
  void ReturnBgmListAfterStop() override;
  // SlidePreview
  void SelectFolderRowOfPlayIndex(int folderPlayIndex) override;
  void BuildCurrentFolderImages() override;
  int SavedPreviewPosition() const override { return savedPreviewPosition_; }
  void RecordLastPlayed(const QString& name, const QString& dir, const QString& bgm) override;
  void RefreshPreview() override;

  const SlideshowOptions& Options() const;
  void UpdateShowSettings();
  void RefreshExifCache(const QString& file);

  SlideshowLibrary& library_;
  MusicPlayer& player_;
  SlideshowWindows windows_;
  PlayLists lists_;
  PlayListEnvironment env_;
  TExifInfo exif_;
  std::unique_ptr<BackgroundDecoder> decoder_;
  ImageShow show_;
  IncreasePile pile_;
  std::vector<int> increaseFilterBag_;  // the pile filters not drawn yet this round
  int filterDrawnNow_ = -1;  // the image filter drawn at this effect change, until the transition draw
  TransitionState transitions_;
  std::vector<int> filterBag_;  // the shuffle filters not drawn yet this round
  int increaseFilter_ = -1;
  int savedPreviewPosition_ = 0;
  std::unique_ptr<BgmController> bgm_;
  std::unique_ptr<LabelController> labels_;
  std::unique_ptr<ArtworkDisplay> artwork_;
  std::unique_ptr<SlideControl> control_;
  // The Exif facts of the file last shown, read once per file.
  QString exifFile_;
  QStringList exifLines_;
  QString exifDate_;
  QString bgmTitleFile_;
  int bgmTitleIndex_ = -1;
  QString bgmTitle_;
};
