#pragma once
// "リストのインポート": takes the folder list and/or the music list of another
// slideshow, or of any folder holding DIR.dat and/or BGM.dat (such as the
// program folder of Quillet), into the current slideshow. Rows are taken
// only when their folder holds images or their music file exists, and
// always as absolute rows with a check mark.
#include <QString>
#include <QStringList>
#include <functional>

class SlideshowLibrary;
class UserDialogs;

struct ImportRequest {
  bool BySlideshow = false;  // rbSlideShow; otherwise rbDir
  QString SlideshowName;     // cbSlideShow
  QString Folder;            // edtDir
  bool FolderList = true;    // chkDirList
  bool BgmList = true;       // chkBGMList
  bool Overwrite = false;    // rbWrite; otherwise rbAdd
  bool DeleteSame = false;   // chkDelSame
};

// What the main window does around an import.
struct ImportHooks {
  std::function<void()> ShowFolderTab;
  std::function<void()> ShowBgmTab;
  // Rows or the current row of a list changed: rows, checks, header, buttons.
  std::function<void()> FolderListChanged;
  std::function<void()> BgmListChanged;
  // The folder list ended up empty: the preview shows the start hint.
  std::function<void()> FolderListEmptied;
  // The list commands' "remove duplicates" (with its message).
  std::function<void()> RemoveFolderDuplicates;
  std::function<void()> RemoveBgmDuplicates;
};

struct ImportReport {
  bool Done = false;       // false: refused with a message, nothing changed
  int FoldersTaken = 0;
  int FoldersSkipped = 0;  // missing, without images, or outside the data folder
  int BgmsTaken = 0;
  int BgmsSkipped = 0;
};

// The folder Quillet installs itself into on this platform.
inline const QString kQuilletDefaultFolder = QStringLiteral("/opt/Tavenor/Quillet");

// The import folder offered when the dialog first opens: the stored one if
// set, otherwise Quillet's default folder; empty unless it exists.
QString DefaultImportFolder(const QString& storedImportFolder,
                            const QString& quilletFolder = kQuilletDefaultFolder);

// The slideshows the list can be taken from: every name but the current one.
QStringList ImportableSlideshows(const QStringList& catalog, const QString& currentName);

// Checks the source, then imports. Refusals are information messages; on
// success it ends with "インポートを終了しました。". The caller stores the
// import folder in the settings.
ImportReport ImportLists(SlideshowLibrary& library, const ImportRequest& request, UserDialogs& dialogs,
                         const ImportHooks& hooks);
