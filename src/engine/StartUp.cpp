#include "engine/StartUp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "library/LibraryPaths.h"
#include "library/LibraryTexts.h"
#include "library/ListFiles.h"
#include "library/SlideshowLibrary.h"
#include "platform/Paths.h"
#include "platform/Random.h"

namespace {

bool SlideshowFolderExists(const QString& programFolder, const QString& name) {
  return IsValidSlideshowName(name) && FolderExists(SlideshowFolderPath(programFolder, name));
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine c;
  c.AutoStart = !arguments.isEmpty() && arguments[0] == QStringLiteral("/autostart");
  if (c.AutoStart && arguments.size() >= 2) {
    c.HasSlideshowName = true;
    c.SlideshowName = arguments[1];
  }
  return c;
}

QString ProgramFolderStatusText(const QString& programFolderWithoutSeparator) {
  return QStringLiteral("プログラムの場所： ") + programFolderWithoutSeparator;
}

CatalogFill FillSlideshowCatalog(const QString& programFolder, RunMode mode, const QString& lastSlideShowName) {
  CatalogFill fill;
  for (const QString& name : ReadSlideshowCatalogFile(SlideshowCatalogPath(programFolder))) {
    if (SlideshowFolderExists(programFolder, name)) fill.Names.append(name);
  }
  fill.LastSlideShowName = lastSlideShowName;
  if (!fill.Names.isEmpty()) {
    // Matched ignoring case, loaded with the spelling of the folder's own name.
    const qsizetype found = fill.Names.indexOf(lastSlideShowName);
    qsizetype match = found;
    for (qsizetype i = 0; match < 0 && i < fill.Names.size(); ++i) {
      if (fill.Names[i].compare(lastSlideShowName, Qt::CaseInsensitive) == 0) match = i;
    }
    fill.LastSlideShowName = fill.Names[match < 0 ? 0 : match];
  }
  if (mode == RunMode::CdPlay) {
    if (!fill.Names.isEmpty()) fill.LastSlideShowName = fill.Names.first();
    fill.HideSlideshowTab = fill.Names.size() < 2;
    fill.HideSlideshowButtons = !fill.HideSlideshowTab;
  }
  return fill;
}

void LegacyListMigration(SlideshowLibrary& library, const QString& lastSlideShowName) {
  // A disc is read-only: its lists stay where they are.
  if (library.Mode() == RunMode::CdPlay) {
    library.LoadSlideshow(lastSlideShowName);
    return;
  }
  const QString programFolder = library.ProgramFolder();
  const QString oldFolderList = programFolder + kFolderListName;
  const QString oldBgmList = programFolder + kBgmListName;
  if (!QFileInfo::exists(oldFolderList) && !QFileInfo::exists(oldBgmList)) {
    library.LoadSlideshow(lastSlideShowName);
    return;
  }
  const QString folder = WithoutTrailingSeparator(SlideshowFolderPath(programFolder, kLegacySlideshowName));
  if (QFileInfo::exists(folder)) {
    library.LoadSlideshow(QString());
    return;
  }
  CreateFolder(folder);
  int moved = 0;
  for (const QString& file : {oldFolderList, oldBgmList}) {
    if (QFileInfo::exists(file) && QFile::rename(file, folder + kPathSeparator + NamePart(file))) ++moved;
  }
  // The old options file does not fit the new layout and is dropped.
  const QString oldOptions = programFolder + kSlideIniName;
  if (QFileInfo::exists(oldOptions)) QFile::remove(oldOptions);

  if (moved > 0) {
    library.LoadSlideshow(kLegacySlideshowName);
    return;
  }
  if (QFileInfo::exists(folder)) QDir().rmdir(folder);
  library.LoadSlideshow(QString());
}

void LoadStartUpSlideshow(SlideshowLibrary& library, const CommandLine& commandLine,
                          const QString& settingsVersion, const QString& lastSlideShowName) {
  if (commandLine.AutoStart && commandLine.HasSlideshowName) {
    // A name that is not a slideshow folder of the library loads nothing.
    if (SlideshowFolderExists(library.ProgramFolder(), commandLine.SlideshowName)) {
      library.LoadSlideshow(commandLine.SlideshowName);
    }
    return;
  }
  if (settingsVersion != kCurrentSettingsVersion) {
    LegacyListMigration(library, lastSlideShowName);
    return;
  }
  library.LoadSlideshow(lastSlideShowName);
}

bool ShouldAutoStart(const AppSettings& settings, const CommandLine& commandLine, RunMode mode) {
  return (settings.AutoStart || commandLine.AutoStart) && mode != RunMode::CdMaking;
}

StartUpContext RunStartUpSequence(StartUpWindow& window, SlideshowLibrary& library, const QStringList& arguments,
                                  const std::optional<QString>& mountInfo) {
  StartUpContext context;
  context.ProgramFolder = library.ProgramFolder();
  context.Arguments = ParseCommandLine(arguments);

  window.CreateWorkingObjects();
  context.RunMode =
      mountInfo ? DecideRunMode(context.ProgramFolder, *mountInfo) : DecideRunMode(context.ProgramFolder);
  library.SetRunMode(context.RunMode.Mode);
  window.SetReady(false);
  context.Settings = ReadAppSettings(context.ProgramFolder);
  window.ApplyRunMode(context);
  ReseedRandom();
  window.ArrangeOptionsPage();
  window.BuildFilterTables();
  window.CollapseAndPlace(context.RunMode.Mode);
  window.SetReady(true);
  window.ShowProgramFolder(WithoutTrailingSeparator(context.ProgramFolder));

  context.Catalog =
      FillSlideshowCatalog(context.ProgramFolder, context.RunMode.Mode, context.Settings.LastSlideShowName);
  library.SetCatalog(context.Catalog.Names);
  window.ApplyCatalog(context.Catalog);

  LoadStartUpSlideshow(library, context.Arguments, context.Settings.Ver, context.Catalog.LastSlideShowName);
  return context;
}
