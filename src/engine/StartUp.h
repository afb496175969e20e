#pragma once
// The start of the process: the run mode, the application settings, the
// slideshow list and the slideshow loaded first, in a fixed order. The main
// window does its own steps (controls, menus, placement) through
// StartUpWindow; every decision is made here.
#include <QString>
#include <QStringList>
#include <optional>

#include "library/AppSettings.h"
#include "library/WindowCaption.h"
#include "platform/RunMode.h"

class SlideshowLibrary;

// The command line: "/autostart" (exact) as the first argument, optionally
// followed by the name of a slideshow.
struct CommandLine {
  bool AutoStart = false;
  bool HasSlideshowName = false;
  QString SlideshowName;
};
// arguments without the program's own path.
CommandLine ParseCommandLine(const QStringList& arguments);


// The slideshow list read at start and which name to load from it.
struct CatalogFill {
  QStringList Names;          // the names of SlideShow.dat whose folders exist
  QString LastSlideShowName;  // the name step 14 loads (may be corrected)
  // CD-play mode only: one name hides the slideshow tab; two or more hide its
  // seven management buttons.
  bool HideSlideshowTab = false;
  bool HideSlideshowButtons = false;
};
CatalogFill FillSlideshowCatalog(const QString& programFolder, RunMode mode,
                                 const QString& lastSlideShowName);

// What start-up loads: "/autostart" with a name loads that slideshow if its
// folder exists (and nothing otherwise); settings older than "1.3" migrate
// the lists an older version kept beside the program; else the last name.
void LoadStartUpSlideshow(SlideshowLibrary& library, const CommandLine& commandLine,
                          const QString& settingsVersion, const QString& lastSlideShowName);

// Moves DIR.dat and BGM.dat from beside the program into the slideshow
// "旧バージョンのスライドショー" and loads it (or a fallback, see the code).
void LegacyListMigration(SlideshowLibrary& library, const QString& lastSlideShowName);

// The slideshow starts as soon as the display window exists: AutoStart or
// "/autostart", but never in CD-making mode.
bool ShouldAutoStart(const AppSettings& settings, const CommandLine& commandLine, RunMode mode);

// Everything start-up decided; the main window keeps it for the whole process.
struct StartUpContext {
  QString ProgramFolder;
  RunModeDecision RunMode;
  AppSettings Settings;
  CommandLine Arguments;
  CatalogFill Catalog;
};

// The main window's share of start-up, called by RunStartUpSequence in order.
class StartUpWindow {
 public:
  virtual ~StartUpWindow() = default;
  // Steps 1-3: the "jpe" extension, working bitmaps and lists, the hidden tabs.
  virtual void CreateWorkingObjects() {}
  // Steps 5 and 12: handlers of the label and limit boxes do nothing while
  // the window is not ready.
  virtual void SetReady(bool ready) = 0;
  // Step 6: caption, menus, list heights and hints, context menus by mode.
  virtual void ApplyRunMode(const StartUpContext& context) = 0;
  // Step 7 seeds the random generator (done by the sequence itself).
  // Steps 8-9: the slideshow tab active, list column widths, shortcuts.
  virtual void ArrangeOptionsPage() {}
  // Step 10: the filter lookup tables.
  virtual void BuildFilterTables() {}
  // Step 11: fold the detail options in and place the window.
  virtual void CollapseAndPlace(RunMode mode) { (void)mode; }
  // Step 12: status bar panel 0 "プログラムの場所： " + folder (no trailing
  // separator), tooltip time 5000 ms.
  virtual void ShowProgramFolder(const QString& programFolderWithoutSeparator) {
    (void)programFolderWithoutSeparator;
  }
  // Step 13: the hiding decisions of the slideshow tab.
  virtual void ApplyCatalog(const CatalogFill& catalog) { (void)catalog; }
};

// "プログラムの場所： " + path.
QString ProgramFolderStatusText(const QString& programFolderWithoutSeparator);

// Steps 1-14 of the main window's creation. The library must have been made
// with the program folder; its run mode is set here.
// mountInfo replaces /proc/self/mountinfo (tests).
StartUpContext RunStartUpSequence(StartUpWindow& window, SlideshowLibrary& library,
                                  const QStringList& arguments,
                                  const std::optional<QString>& mountInfo = std::nullopt);
