#pragma once
// The texts of CD making (UTF-8; "\r" is a line break).
#include <QString>

// The work folder dialog.
inline const QString kWorkDialogCaption = QStringLiteral("作業フォルダの作成");
inline const QString kWorkIntroText = QStringLiteral("CD作成のための作業用フォルダを作ります。");
inline const QString kWorkLocationLabel = QStringLiteral("作成場所 ：");
inline const QString kWorkNameLabel = QStringLiteral("フォルダ名 ：");
inline const QString kWorkBrowseButton = QStringLiteral("参照...");
inline const QString kWorkBrowseTitle = QStringLiteral("作業フォルダ作成場所の選択");
inline const QString kWorkUseSlideshowText = QStringLiteral("既存のスライドショーをCD作成に利用する");
inline const QString kWorkCurrentSlideshowPrefix = QStringLiteral("（現在のスライドショー ： ");
inline const QString kWorkCurrentSlideshowSuffix = QStringLiteral("）");
inline const QString kWorkNote1 = QStringLiteral("※ 作業フォルダ内へCDフォルダを作り、その中にBrinmoraの本体及び");
inline const QString kWorkNote2 = QStringLiteral("必要なファイルをコピーします。");
inline const QString kWorkNote3 = QStringLiteral("※ 作業フォルダは作成するCDと同じ空き容量が必要です。");
inline const QString kWorkCreateButton = QStringLiteral("作業フォルダを作成");
inline const QString kCancelButton = QStringLiteral("キャンセル");

inline const QString kWorkNameEmptyText = QStringLiteral("フォルダ名が空欄です。");
inline const QString kWorkLocationEmptyText = QStringLiteral("作成場所が空欄です。");
inline const QString kWorkBothEmptyText = QStringLiteral("作成場所とフォルダ名が空欄です。");
inline QString WorkFolderExistsText(const QString& path) {
  return QStringLiteral("' ") + path + QStringLiteral(" '") + QStringLiteral("\r\r") +
         QStringLiteral("上記のフォルダ名はすでに存在しているため作成できません。");
}
inline const QString kWorkCannotCreateText = QStringLiteral("作業フォルダを作成できませんでした。");
inline const QString kWorkNoSlideshowCheckedText = QStringLiteral("利用するスライドショーにチェックを入れてください。");
inline const QString kWorkCreatedText = QStringLiteral(
    "作業フォルダを作成して必要ファイルをコピーしました。\r現在使用中のBrinmoraを終了して、作業フォルダ内のBrinmoraを起動します。"
    "\r\r※ CD作成専用のCD作成モードで起動します。");
inline const QString kWorkFilesFailedText = QStringLiteral("必要ファイルを作成できませんでした。");

inline const QString kOpenWorkFolderQuestion = QStringLiteral(
    "現在使用中のBrinmoraを終了して、\r作業フォルダ内のBrinmoraをCD作成モードで起動します。\r\rよろしいですか？");
inline const QString kSwitchToParentQuestion = QStringLiteral(
    "現在使用中のCD作成モードのBrinmoraを終了して、\r元になった親のBrinmoraを起動します。\r\rよろしいですか？");

// The end dialog and the list check.
inline const QString kCloseDialogCaption = QStringLiteral("終了の確認");
inline const QString kCloseGroupTitle = QStringLiteral(" リスト作成、オプション設定は完了しましたか？ ");
inline const QString kCloseCompleteText = QStringLiteral("完了済み");
inline const QString kCloseInProgressText = QStringLiteral("作業の途中");
inline const QString kCloseNoteText = QStringLiteral(
    "※ 終了後に作業を再開したい場合は、\r通常のBrinmoraを起動して、\rメニューの [ツール] → [CD作成] → [CDの編集]\r"
    "から作業フォルダ名を選択して下さい。");

inline const QString kCheckDialogCaption = QStringLiteral("リストの確認");
inline const QString kCheckHeading = QStringLiteral("下記のスライドショーのリストデータが未完成です。");
inline const QString kCheckNote1 = QStringLiteral("※ CD作成には全てのリスト項目で次の条件が必要です。");
inline const QString kCheckNote2 = QStringLiteral("・[場所]欄が[データフォルダ]");
inline const QString kCheckNote3 = QStringLiteral("・項目にチェックが入っている");
inline const QString kCheckNote4 = QStringLiteral("※ リストの重複項目については自動確認しません。");
inline const QString kCheckCopyButton = QStringLiteral("クリップボードへコピー");
inline const QString kCheckCloseButton = QStringLiteral("閉じる");

inline const QString kFinishOptionsQuestion = QStringLiteral(
    "現在のオプション設定がCDの設定になります。\r終了してもよろしいですか？\r\r"
    "-------------------------------------------\r\r"
    "※ オプション設定とはスライドショーの表示間隔、表示順、\rエフェクト、配色等の設定のことです。\r\r"
    "※ 初期の値の設定を使用したい場合は [いいえ] で戻り、\r[オプションのリセット] で初期化してから終了して下さい。\r\r"
    "※ オプションをリセットすると [詳細オプション] →\r[配色/環境設定] タブの [起動時にスライドショーを再生する]\r"
    "のチェックは外れます。\rCDの挿入だけでスライドショーを再生させたい場合は、\r再度チェックを付けて下さい。\r\r"
    "※ このままの設定で良ければ [はい]。");
inline const QString kFinishOpenCdFolderText = QStringLiteral(
    "CDフォルダを開きます。\rCDフォルダ内の全てのフォルダとファイルをCDにコピーして下さい。\r\r"
    "------------------------------------------------\r\r"
    "※ CDフォルダは [ファイル] メニューの [プログラムの場所を開く]、\rまたはステータスバーの [プログラムの場所：] を右クリックして\r"
    "[プログラムの場所を開く] で表示することもできます。");
