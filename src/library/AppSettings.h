#pragma once
// The application settings kept in ProgramFolder + "App.ini".
#include <QString>
#include <QStringList>

class UserDialogs;

inline const QString kCurrentSettingsVersion = QStringLiteral("1.3");

struct AppSettings {
  QString Ver = QStringLiteral("0");  // [App] Ver: layout version of the file read
  bool AutoStart = false;             // [Option] AutoStart
  bool NoSaver = true;                // [Option] NoSaver
  int WMPVol = 50;                    // [Env] WMPVol, 0..100
  QString QuilletDir;                 // [Import] QuilletDir
  QStringList RecentWorkFolders;      // [Work] 1, 2, ...: most recent first
  QString LastSlideShowName;          // [SlideShow] LastSlideShowName
};

inline constexpr int kRecentWorkFolderKeys = 10;

// Never fails: a missing or malformed file gives the defaults. Recent work
// folders are read up to the first empty key and kept only if they exist.
AppSettings ReadAppSettings(const QString& programFolder);

// Writes every key (Ver as given in settings) and exactly ten work-folder
// keys. On failure shows "%s に書き込めません" and leaves the old file.
bool WriteAppSettings(const QString& programFolder, const AppSettings& settings, UserDialogs& dialogs);

// True when a settings version compares lower than "1.3" character by
// character (a missing version, read as "0", is older).
bool IsOlderSettingsVersion(const QString& ver);
