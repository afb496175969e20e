#pragma once
// The transition catalogue: the index is the position in the transition selector.
#include <array>

enum class TransitionKind : int {
  None = 0,
  FadeOutIn = 1,
  CrossFade = 2,
  Wipe = 3,
  Slide = 4,
  Fit = 5,
  Blind = 6,
  Push = 7,
  Square = 8,
  Increase = 9,
  Flip = 10,
  Page = 11,
  Shutter = 12,
  Separate = 13,
  ZoomInOut = 14,
  Peel = 15,
  Puzzle = 16,
  Squeeze = 17,
  Melt = 18,
  Shuffle = 19,
};

constexpr int kTransitionCount = 19;          // runnable kinds 0..18
constexpr int kTransitionSelectorCount = 20;  // with "シャッフル"

// Display names in catalogue order, "シャッフル" last (UTF-8).
inline constexpr std::array<const char*, kTransitionSelectorCount> kTransitionNames = {
    "なし",     "フェードイン/アウト", "クロスフェード", "ワイプ",   "スライド",
    "フィット", "ブラインド",         "プッシュ",       "スクエア", "インクリース",
    "フリップ", "ページ",             "シャッター",     "セパレート", "ズームイン/アウト",
    "ピール",   "パズル",             "スクイーズ",     "メルト",   "シャッフル",
};
