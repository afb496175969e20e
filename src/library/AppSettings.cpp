#include "library/AppSettings.h"

#include <algorithm>

#include "library/LibraryPaths.h"
#include "library/LibraryTexts.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/UserDialogs.h"

namespace {
const QString kApp = QStringLiteral("App");
const QString kOption = QStringLiteral("Option");
const QString kEnv = QStringLiteral("Env");
const QString kImport = QStringLiteral("Import");
const QString kWork = QStringLiteral("Work");
const QString kSlideShow = QStringLiteral("SlideShow");
}  // namespace

AppSettings ReadAppSettings(const QString& programFolder) {
  const IniFile ini(AppSettingsPath(programFolder));
  AppSettings s;
  s.Ver = ini.ReadString(kApp, QStringLiteral("Ver"), QStringLiteral("0"));
  s.AutoStart = ini.ReadBool(kOption, QStringLiteral("AutoStart"), false);
  s.NoSaver = ini.ReadBool(kOption, QStringLiteral("NoSaver"), true);
  s.WMPVol = std::clamp(ini.ReadInteger(kEnv, QStringLiteral("WMPVol"), 50), 0, 100);
  s.QuilletDir = ini.ReadString(kImport, QStringLiteral("QuilletDir"), QString());
  for (int i = 1;; ++i) {
    const QString folder = ini.ReadString(kWork, QString::number(i), QString());
    if (folder.isEmpty()) break;
    if (FolderExists(folder)) s.RecentWorkFolders.append(folder);
  }
  s.LastSlideShowName = ini.ReadString(kSlideShow, QStringLiteral("LastSlideShowName"), QString());
  return s;
}

bool WriteAppSettings(const QString& programFolder, const AppSettings& s, UserDialogs& dialogs) {
  IniFile ini(AppSettingsPath(programFolder));
  ini.WriteString(kApp, QStringLiteral("Ver"), s.Ver);
  ini.WriteBool(kOption, QStringLiteral("AutoStart"), s.AutoStart);
  ini.WriteBool(kOption, QStringLiteral("NoSaver"), s.NoSaver);
  ini.WriteInteger(kEnv, QStringLiteral("WMPVol"), s.WMPVol);
  ini.WriteString(kImport, QStringLiteral("QuilletDir"), s.QuilletDir);
  for (int i = 0; i < kRecentWorkFolderKeys; ++i) {
    ini.WriteString(kWork, QString::number(i + 1),
                    i < s.RecentWorkFolders.size() ? s.RecentWorkFolders[i] : QString());
  }
  ini.WriteString(kSlideShow, QStringLiteral("LastSlideShowName"), s.LastSlideShowName);
  if (ini.Save()) return true;
  dialogs.ShowError(CannotWriteMessage(ini.Path()));
  return false;
}

bool IsOlderSettingsVersion(const QString& ver) {
  // Plain character comparison: "1.10" is older than "1.3", "0" too.
  return QString::compare(ver, kCurrentSettingsVersion, Qt::CaseSensitive) < 0;
}
