#include "library/SlideshowLibrary.h"

#include <QFileInfo>

#include <algorithm>

#include "library/AppSettings.h"
#include "library/LibraryPaths.h"
#include "library/LibraryTexts.h"
#include "library/ListFiles.h"
#include "library/OptionItems.h"
#include "library/SlideshowLibraryView.h"
#include "library/SlideshowOptionsFile.h"
#include "library/WindowCaption.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"

namespace {

constexpr int kUntitledCount = 100;

// The folder order resumes where it stopped for these two orders only.
bool ResumesFromSelection(int order) { return order == kOrderFromSelected || order == kOrderLoopOrAll; }

}  // namespace

SlideshowLibrary::SlideshowLibrary(QString programFolder, UserDialogs& dialogs)
    : programFolder_(WithTrailingSeparator(programFolder)), dialogs_(dialogs) {}

QString SlideshowLibrary::CurrentSlideshowFolder() const { return SlideshowFolderPath(programFolder_, name_); }

QString SlideshowLibrary::SlideIniPath() const { return CurrentSlideshowFolder() + kSlideIniName; }

QString SlideshowLibrary::FolderEntryPath(const ListEntry& entry) const {
  return ResolveFolderEntryPath(entry, CurrentSlideshowFolder());
}

QString SlideshowLibrary::BgmEntryPath(const ListEntry& entry) const {
  return ResolveBgmEntryPath(entry, CurrentSlideshowFolder());
}

void SlideshowLibrary::ProcessPendingMessages() { dialogs_.ProcessPendingMessages(); }

void SlideshowLibrary::SetCatalog(QStringList names) {
  catalog_ = std::move(names);
  catalogIndex_ = catalog_.isEmpty() ? -1 : std::min<int>(catalogIndex_, catalog_.size() - 1);
  if (view_) view_->CatalogChanged();
}

bool SlideshowLibrary::SaveCatalog() {
  if (mode_ == RunMode::CdPlay) return true;
  CreateFolder(SlideshowRoot(programFolder_));
  return WriteListFile(SlideshowCatalogPath(programFolder_), catalog_, dialogs_);
}

QString SlideshowLibrary::CreateUntitledSlideshow() {
  for (int n = 1; n <= kUntitledCount; ++n) {
    const QString candidate = kUntitledBaseName + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
    const QString folder = WithoutTrailingSeparator(SlideshowFolderPath(programFolder_, candidate));
    if (QFileInfo::exists(folder)) continue;
    // A read-only medium gets the name without its folder.
    if (mode_ != RunMode::CdPlay) CreateFolder(folder);
    return candidate;
  }
  return kUntitledBaseName;
}

void SlideshowLibrary::LoadSlideshow(const QString& requestedName) {
  loaded_ = false;
  // An empty name, or one that would lie outside the library, makes a new
  // untitled slideshow.
  name_ = IsValidSlideshowName(requestedName) ? requestedName : CreateUntitledSlideshow();

  if (!currentFolderImages_.isEmpty()) {
    currentFolderImages_.clear();
    currentImageIndex_ = 0;
    if (view_) view_->CurrentFolderImagesChanged();
  }

  ReadSlideshowOptions();

  folderListLoaded_ = false;
  folderImagesBuilt_ = false;
  bgmListLoaded_ = false;
  LoadFolderList();
  LoadBgmList();

  if (view_) view_->ResetPlayState();
  cut_.Clear();

  BuildCurrentFolderImages();
  if (view_) {
    if (currentFolderImages_.isEmpty()) {
      view_->ShowStartHint(kStartHintText);
    } else {
      view_->HideStartHint();
    }
    view_->ResetPreviewPageJump();
    const bool handOver = options_.UseBGM && FileExists(options_.LastPlayBGM);
    view_->PrepareMusicPlayer(handOver ? options_.LastPlayBGM : QString());
  }

  catalogIndex_ = catalog_.indexOf(name_);
  if (catalogIndex_ < 0) {
    catalog_.append(name_);
    catalogIndex_ = catalog_.size() - 1;
  }
  if (view_) {
    view_->CatalogChanged();
    view_->SetCurrentSlideshowLabel(kCurrentSlideshowLabelPrefix + name_);
    view_->SetCaption(SlideshowCaption(mode_, name_));
  }

  loaded_ = true;
  if (displayCreated_) ReadDisplayColours();
}

void SlideshowLibrary::RenameCurrent(const QString& newName) {
  const QString oldName = name_;
  name_ = newName;
  for (QString& row : catalog_) {
    if (row == oldName) row = newName;
  }
  if (catalogIndex_ < 0) catalogIndex_ = catalog_.indexOf(newName);
  if (!view_) return;
  view_->CatalogChanged();
  view_->SetCurrentSlideshowLabel(kCurrentSlideshowLabelPrefix + name_);
  view_->SetCaption(SlideshowCaption(mode_, name_));
}

void SlideshowLibrary::ReadSlideshowOptions() {
  const IniFile ini(SlideIniPath());
  ::ReadSlideshowOptions(ini, options_, &dialogs_);
  if (view_) view_->OptionsChanged();
}

void SlideshowLibrary::LoadFolderList() {
  folders_ = ReadFolderListFile(CurrentSlideshowFolder() + kFolderListName, CurrentSlideshowFolder(), &dialogs_);
  currentFolderIndex_ = folders_.isEmpty() ? -1 : 0;
  const bool firstLoad = !folderListLoaded_;
  folderListLoaded_ = true;
  if (firstLoad && !folders_.isEmpty()) ApplyFolderResumePoint();
  if (view_) view_->FolderListChanged();
}

void SlideshowLibrary::ApplyFolderResumePoint() {
  if (!ResumesFromSelection(options_.cbDir) || options_.cbImg == kOrderLoopOrAll) return;
  if (!FolderExists(options_.LastPlayDir)) return;
  for (int i = 0; i < folders_.size(); ++i) {
    if (FolderEntryPath(folders_[i]) == options_.LastPlayDir) {
      currentFolderIndex_ = i;
      return;
    }
  }
}

void SlideshowLibrary::LoadBgmList() {
  bgms_ = ReadBgmListFile(CurrentSlideshowFolder() + kBgmListName, CurrentSlideshowFolder(), &dialogs_);
  currentBgmIndex_ = bgms_.isEmpty() ? -1 : 0;
  const bool firstLoad = !bgmListLoaded_;
  bgmListLoaded_ = true;
  if (firstLoad && !bgms_.isEmpty()) ApplyBgmResumePoint();
  if (view_) view_->BgmListChanged();
}

void SlideshowLibrary::ApplyBgmResumePoint() {
  if (!ResumesFromSelection(options_.cbBGM) || !FileExists(options_.LastPlayBGM)) return;
  for (int i = 0; i < bgms_.size(); ++i) {
    if (BgmEntryPath(bgms_[i]) == options_.LastPlayBGM) {
      currentBgmIndex_ = i;
      return;
    }
  }
}

void SlideshowLibrary::BuildCurrentFolderImages() {
  const bool firstBuild = !folderImagesBuilt_;
  folderImagesBuilt_ = true;
  while (!folders_.isEmpty()) {
    currentFolderImages_.clear();
    currentFolderIndex_ = std::clamp<int>(currentFolderIndex_, 0, folders_.size() - 1);
    const QString path = FolderEntryPath(folders_[currentFolderIndex_]);
    QStringList images = ListFolderImages(path, FolderContent::Images);
    if (!images.isEmpty()) {
      currentFolderImages_ = std::move(images);
      currentImageIndex_ = 0;
      if (firstBuild && ResumesFromSelection(options_.cbDir) && options_.cbImg == kOrderFromSelected &&
          FileExists(options_.LastPlayName)) {
        const int position = currentFolderImages_.indexOf(options_.LastPlayName);
        if (position >= 0) currentImageIndex_ = position;
      }
      if (view_) view_->CurrentFolderImagesChanged();
      return;
    }
    dialogs_.ShowInformation(NoImagesInFolderMessage(path));
    RemoveCurrentFolderRow();
  }
  // An empty list has no current folder and so no images.
  currentFolderImages_.clear();
  currentImageIndex_ = 0;
  if (view_) view_->CurrentFolderImagesChanged();
}

void SlideshowLibrary::ClearCurrentFolderImages() {
  currentFolderImages_.clear();
  currentFolderIndex_ = -1;
  currentImageIndex_ = 0;
  if (view_) view_->CurrentFolderImagesChanged();
}

void SlideshowLibrary::RemoveCurrentFolderRow() {
  // The row after the removed one takes its place; at the end, the new last row.
  folders_.removeAt(currentFolderIndex_);
  currentFolderIndex_ = folders_.isEmpty() ? -1 : std::min<int>(currentFolderIndex_, folders_.size() - 1);
  if (view_) view_->FolderListChanged();
}

bool SlideshowLibrary::EnsureSlideshowFolder() {
  // A slideshow whose folder was deleted meanwhile gets it back, so nothing
  // the user set is lost.
  const QString folder = WithoutTrailingSeparator(CurrentSlideshowFolder());
  if (CreateFolder(folder)) return true;
  dialogs_.ShowError(CannotWriteMessage(folder));
  return false;
}

bool SlideshowLibrary::SaveSlideshow() {
  if (mode_ == RunMode::CdPlay || !HasCurrentSlideshow()) return true;
  if (!EnsureSlideshowFolder()) return false;
  bool ok = SaveFolderList();
  ok = SaveBgmList() && ok;
  ok = WriteSlideshowOptions() && ok;
  return ok;
}

bool SlideshowLibrary::SaveFolderList() {
  if (mode_ == RunMode::CdPlay || !HasCurrentSlideshow()) return true;
  return WriteListFile(CurrentSlideshowFolder() + kFolderListName, FolderListLines(folders_, &dialogs_), dialogs_);
}

bool SlideshowLibrary::SaveBgmList() {
  if (mode_ == RunMode::CdPlay || !HasCurrentSlideshow()) return true;
  return WriteListFile(CurrentSlideshowFolder() + kBgmListName, BgmListLines(bgms_, &dialogs_), dialogs_);
}

bool SlideshowLibrary::WriteSlideshowOptions() {
  if (mode_ == RunMode::CdPlay || !HasCurrentSlideshow()) return true;
  IniFile ini(SlideIniPath());
  ::WriteSlideshowOptions(ini, options_, &dialogs_);
  if (ini.Save()) return true;
  dialogs_.ShowError(CannotWriteMessage(ini.Path()));
  return false;
}

void SlideshowLibrary::DisplayWindowCreated(const QString& settingsVersion) {
  ReadDisplayColours();
  if (IsOlderSettingsVersion(settingsVersion)) ResetDisplayColours();
  displayCreated_ = true;
}

void SlideshowLibrary::ReadDisplayColours() {
  if (HasCurrentSlideshow()) {
    const IniFile ini(SlideIniPath());
    ::ReadDisplayColours(ini, options_.Colours);
  }
  if (view_) view_->DisplayColoursChanged();
}

void SlideshowLibrary::ResetDisplayColours() {
  ::ResetDisplayColours(options_);
  if (view_) view_->DisplayColoursChanged();
}
