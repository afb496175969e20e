#pragma once
// The texts of the slideshow start: progress window and selection messages.
#include <QString>

inline const QString kNoMarkedFolderText = QStringLiteral(
    "スライドショーを実行するためのリストが作成できませんでした。\rフォルダリストの「フォルダ名」のチェックが全て外れています。\r1つ以上のチェックが必要です。");
inline const QString kListProgressTitle = QStringLiteral("■リストの作成■");
inline const QString kBgmListProgressText = QStringLiteral("BGMリストを作成しています。");
inline const QString kImageListProgressText = QStringLiteral("画像リストを作成しています。");
inline const QString kMakingListText = QStringLiteral("Making List...");

inline const QString kBgmFromSelectedPrefix = QStringLiteral("[BGM]が[昇順（選択位置から）] ");
inline const QString kBgmLoopPrefix = QStringLiteral("[BGM]が[ループ] ");
inline const QString kFolderFromSelectedPrefix = QStringLiteral("[フォルダ]が[昇順（選択位置から）] ");
inline const QString kFolderLoopPrefix = QStringLiteral("[フォルダ]が[ループ] ");
inline const QString kBgmListSubject = QStringLiteral("BGMリスト");
inline const QString kFolderListSubject = QStringLiteral("フォルダリスト");

inline const QString kManySelectedProblem = QStringLiteral("の選択項目が複数あります。");
inline const QString kNoneSelectedProblem = QStringLiteral("の項目が選択されていません。");
inline const QString kSelectedUncheckedProblem = QStringLiteral("の選択項目にチェックがありません。");
inline const QString kSelectOneHint = QStringLiteral("※ 実行するためには、どれか一つを選択してください。");
inline const QString kCheckSelectedHint = QStringLiteral("※ 実行するためには、選択項目にチェックを付けてください。");
