#pragma once
// The texts of the list tabs: dialogs, messages, headers and context-menu
// captions ("\r" is a line break).
#include <QString>

#include "library/ListKind.h"

inline const QString kListEditCaption = QStringLiteral("■リストの編集■");
inline const QString kDropProgressText = QStringLiteral("リストに登録しています。");

inline const QString kAddFolderDialogTitle =
    QStringLiteral("追加（フォルダリスト） - 画像ファイルを選択して 「開く」 ボタンでフォルダを追加します");
inline const QString kAddFolderDialogFilter = QStringLiteral(
    "すべての画像ファイル(*.jpg;*.jpeg;*.jpe;*.bmp;*.gif;*.png)|*.jpg;*.jpeg;*.jpe;*.bmp;*.gif;*.png|"
    "JPEG(*.jpg;*.jpeg;*.jpe)|*.jpg;*.jpeg;*.jpe|ビットマップ(*.bmp)|*.bmp|GIF(*.gif)|*.gif|PNG(*.png)|*.png");
inline const QString kAddMusicDialogTitle = QStringLiteral(
    "追加（BGMリスト） - 音楽ファイルを選択して 「開く」 ボタンで追加します（複数選択可能）");
inline const QString kAddMusicDialogFilter = QStringLiteral(
    "すべての音楽ファイル(*.mp3;*.wav,*.mid;*.wma)|*.mp3;*.wav;*.mid;*.wma|MP3(*.mp3)|*.mp3|"
    "WAV(*.wav)|*.wav|MIDI(*.mid)|*.mid|WMA(*.wma)|*.wma");

// The progress text while duplicates are looked for.
QString DuplicateSearchText(ListKind kind);
// The message after duplicates were removed (count 0: none found).
QString DuplicatesRemovedMessage(ListKind kind, int count);
// The CD-making refusals of delete: one data-folder row, several, or a mix.
QString DeleteDataRowMessage(ListKind kind);
QString DeleteDataRowsMessage(ListKind kind);
QString DeleteMixedRowsMessage(ListKind kind);
// The CD-making refusal of clear and the confirmation of clear.
QString ClearDataRowsMessage(ListKind kind);
QString ClearConfirmation(ListKind kind);

// "フォルダ名 (合計:3 チェック:2 選択:1)" or the same with "ファイル名".
QString ListHeaderText(ListKind kind, int total, int checked, int selected);
