#pragma once
// A small world of folders and images around SlideControl, for rule tests:
// folders are lists of image names, "shown" images are logged, timers tick
// by hand and pending messages can run a scripted command.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include <algorithm>

#include "engine/SlideControl.h"
#include "library/OptionItems.h"
#include "support/ManualTimer.h"

struct FakeFolder {
  QString name;
  QStringList images;
  bool exists = true;
};

class SlideWorld final : public SlidePlayLists, public SlidePictures, public SlideEffects,
                         public SlideMusic, public SlidePreview, public SlideDisplay,
                         public SlideLabels, public SlideShell, public ScreenSaver,
                         public UserDialogs {
 public:
  // --- the world ---
  std::vector<FakeFolder> folders;  // the marked FolderList rows, in play order
  int selectedFolder = 0;           // start folder for the orders 1 and 3
  SlideshowOptions options;
  SlideControl* control = nullptr;
  std::function<void()> onPendingMessages;  // runs once per processing
  bool failDecoding = false;
  bool musicActive = false;
  bool saverAvailable = true;
  bool noSaver = true;
  int filterSelector = 0, transitionSelector = 0;
  int nextDrawnFilter = 5, nextDrawnTransition = 3;

  // --- what happened ---
  QStringList shown;  // "folder/image" for each image put on screen
  QStringList filtersOfShown;  // "filter,transition" of each
  QStringList infos, errors;
  int filterDraws = 0, transitionDraws = 0, builds = 0, reshuffles = 0;
  int layouts = 0, inhibits = 0, uninhibits = 0;
  int selectedRowAtStop = -1;
  bool displayShowing = false, pointerHidden = false, arrowsToVolume = false, loading = false;
  QString lastPlayName, lastPlayDir;

  // --- play lists ---
  int folderPlayIndex = 0, currentImageIndex = 0;
  QStringList imagePlayList;
  bool folderPlayListFilled = false;

  int FolderListRowCount() const override { return static_cast<int>(folders.size()); }
  int MarkedFolderRowCount() const override { return static_cast<int>(folders.size()); }
  bool StartPlayLists() override {
    folderPlayListFilled = true;
    const bool fromSelected = options.cbDir == kOrderFromSelected || options.cbDir == kOrderLoopOrAll;
    folderPlayIndex = fromSelected && options.cbImg != kOrderLoopOrAll ? selectedFolder : 0;
    Build();
    currentImageIndex = 0;
    return true;
  }
  int FolderCount() const override { return folderPlayListFilled ? static_cast<int>(folders.size()) : 0; }
  int FolderPlayIndex() const override { return folderPlayIndex; }
  void SetFolderPlayIndex(int i) override { folderPlayIndex = i; }
  bool FolderExists(int i) const override { return folders[static_cast<std::size_t>(i)].exists; }
  bool BuildImagePlayList() override { ++builds; return Build(); }
  void ReshuffleAllImages() override {
    ++reshuffles;
    std::rotate(imagePlayList.begin(), imagePlayList.begin() + 1, imagePlayList.end());
  }
  int ImageCount() const override { return static_cast<int>(imagePlayList.size()); }
  int CurrentImageIndex() const override { return currentImageIndex; }
  void SetCurrentImageIndex(int i) override { currentImageIndex = i; }
  void EmptyFolderPlayList() override { folderPlayListFilled = false; }
  QString ImageAt(int i) const override { return i >= 0 && i < imagePlayList.size() ? imagePlayList[i] : QString(); }
  QString PeekFirstBuiltImage(int folderIndex) const override {
    if (folderIndex < 0 || folderIndex >= static_cast<int>(folders.size())) return {};
    const FakeFolder& f = folders[static_cast<std::size_t>(folderIndex)];
    return f.exists && !f.images.isEmpty() ? f.name + "/" + f.images.front() : QString();
  }
  // ReshuffleAllImages turns the list by one.
  QString PeekFirstReshuffledImage() const override {
    return imagePlayList.isEmpty() ? QString() : imagePlayList[imagePlayList.size() > 1 ? 1 : 0];
  }

  bool Build() {
    imagePlayList.clear();
    if (options.cbImg == kOrderLoopOrAll) {
      for (const FakeFolder& f : folders) {
        if (f.exists) for (const QString& i : f.images) imagePlayList << f.name + "/" + i;
      }
    } else {
      const FakeFolder& f = folders[static_cast<std::size_t>(folderPlayIndex)];
      if (f.exists) for (const QString& i : f.images) imagePlayList << f.name + "/" + i;
    }
    currentImageIndex = 0;
    return !imagePlayList.isEmpty();
  }

  // --- pictures ---
  void ShowCurrentImage() override {
    if (currentImageIndex < 0 || currentImageIndex >= imagePlayList.size()) return;
    if (failDecoding) {
      errors << "cannot decode " + imagePlayList[currentImageIndex];
      return;
    }
    shown << imagePlayList[currentImageIndex];
    filtersOfShown << QStringLiteral("%1,%2").arg(control->ActiveFilter()).arg(control->ActiveTransition());
  }
  QString CurrentImageFile() const override {
    return shown.isEmpty() ? QString() : QStringLiteral("/photos/") + shown.back();
  }
  void ForgetPreviousScreen() override {}
  void ClearScreenAfterStop() override {}
  void ResetPrefetchKey() override {}

  // --- effects ---
  int FilterSelectorPosition() const override { return filterSelector; }
  int TransitionSelectorPosition() const override { return transitionSelector; }
  void ShowEffects(int, int) override {}
  int DrawShuffleFilter() override { ++filterDraws; return nextDrawnFilter; }
  int DrawShuffleTransition() override { ++transitionDraws; return nextDrawnTransition; }
  void SetIncreaseFilterFromOptions() override {}
  void ClearIncreaseFilter() override {}
  void EmptyEffectBags() override {}

  // --- music ---
  bool MusicActive() const override { return musicActive; }
  void StartBgm() override {}
  void PauseBgm() override {}
  void StopBgm() override {}
  void RestartArtworkTimer() override {}
  void StopMusicTimers() override {}
  QString CurrentBgmFile() const override { return QString(); }
  void ReturnBgmListAfterStop() override {}

  // --- preview ---
  void SelectFolderRowOfPlayIndex(int i) override { selectedRowAtStop = i; selectedFolder = i; }
  void BuildCurrentFolderImages() override {
    Build();  // the preview shows the selected folder again
  }
  int SavedPreviewPosition() const override { return 0; }
  void RecordLastPlayed(const QString& name, const QString& dir, const QString&) override {
    lastPlayName = name;
    lastPlayDir = dir;
  }
  void RefreshPreview() override {}

  // --- display ---
  bool IsShowing() const override { return displayShowing; }
  void ShowFullScreen() override { displayShowing = true; }
  void CloseDisplay() override { displayShowing = false; }
  bool IsActiveWindow() const override { return displayShowing; }
  void BringToForeground() override {}
  bool IsTopmost() const override { return true; }
  void MakeTopmost() override {}
  void ShowLoading() override { loading = true; }
  void HideLoading() override { loading = false; }
  void FocusDisplay() override {}
  void HideAllLabels() override {}

  // --- labels ---
  void LayOutLabels() override { ++layouts; }
  void ResetKeyGuide() override {}
  void StopLabelTimers() override {}

  // --- shell ---
  void GiveArrowKeysToVolume(bool v) override { arrowsToVolume = v; }
  void SetPointerHidden(bool h) override { pointerHidden = h; }
  void TogglePointer() override { pointerHidden = !pointerHidden; }
  bool NoSaver() const override { return noSaver; }

  // --- screen saver ---
  bool Inhibit() override { ++inhibits; return saverAvailable; }
  void UnInhibit() override { ++uninhibits; }

  // --- dialogs ---
  void ShowInformation(const QString& t) override { infos << t; }
  void ShowError(const QString& t) override { errors << t; }
  bool AskYesNo(const QString&) override { return true; }
  void ProcessPendingMessages() override {
    if (onPendingMessages) {
      auto f = std::move(onPendingMessages);
      onPendingMessages = nullptr;
      f();
    }
  }

  SlideControlPorts Ports(TimerFactory& timers) {
    SlideControlPorts p;
    p.PlayLists = this;
    p.Pictures = this;
    p.Effects = this;
    p.Music = this;
    p.Preview = this;
    p.Display = this;
    p.Labels = this;
    p.Shell = this;
    p.Saver = this;
    p.Dialogs = this;
    p.Timers = &timers;
    p.Options = [this]() -> const SlideshowOptions& { return options; };
    return p;
  }
};
