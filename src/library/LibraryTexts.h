#pragma once
// The texts the library shows to the user (UTF-8; "\r" is a line break).
#include <QString>

// "%s に書き込めません" with the path.
QString CannotWriteMessage(const QString& path);

inline const QString kStartHintText = QStringLiteral(
    "[詳細オプション]ボタン→[フォルダリスト]タブ→[追加]ボタンで、リストを作成して下さい。\r\r"
    "[エクスプローラ]ボタンでドラッグ＆ドロップ追加も可能です。\r\r"
    "また、[ファイル]メニュー→[リストのインポート]で、関連ソフト「Quillet」のリストも利用できます。");

// The message for a folder row whose folder holds no images any more.
QString NoImagesInFolderMessage(const QString& path);

inline const QString kCurrentSlideshowLabelPrefix = QStringLiteral("現在のスライドショー ： ");
inline const QString kUntitledBaseName = QStringLiteral("無題");
inline const QString kLegacySlideshowName = QStringLiteral("旧バージョンのスライドショー");
