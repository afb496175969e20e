#include "platform/RunMode.h"

#include <QFileInfo>

#include "platform/IniFile.h"
#include "platform/MountInfo.h"
#include "platform/Paths.h"

QString WorkIniPath(const QString& programFolder) {
  return WithTrailingSeparator(ParentPart(WithoutTrailingSeparator(programFolder))) +
         QStringLiteral("Work.ini");
}

RunModeDecision DecideRunMode(const QString& programFolder, const QString& mountInfo) {
  RunModeDecision decision;
  const IniFile workIni(WorkIniPath(programFolder));
  decision.ParentName = workIni.ReadString(QStringLiteral("Work"), QStringLiteral("ParentName"), QString());
  if (!decision.ParentName.isEmpty()) {
    decision.Mode = RunMode::CdMaking;
    return decision;
  }
  QString canonical = QFileInfo(programFolder).canonicalFilePath();
  if (canonical.isEmpty()) canonical = WithoutTrailingSeparator(programFolder);
  if (IsOpticalDiscFileSystem(MountFileSystemType(mountInfo, canonical))) decision.Mode = RunMode::CdPlay;
  return decision;
}

RunModeDecision DecideRunMode(const QString& programFolder) {
  return DecideRunMode(programFolder, ReadSystemMountInfo());
}
