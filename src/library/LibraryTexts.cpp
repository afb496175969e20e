#include "library/LibraryTexts.h"

QString CannotWriteMessage(const QString& path) { return path + QStringLiteral(" に書き込めません"); }

QString NoImagesInFolderMessage(const QString& path) {
  return path + QStringLiteral("\r\r") + QStringLiteral("上記の選択フォルダ内には対応形式の画像ファイルがありません。") +
         QStringLiteral("\r") + QStringLiteral("フォルダリストの登録から削除します。");
}
