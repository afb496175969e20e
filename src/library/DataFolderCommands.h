#pragma once
// The data-folder commands of the folder and BGM list context menus: copy
// the selected rows' pictures or music into the slideshow's IMG/ or BGM/
// folder and turn the rows into data-folder rows, or delete those copies and
// remove the rows. Offered in CD-making mode only.
#include <QList>
#include <QString>

#include "library/ListEntry.h"
#include "platform/RunMode.h"
#include "library/ListKind.h"

class ProgressWindow;
class SlideshowLibrary;
class SlideshowLibraryView;
class UserDialogs;

enum class DataListKind { Folders, Music };

// A folder row lies in the data folder when its Location is the marker; a
// music row when its Location begins with it.
bool IsDataFolderRow(DataListKind kind, const ListEntry& entry);

class DataFolderCommands {
 public:
  // view may be null; progress may be null (no window shown).
  DataFolderCommands(SlideshowLibrary& library, UserDialogs& dialogs, SlideshowLibraryView* view,
                     ProgressWindow* progress);

  // "データフォルダへコピー(&C)": asks, copies with the progress window, turns
  // the copied (and already present) rows into data-folder rows, reports.
  void CopyToDataFolder(DataListKind kind, const ListSelection& selection);
  // "データフォルダから削除(&D)": asks, deletes the copies, removes the rows
  // whose copies are gone, reports.
  void DeleteFromDataFolder(DataListKind kind, const ListSelection& selection);

  // True while a command runs (messages are processed meanwhile, so the
  // window must not start another one or close).
  bool IsBusy() const { return busy_; }

  // The slideshow's IMG/ or BGM/ folder, with a trailing separator.
  QString DataFolderPath(DataListKind kind) const;

 private:
  QList<ListEntry>& Rows(DataListKind kind);
  void RefreshList(DataListKind kind);
  void MakeRowCurrent(DataListKind kind, int row);
  void RemoveRows(DataListKind kind, const QList<int>& rows, const ListSelection& selection, bool allDone);

  SlideshowLibrary& library_;
  UserDialogs& dialogs_;
  SlideshowLibraryView* view_;
  ProgressWindow* progress_;
  bool busy_ = false;
};
