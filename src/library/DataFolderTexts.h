#pragma once
// The texts of the data-folder commands (UTF-8; "\r" is a line break).
#include <QString>

inline const QString kDataFolderCaption = QStringLiteral("■データフォルダの編集■");
inline const QString kDataFolderHeader = QStringLiteral("■データフォルダの編集■\r\r");
inline const QString kCopyAlsoChangesListText = QStringLiteral("また、リストの場所欄もデータフォルダに変更します。");
inline const QString kAskProceedText = QStringLiteral("よろしいですか？");
inline const QString kCopyingText = QStringLiteral("コピーしています。");
inline const QString kDeletingText = QStringLiteral("削除しています。");

// The texts that differ between the four commands.
struct DataFolderCommandTexts {
  QString Announcement;
  QString Completion;
  QString PartialOpening;
  QString DoneText;
  QString SkippedText;
  QString FailedText;
};

inline DataFolderCommandTexts CopyFoldersTexts() {
  return {QStringLiteral("個の画像フォルダを画像用のデータフォルダ（IMG）へコピーします。"),
          QStringLiteral("個の画像フォルダをデータフォルダ（IMG）へコピーしました。"),
          QStringLiteral("個の画像フォルダの内、"),
          QStringLiteral("個をデータフォルダ（IMG）へコピーしました。"),
          QStringLiteral("個はすでに同名のフォルダが存在しているため、リストのみ更新しました。"),
          QStringLiteral("個はコピーできませんでした。")};
}

inline DataFolderCommandTexts CopyMusicTexts() {
  return {QStringLiteral("個のBGMファイルを音楽用のデータフォルダ（BGM）へコピーします。"),
          QStringLiteral("個のBGMファイルをデータフォルダ（BGM）へコピーしました。"),
          QStringLiteral("個のBGMファイルの内、"),
          QStringLiteral("個をデータフォルダ（BGM）へコピーしました。"),
          QStringLiteral("個はすでに同名のファイルが存在しているため、リストのみ更新しました。"),
          QStringLiteral("個はコピーできませんでした。")};
}

inline DataFolderCommandTexts DeleteFoldersTexts() {
  return {QStringLiteral("個の画像フォルダを画像用のデータフォルダ（IMG）から削除します。"),
          QStringLiteral("個の画像フォルダをデータフォルダ（IMG）から削除しました。"),
          QStringLiteral("個の画像フォルダの内、"),
          QStringLiteral("個をデータフォルダ（IMG）から削除しました。"),
          QStringLiteral("個はすでに存在しないため、リストのみ更新しました。"),
          QStringLiteral("個は削除できませんでした。")};
}

inline DataFolderCommandTexts DeleteMusicTexts() {
  return {QStringLiteral("個のBGMファイルを音楽用のデータフォルダ（BGM）から削除します。"),
          QStringLiteral("個のBGMファイルをデータフォルダ（BGM）から削除しました。"),
          QStringLiteral("個のBGMファイルの内、"),
          QStringLiteral("個をデータフォルダ（BGM）から削除しました。"),
          QStringLiteral("個はすでに存在しないため、リストのみ更新しました。"),
          QStringLiteral("個は削除できませんでした。")};
}

// "\r同時に" + count + "個のアートワークファイルもコピーしました。"
inline QString ArtworkCopiedText(int count) {
  return QStringLiteral("\r同時に%1個のアートワークファイルもコピーしました。").arg(count);
}
