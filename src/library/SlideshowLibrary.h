#pragma once
// The current slideshow: its name, options, folder and BGM lists, the images
// of the current folder, and the slideshow list (catalogue). Loading and
// saving follow the library's file formats; everything the user must see
// goes through SlideshowLibraryView and UserDialogs.
#include <QString>
#include <QStringList>

#include "library/ListCutState.h"
#include "library/ListEntry.h"
#include "library/SlideshowOptions.h"
#include "platform/RunMode.h"

class SlideshowLibraryView;
class UserDialogs;

class SlideshowLibrary {
 public:
  // programFolder ends with a separator.
  SlideshowLibrary(QString programFolder, UserDialogs& dialogs);

  // Set once at start, before the first load. In RunMode::CdPlay nothing is
  // ever written or created.
  void SetRunMode(RunMode mode) { mode_ = mode; }

  // The window; may be null (then nothing is shown).
  void SetView(SlideshowLibraryView* view) { view_ = view; }
  SlideshowLibraryView* View() const { return view_; }

  const QString& ProgramFolder() const { return programFolder_; }
  RunMode Mode() const { return mode_; }

  // --- the current slideshow -----------------------------------------------
  // Empty before the first load (and after an "/autostart" naming a missing
  // slideshow): then there is no current slideshow.
  const QString& CurrentName() const { return name_; }
  bool HasCurrentSlideshow() const { return !name_.isEmpty(); }
  // ProgramFolder + "SlideShow/" + name + "/".
  QString CurrentSlideshowFolder() const;
  // True once LoadSlideshow has finished (a click in the slideshow list may
  // switch slideshows only then).
  bool IsLoaded() const { return loaded_; }

  SlideshowOptions& Options() { return options_; }
  const SlideshowOptions& Options() const { return options_; }

  FolderList& Folders() { return folders_; }
  const FolderList& Folders() const { return folders_; }
  BgmList& Bgms() { return bgms_; }
  const BgmList& Bgms() const { return bgms_; }
  int CurrentFolderIndex() const { return currentFolderIndex_; }
  void SetCurrentFolderIndex(int index) { currentFolderIndex_ = index; }
  int CurrentBgmIndex() const { return currentBgmIndex_; }
  void SetCurrentBgmIndex(int index) { currentBgmIndex_ = index; }

  const QStringList& CurrentFolderImages() const { return currentFolderImages_; }
  // No current folder row and no images (the folder list became empty).
  void ClearCurrentFolderImages();
  int CurrentImageIndex() const { return currentImageIndex_; }
  void SetCurrentImageIndex(int index) { currentImageIndex_ = index; }

  // The full path of a row (data-folder rows lie in this slideshow's folder).
  QString FolderEntryPath(const ListEntry& entry) const;
  QString BgmEntryPath(const ListEntry& entry) const;

  // The pending cut of the list tabs; emptied by every LoadSlideshow.
  ListCutState& CutState() { return cut_; }
  const ListCutState& CutState() const { return cut_; }

  // --- the slideshow list (SlideShow.dat) ------------------------------------
  const QStringList& Catalog() const { return catalog_; }
  void SetCatalog(QStringList names);
  // The selected row of the slideshow list (-1: none).
  int CatalogIndex() const { return catalogIndex_; }
  void SetCatalogIndex(int index) { catalogIndex_ = index; }
  // Writes SlideShow.dat in list order. Nothing in CD-play mode.
  bool SaveCatalog();

  // --- loading and saving ----------------------------------------------------
  // Makes name current (an empty or invalid name makes a new untitled
  // slideshow 無題001..無題100): options, lists, images of the current folder,
  // resume points, slideshow list row, captions.
  void LoadSlideshow(const QString& name);
  // The current slideshow's folder was renamed to newName: the name, every
  // slideshow-list row of the old name and the captions follow; nothing is
  // reloaded, so the lists and options in memory are saved under the new name.
  void RenameCurrent(const QString& newName);
  void ReadSlideshowOptions();
  void LoadFolderList();
  void LoadBgmList();
  // Fills CurrentFolderImages from the row at CurrentFolderIndex; a row whose
  // folder holds no images is reported and removed, and the next row is tried.
  void BuildCurrentFolderImages();

  // SaveFolderList, SaveBgmList, WriteSlideshowOptions in this order; the
  // slideshow folder is made again if it was deleted. Nothing in CD-play mode
  // or without a current slideshow. False when a file could not be written
  // (the user has been told; the old file is left).
  bool SaveSlideshow();
  bool SaveFolderList();
  bool SaveBgmList();
  bool WriteSlideshowOptions();

  // --- the display window's colours -------------------------------------------
  // Called once when the display window is created: reads the label colours,
  // resets them when settingsVersion is older than "1.3", and from then on
  // every LoadSlideshow reads them again.
  void DisplayWindowCreated(const QString& settingsVersion);
  bool IsDisplayCreated() const { return displayCreated_; }
  void ReadDisplayColours();
  void ResetDisplayColours();

 private:
  QString SlideIniPath() const;
  QString CreateUntitledSlideshow();
  void ApplyFolderResumePoint();
  void ApplyBgmResumePoint();
  void RemoveCurrentFolderRow();
  bool EnsureSlideshowFolder();
  void ProcessPendingMessages();

  QString programFolder_;
  RunMode mode_ = RunMode::Normal;
  UserDialogs& dialogs_;
  SlideshowLibraryView* view_ = nullptr;

  QString name_;
  bool loaded_ = false;
  bool displayCreated_ = false;
  SlideshowOptions options_;
  FolderList folders_;
  BgmList bgms_;
  int currentFolderIndex_ = -1;
  int currentBgmIndex_ = -1;
  QStringList currentFolderImages_;
  int currentImageIndex_ = 0;
  QStringList catalog_;
  int catalogIndex_ = -1;
  ListCutState cut_;

  // Set by the first folder-list load, image build and BGM-list load after
  // LoadSlideshow, so each resume point acts once per load.
  bool folderListLoaded_ = false;
  bool folderImagesBuilt_ = false;
  bool bgmListLoaded_ = false;
};
