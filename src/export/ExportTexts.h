#pragma once
// The words of the video export, kept in one place.
#include <QString>

inline const QString kExportMenuCaption = QStringLiteral("動画ファイルに書き出す(&V)...");
inline const QString kExportDialogTitle = QStringLiteral("動画ファイルに書き出す");
inline const QString kExportProgressText = QStringLiteral("動画ファイルに書き出しています");
inline const QString kExportNoPictures =
    QStringLiteral("書き出す画像がありません。\rフォルダリストに画像のあるフォルダを追加してください。");
inline const QString kExportBadName =
    QStringLiteral("動画ファイルの名前は「.mp4」か「.webm」で終わるようにしてください。");
inline const QString kExportBadSize = QStringLiteral("動画の大きさは 16×16 から 7680×4320 までです。");
inline const QString kExportCannotWrite = QStringLiteral("動画ファイルを書き込めませんでした。\r%1\r%2");
inline const QString kExportFailed = QStringLiteral("動画ファイルの書き出しに失敗しました。\r%1");
inline const QString kExportDone = QStringLiteral("動画ファイルを書き出しました。\r%1");
inline const QString kExportSkippedHeader = QStringLiteral("書き出せなかったファイル:");
inline const QString kExportNoFolder = QStringLiteral("フォルダがありません");
