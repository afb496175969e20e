#pragma once
// The filter catalogue: the index is the position in the filter selector.
#include <array>

enum class FilterKind : int {
  None = 0,
  Grayscale = 1,
  Sepia = 2,
  Monotone = 3,
  RandomColor = 4,
  Paint = 5,
  OilPaint = 6,
  Illustration = 7,
  Comic = 8,
  Pop = 9,
  ToyCamera = 10,
  Television = 11,
  SoftFocus = 12,
  Noise = 13,
  CrossProcess = 14,
  Nostalgic = 15,
  Psychedelic = 16,
  PartColor = 17,
  PaintedPoster = 18,
  Retro = 19,
  FakeHdr = 20,
  BleachBypass = 21,
  Shuffle = 22,
};

constexpr int kFilterCount = 22;          // applicable filters 0..21
constexpr int kFilterSelectorCount = 23;  // with "シャッフル"

// Display names in catalogue order, "シャッフル" last (UTF-8).
inline constexpr std::array<const char*, kFilterSelectorCount> kFilterNames = {
    "なし",         "グレースケール", "セピア",         "モノトーン",   "ランダムカラー",
    "ペイント",     "オイルペイント", "イラスト",       "コミック",     "ポップ",
    "トイカメラ",   "テレビ",         "ソフトフォーカス", "ノイズ",     "クロスプロセス",
    "ノスタルジック", "サイケ",       "パートカラー",   "ロックウェル", "レトロ",
    "フェイクHDR",  "ブリーチバイパス", "シャッフル",
};
