#include "library/ListEditTexts.h"

namespace {
bool IsFolders(ListKind kind) { return kind == ListKind::Folders; }
}  // namespace

QString DuplicateSearchText(ListKind kind) {
  return IsFolders(kind) ? QStringLiteral("フォルダリストの重複項目を調べています。")
                         : QStringLiteral("BGMリストの重複項目を調べています。");
}

QString DuplicatesRemovedMessage(ListKind kind, int count) {
  QString text = kListEditCaption + QStringLiteral("\r\r");
  if (count == 0)
    return text + (IsFolders(kind) ? QStringLiteral("重複フォルダはありませんでした。")
                                   : QStringLiteral("重複BGMはありませんでした。"));
  return text + QString::number(count) +
         (IsFolders(kind) ? QStringLiteral("個の重複フォルダを削除しました。")
                          : QStringLiteral("個の重複BGMを登録から削除しました。"));
}

QString DeleteDataRowMessage(ListKind kind) {
  return (IsFolders(kind) ? QStringLiteral("この画像フォルダはデータフォルダ（IMG）内にあります。")
                          : QStringLiteral("このBGMはデータフォルダ（BGM）内にあります。")) +
         QStringLiteral("\rリスト項目を選択して右クリック→[データフォルダから削除]を使用してください。");
}

QString DeleteDataRowsMessage(ListKind kind) {
  return (IsFolders(kind) ? QStringLiteral("これらの画像フォルダはデータフォルダ（IMG）内にあります。")
                          : QStringLiteral("これらのBGMはデータフォルダ（BGM）内にあります。")) +
         QStringLiteral("\rリスト項目を選択して右クリック→[データフォルダから削除]を使用してください。");
}

QString DeleteMixedRowsMessage(ListKind kind) {
  return (IsFolders(kind) ? QStringLiteral("選択項目にはデータフォルダ（IMG）内の画像フォルダが含まれています。")
                          : QStringLiteral("選択項目にはデータフォルダ（BGM）内のBGMが含まれています。")) +
         QStringLiteral("\r先にデータフォルダ内の実データを削除する必要があります。\r\r"
                        "まずリストの[場所]欄が[データフォルダ]の項目を選択して、\r"
                        "右クリック→[データフォルダから削除]を使用してください。\r"
                        "その後に残りの項目を選択してリストの[削除]ボタンで削除できます。");
}

QString ClearDataRowsMessage(ListKind kind) {
  return (IsFolders(kind) ? QStringLiteral("データフォルダ（IMG）内の画像フォルダが含まれています。")
                          : QStringLiteral("データフォルダ（BGM）内のBGMが含まれています。")) +
         QStringLiteral("\r先にデータフォルダ内の実データを削除する必要があります。\r\r"
                        "まずリストの[場所]欄が[データフォルダ]の項目を選択して、\r"
                        "右クリック→[データフォルダから削除]を使用してください。\r"
                        "その後にリストの[クリア]ボタンを実行できます。");
}

QString ClearConfirmation(ListKind kind) {
  return (IsFolders(kind) ? QStringLiteral("フォルダリスト") : QStringLiteral("BGMリスト")) +
         QStringLiteral("の項目を全て削除します。\rよろしいですか？");
}

QString ListHeaderText(ListKind kind, int total, int checked, int selected) {
  return (IsFolders(kind) ? QStringLiteral("フォルダ名") : QStringLiteral("ファイル名")) +
         QStringLiteral(" (合計:%1 チェック:%2 選択:%3)").arg(total).arg(checked).arg(selected);
}
