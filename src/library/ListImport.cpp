#include "library/ListImport.h"

#include <QDir>

#include "library/LibraryPaths.h"
#include "library/ListFiles.h"
#include "library/SlideshowLibrary.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"

namespace {

const QString kNoSlideshow =
    QStringLiteral("指定のスライドショーは存在しません。\r改めて別のスライドショーを選択して下さい。");
const QString kNoFolder = QStringLiteral("指定のフォルダは存在しません。\r改めて「参照」ボタンで選択して下さい。");
const QString kSlideshowWithoutLists =
    QStringLiteral("指定のスライドショーにはリストが存在しません。\r改めて別のスライドショーを選択して下さい。");
const QString kFolderWithoutLists =
    QStringLiteral("指定のフォルダにはリストが存在しません。\r改めて「参照」ボタンで選択して下さい。");
const QString kNoFolderList = QStringLiteral("フォルダリストはありません。");
const QString kNoBgmList = QStringLiteral("BGMリストはありません。");
const QString kNothingChecked =
    QStringLiteral("対象リストの両方にチェックがありません。\rインポート対象のリストにチェックを入れて下さい。");
const QString kImportDone = QStringLiteral("インポートを終了しました。");

QString SourceFolder(const SlideshowLibrary& library, const ImportRequest& request) {
  if (!request.BySlideshow) return request.Folder;
  if (!IsValidSlideshowName(request.SlideshowName)) return QString();
  return WithoutTrailingSeparator(SlideshowFolderPath(library.ProgramFolder(), request.SlideshowName));
}

// The place a first field of a list file names: an absolute path as it
// stands (with "." and ".." steps resolved), a relative one inside the
// source's data folder. Empty when a relative path would leave that folder.
QString ImportedPath(const QString& field, const QString& dataFolder) {
  if (HasDrivePart(field)) {
    return field.startsWith(kPathSeparator) ? QDir::cleanPath(field) : field;
  }
  const QString relative = NativeListPath(field);
  if (!StaysInsideDataFolder(relative)) return QString();
  return WithoutTrailingSeparator(JoinPath(dataFolder, relative));
}

template <typename Keep>
void ReadRows(const QString& listFile, const QString& dataFolder, UserDialogs& dialogs, QList<ListEntry>& into,
              int& taken, int& skipped, Keep keep) {
  for (const QStringList& fields : ReadListFileRecords(listFile)) {
    const QString field = fields.value(0);
    const QString path = field.isEmpty() ? QString() : ImportedPath(field, dataFolder);
    if (!path.isEmpty() && keep(path)) {
      into.append(ListEntry{true, NamePart(path), ParentPart(path)});
      ++taken;
    } else {
      ++skipped;
    }
    dialogs.ProcessPendingMessages();
  }
}

void Run(const std::function<void()>& hook) {
  if (hook) hook();
}

}  // namespace

QString DefaultImportFolder(const QString& storedImportFolder, const QString& quilletFolder) {
  const QString folder = storedImportFolder.isEmpty() ? quilletFolder : storedImportFolder;
  return FolderExists(folder) ? folder : QString();
}

QStringList ImportableSlideshows(const QStringList& catalog, const QString& currentName) {
  QStringList names;
  for (const QString& name : catalog)
    if (name != currentName) names.append(name);
  return names;
}

ImportReport ImportLists(SlideshowLibrary& library, const ImportRequest& request, UserDialogs& dialogs,
                         const ImportHooks& hooks) {
  ImportReport report;
  const QString source = SourceFolder(library, request);
  const QString dirFile = JoinPath(source, kFolderListName);
  const QString bgmFile = JoinPath(source, kBgmListName);
  if (source.isEmpty() || !FolderExists(source)) {
    dialogs.ShowInformation(request.BySlideshow ? kNoSlideshow : kNoFolder);
    return report;
  }
  const bool hasDir = FileExists(dirFile);
  const bool hasBgm = FileExists(bgmFile);
  if (!hasDir && !hasBgm) {
    dialogs.ShowInformation(request.BySlideshow ? kSlideshowWithoutLists : kFolderWithoutLists);
    return report;
  }
  if (request.FolderList && !hasDir) {
    dialogs.ShowInformation(kNoFolderList);
    return report;
  }
  if (request.BgmList && !hasBgm) {
    dialogs.ShowInformation(kNoBgmList);
    return report;
  }
  if (!request.FolderList && !request.BgmList) {
    dialogs.ShowInformation(kNothingChecked);
    return report;
  }

  if (request.FolderList) {
    Run(hooks.ShowFolderTab);
    FolderList& folders = library.Folders();
    if (request.Overwrite) folders.clear();
    ReadRows(dirFile, JoinPath(source, kImageDataFolderName), dialogs, folders, report.FoldersTaken,
             report.FoldersSkipped,
             [](const QString& folder) { return FolderExists(folder) && FolderHasImages(folder, FolderContent::Images); });
    if (!folders.isEmpty()) {
      library.SetCurrentFolderIndex(0);
      Run(hooks.FolderListChanged);
      library.BuildCurrentFolderImages();
    } else {
      library.ClearCurrentFolderImages();
      Run(hooks.FolderListEmptied);
    }
    if (request.DeleteSame) Run(hooks.RemoveFolderDuplicates);
    Run(hooks.FolderListChanged);
  }

  if (request.BgmList) {
    Run(hooks.ShowBgmTab);
    BgmList& bgms = library.Bgms();
    if (request.Overwrite) bgms.clear();
    ReadRows(bgmFile, JoinPath(source, kMusicDataFolderName), dialogs, bgms, report.BgmsTaken, report.BgmsSkipped,
             [](const QString& file) { return FileExists(file); });
    library.SetCurrentBgmIndex(bgms.isEmpty() ? -1 : 0);
    if (request.DeleteSame) {
      Run(hooks.BgmListChanged);
      Run(hooks.RemoveBgmDuplicates);
    }
    Run(hooks.BgmListChanged);
  }

  dialogs.ShowInformation(kImportDone);
  report.Done = true;
  return report;
}
