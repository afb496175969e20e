#include "library/HelpDocuments.h"

#include "platform/Paths.h"
#include "platform/UserDialogs.h"

bool OpenProgramDocument(const QString& programFolder, const QString& fileName, UserDialogs& dialogs,
                         const std::function<bool(const QString& path)>& open) {
  const QString path = JoinPath(programFolder, fileName);
  if (!FileExists(path)) {
    dialogs.ShowInformation(QStringLiteral("次のファイルが見つかりません。\r\r") + path);
    return false;
  }
  if (open && open(path)) return true;
  dialogs.ShowInformation(QStringLiteral("次のファイルを開けませんでした。\r\r") + path);
  return false;
}
