#include "music/MusicFailureReport.h"

#include "platform/UserDialogs.h"

QString MusicFailureText(const QString& path, const QString& detail) {
  QString text = path + QStringLiteral("\r\r") + QStringLiteral("上記の音楽ファイルを再生できません。次の曲に進みます。");
  if (!detail.isEmpty()) text += QStringLiteral("\r\r(") + detail + QStringLiteral(")");
  return text;
}

void ReportMusicFailure(UserDialogs& dialogs, const QString& path, const QString& detail) {
  dialogs.ShowError(MusicFailureText(path, detail));
}
