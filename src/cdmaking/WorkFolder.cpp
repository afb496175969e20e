#include "cdmaking/WorkFolder.h"

#include <QFileInfo>

#include "cdmaking/CdMakingTexts.h"
#include "cdmaking/ShellLauncher.h"
#include "library/AppSettings.h"
#include "library/DataFolderFiles.h"
#include "library/LibraryPaths.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "platform/UserDialogs.h"

namespace {

// The help page takes the place of a compiled help file on this platform.
const QString kHelpFileName = QStringLiteral("Brinmoraヘルプ.html");

bool IsBlank(const QString& text) { return text.trimmed().isEmpty(); }

}  // namespace

QString WorkFolderPath(const QString& location, const QString& name) {
  return WithTrailingSeparator(location) + name;
}

QString WorkCopyProgramPath(const QString& workFolder, const QString& programFileName) {
  return WithTrailingSeparator(workFolder) + kCdFolderName + kPathSeparator + programFileName;
}

QStringList WorkFolderFileList(const QString& programFileName, const QStringList& slideshows) {
  QStringList files = {programFileName, programFileName + QStringLiteral(".manifest"),
                       QStringLiteral("autorun.inf"), QStringLiteral("ReadMe.txt"), kHelpFileName};
  if (slideshows.isEmpty()) return files;
  const QString root = SlideshowRoot(QString());
  for (const QString& name : slideshows) {
    for (const QString& file : {kFolderListName, kBgmListName, kSlideIniName})
      files.append(root + name + kPathSeparator + file);
  }
  files.append(QStringLiteral("App.ini"));
  return files;
}

WorkFolderOutcome CreateWorkFolder(const WorkFolderRequest& request, const WorkFolderSource& source,
                                   UserDialogs& dialogs, QString* workFolderOut) {
  const bool noLocation = IsBlank(request.Location);
  const bool noName = IsBlank(request.Name);
  if (noLocation || noName) {
    dialogs.ShowInformation(noLocation && noName ? kWorkBothEmptyText
                            : noName             ? kWorkNameEmptyText
                                                 : kWorkLocationEmptyText);
    return WorkFolderOutcome::FieldsMissing;
  }
  const QString workFolder = WorkFolderPath(request.Location, request.Name);
  if (workFolderOut) *workFolderOut = workFolder;
  if (QFileInfo::exists(workFolder)) {
    dialogs.ShowInformation(WorkFolderExistsText(workFolder));
    return WorkFolderOutcome::FolderExists;
  }
  const QString cdFolder = WithTrailingSeparator(workFolder) + kCdFolderName + kPathSeparator;
  if (!CreateFolder(cdFolder)) {
    dialogs.ShowInformation(kWorkCannotCreateText);
    return WorkFolderOutcome::Stopped;
  }

  QStringList chosen;
  if (request.UseSlideshows) {
    for (const QString& name : request.CheckedSlideshows) {
      if (IsValidSlideshowName(name)) chosen.append(name);
    }
    if (chosen.isEmpty()) {
      dialogs.ShowInformation(kWorkNoSlideshowCheckedText);
      return WorkFolderOutcome::Stopped;
    }
    if (source.SaveCurrentSlideshowAndSettings) source.SaveCurrentSlideshowAndSettings();
  }

  const QString programFileName = NamePart(source.ProgramFilePath);
  for (const QString& file : WorkFolderFileList(programFileName, chosen)) {
    const QString from = source.ProgramFolder + file;
    const QString to = cdFolder + file;
    if (!FileExists(from)) continue;
    if (!CreateFolder(ParentPart(to))) continue;
    CopyFileNoOverwrite(from, to, dialogs);
    dialogs.ProcessPendingMessages();
  }

  if (request.UseSlideshows) {
    // Each chosen slideshow gets its folder even without stored lists, so
    // the copy lists it.
    for (const QString& name : chosen) CreateFolder(SlideshowFolderPath(cdFolder, name));
    WriteTextLines(SlideshowCatalogPath(cdFolder), chosen);
  }

  IniFile workIni(WithTrailingSeparator(workFolder) + kWorkIniName);
  workIni.WriteString(QStringLiteral("Work"), QStringLiteral("ParentName"), source.ProgramFilePath);
  if (!workIni.Save() || !FileExists(workIni.Path())) {
    dialogs.ShowInformation(kWorkFilesFailedText);
    return WorkFolderOutcome::Stopped;
  }
  return WorkFolderOutcome::Created;
}

QStringList InsertRecentWorkFolder(QStringList folders, const QString& folder) {
  folders.removeAll(folder);
  folders.prepend(folder);
  while (folders.size() > kRecentWorkFolderKeys) folders.removeLast();
  return folders;
}

bool OpenWorkFolder(const QString& workFolder, const QString& programFileName, UserDialogs& dialogs,
                    ShellLauncher& shell) {
  const QString target = WorkCopyProgramPath(workFolder, programFileName);
  if (!FileExists(target)) return false;
  if (!dialogs.AskYesNo(kOpenWorkFolderQuestion)) return false;
  // A copy that did not start leaves this one open.
  return shell.StartProgram(target);
}

bool SwitchToParent(const QString& parentProgramPath, UserDialogs& dialogs, ShellLauncher& shell) {
  if (parentProgramPath.isEmpty() || !FileExists(parentProgramPath)) return false;
  if (!dialogs.AskYesNo(kSwitchToParentQuestion)) return false;
  return shell.StartProgram(parentProgramPath);
}
