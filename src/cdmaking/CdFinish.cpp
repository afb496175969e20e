#include "cdmaking/CdFinish.h"

#include "cdmaking/CdMakingTexts.h"
#include "cdmaking/ShellLauncher.h"
#include "library/LibraryPaths.h"
#include "library/ListFiles.h"
#include "library/SlideshowLibrary.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"

namespace {

void CountListFile(const QString& path, int& notCopied, int& notChecked, UserDialogs* dialogs) {
  for (const QStringList& fields : ReadListFileRecords(path)) {
    if (fields.size() == 1 && fields[0].isEmpty()) continue;
    if (HasDrivePart(fields.value(0))) ++notCopied;
    if (fields.size() >= 2 && fields[1] == QStringLiteral("0")) ++notChecked;
    if (dialogs) dialogs->ProcessPendingMessages();
  }
}

QString CountLine(const char* label, int count) {
  return QString::fromUtf8(label) + QString::number(count) + QStringLiteral("項目");
}

}  // namespace

CdListFindings CountCdListFindings(const QString& slideshowFolder, UserDialogs* dialogs) {
  CdListFindings f;
  CountListFile(slideshowFolder + kFolderListName, f.FoldersNotCopied, f.FoldersNotChecked, dialogs);
  CountListFile(slideshowFolder + kBgmListName, f.MusicNotCopied, f.MusicNotChecked, dialogs);
  return f;
}

QStringList CdListReport(const QString& programFolder, UserDialogs* dialogs) {
  QStringList report;
  for (const QString& name : ReadSlideshowCatalogFile(SlideshowCatalogPath(programFolder))) {
    const CdListFindings f = CountCdListFindings(SlideshowFolderPath(programFolder, name), dialogs);
    if (!f.Any()) continue;
    report.append(QStringLiteral("**") + name + QStringLiteral("**"));
    if (f.FoldersNotCopied) report.append(CountLine("フォルダリスト未コピー： ", f.FoldersNotCopied));
    if (f.FoldersNotChecked) report.append(CountLine("フォルダリスト未チェック： ", f.FoldersNotChecked));
    if (f.MusicNotCopied) report.append(CountLine("BGMリスト未コピー： ", f.MusicNotCopied));
    if (f.MusicNotChecked) report.append(CountLine("BGMリスト未チェック： ", f.MusicNotChecked));
    report.append(QString(51, u'-'));
  }
  return report;
}

bool CheckCdLists(SlideshowLibrary& library, UserDialogs& dialogs, CdFinishDialogs& finish) {
  library.SaveFolderList();
  library.SaveBgmList();
  library.SaveCatalog();
  const QStringList report = CdListReport(library.ProgramFolder(), &dialogs);
  if (report.isEmpty()) return true;
  finish.ShowListReport(report);
  return false;
}

bool FinishCdMaking(SlideshowLibrary& library, UserDialogs& dialogs, CdFinishDialogs& finish, ShellLauncher& shell) {
  // A finished CD starts from its beginning.
  SlideshowOptions& options = library.Options();
  options.LastPlayName.clear();
  options.LastPlayDir.clear();
  options.LastPlayBGM.clear();

  const CdEndChoice choice = finish.AskEndOfWork();
  if (choice == CdEndChoice::Cancelled) return false;
  if (choice == CdEndChoice::InProgress) return true;
  if (!CheckCdLists(library, dialogs, finish)) return false;
  if (!dialogs.AskYesNo(kFinishOptionsQuestion)) return false;
  dialogs.ShowInformation(kFinishOpenCdFolderText);
  shell.OpenFolder(WithoutTrailingSeparator(library.ProgramFolder()));
  return true;
}
