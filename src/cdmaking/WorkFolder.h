#pragma once
// The CD work folder: its creation from the normal program (a CD folder with
// a copy of the program and the chosen slideshows' lists and options, and
// Work.ini naming the parent program), the list of recent work folders, and
// the hand-over between the parent program and its work copies.
#include <QString>
#include <QStringList>
#include <functional>

class ShellLauncher;
class UserDialogs;

// What the user filled in the work folder dialog.
struct WorkFolderRequest {
  QString Location;
  QString Name;
  bool UseSlideshows = false;
  QStringList CheckedSlideshows;  // the checked names, in slideshow-list order
};

// The running program the copy is made from.
struct WorkFolderSource {
  QString ProgramFolder;    // with a trailing separator
  QString ProgramFilePath;  // the running executable (becomes ParentName)
  // Saves the current slideshow and App.ini before they are copied.
  std::function<void()> SaveCurrentSlideshowAndSettings;
};

enum class WorkFolderOutcome {
  Created,        // the copy may be started
  FieldsMissing,  // a field is empty; the dialog stays open
  FolderExists,   // the dialog stays open with the name field focused
  Stopped,        // reported; the dialog stays open
};

inline const QString kCdFolderName = QStringLiteral("CD");
inline const QString kWorkIniName = QStringLiteral("Work.ini");

// location + separator + name; a trailing separator of location is not doubled.
QString WorkFolderPath(const QString& location, const QString& name);
// The program copy in a work folder's CD folder.
QString WorkCopyProgramPath(const QString& workFolder, const QString& programFileName);
// The files, relative to the program folder, that go into the CD folder when
// present: the program, its optional companions, and for each chosen
// slideshow its lists and options, then App.ini.
QStringList WorkFolderFileList(const QString& programFileName, const QStringList& slideshows);

// Checks the fields, makes WorkFolder/CD, copies the files, writes the CD's
// SlideShow.dat and Work.ini, telling the user of every refusal. workFolder
// receives the folder made.
WorkFolderOutcome CreateWorkFolder(const WorkFolderRequest& request, const WorkFolderSource& source,
                                   UserDialogs& dialogs, QString* workFolder);

// folder in front, later equal entries removed, at most ten kept.
QStringList InsertRecentWorkFolder(QStringList folders, const QString& folder);

// "CDの編集(&C)": asks and starts the work copy in folder; true when the main
// window must close. Nothing happens when the copy is gone; a copy that does
// not start keeps this program open.
bool OpenWorkFolder(const QString& workFolder, const QString& programFileName, UserDialogs& dialogs,
                    ShellLauncher& shell);

// "親（通常モード）へ切り替え(&P)": asks and starts the parent program; true
// when the main window must close. Nothing happens when the parent is gone.
bool SwitchToParent(const QString& parentProgramPath, UserDialogs& dialogs, ShellLauncher& shell);
