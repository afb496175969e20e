#pragma once
// The music order, the option cbBGM: 0 "昇順（先頭から）", 1 "昇順（選択位置から）",
// 2 "シャッフル" (shuffled once per start, then repeated), 3 "ループ" (the same
// track again).
inline constexpr int kBgmOrderAscending = 0;
inline constexpr int kBgmOrderFromSelected = 1;
inline constexpr int kBgmOrderShuffle = 2;
inline constexpr int kBgmOrderLoop = 3;
