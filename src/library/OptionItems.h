#pragma once
// The items of the option selectors, in order (UTF-8). Slide.ini stores some
// selectors by item text and others by index; both use these lists.
#include <array>

inline constexpr std::array<const char*, 2> kUnitItems = {"秒", "分"};
inline constexpr std::array<const char*, 4> kFolderOrderItems = {
    "昇順（先頭から）", "昇順（選択位置から）", "シャッフル", "ループ"};
inline constexpr std::array<const char*, 4> kImageOrderItems = {
    "昇順（先頭から）", "昇順（選択位置から）", "シャッフル", "シャッフル（全画像）"};
inline constexpr std::array<const char*, 4> kBgmOrderItems = {
    "昇順（先頭から）", "昇順（選択位置から）", "シャッフル", "ループ"};
inline constexpr std::array<const char*, 3> kTimingItems = {
    "フォルダ変更時と表示枚数", "フォルダ変更時", "表示枚数"};
inline constexpr std::array<const char*, 3> kIncFrameItems = {"なし", "標準", "ポラロイド"};
inline constexpr std::array<const char*, 5> kArtSizeItems = {"100", "125", "150", "175", "200"};
inline constexpr std::array<const char*, 3> kArtEffectItems = {
    "なし", "フリップ", "フリップ ＋ 画像フィルタ"};
inline constexpr std::array<const char*, 2> kSelectGNameItems = {"画像ファイル名", "画像フォルダ名"};
inline constexpr std::array<const char*, 4> kGGroupPosItems = {"左上", "左下", "右上", "右下"};
inline constexpr std::array<const char*, 8> kTitleTagItems = {
    "アーティスト / タイトル",           "アーティスト - タイトル",
    "アーティスト / タイトル / アルバム", "アーティスト - タイトル - アルバム",
    "タイトル / アーティスト",           "タイトル - アーティスト",
    "タイトル / アーティスト / アルバム", "タイトル - アーティスト - アルバム"};

// Folder, image and music order indices.
enum PlayOrder : int {
  kOrderFromTop = 0,       // 昇順（先頭から）
  kOrderFromSelected = 1,  // 昇順（選択位置から）
  kOrderShuffle = 2,       // シャッフル
  kOrderLoopOrAll = 3,     // ループ (folders, music) or シャッフル（全画像） (images)
};
