#pragma once
// The items of the colour editor (cbColor) and the colour each one edits:
// item 0 the screen background, odd items a label's text colour, even items
// from 2 its background.
#include <array>

#include "bitmap/FrameBitmap.h"
#include "library/SlideshowOptions.h"

inline constexpr std::array<const char*, 19> kColourItemNames = {
    "画面の背景",
    "スライドショー名の文字", "スライドショー名の背景",
    "画像ファイル/フォルダ名の文字", "画像ファイル/フォルダ名の背景",
    "画像枚数の文字", "画像枚数の背景",
    "撮影日付の文字", "撮影日付の背景",
    "BGM曲名の文字", "BGM曲名の背景",
    "再生状態の文字", "再生状態の背景",
    "時刻の文字", "時刻の背景",
    "Exif情報の文字", "Exif情報の背景",
    "ガイドの文字", "ガイドの背景",
};

inline constexpr int kColourItemCount = static_cast<int>(kColourItemNames.size());

// The colour of item (0..18) in colours, or nullptr for an item outside.
ColorRef* ColourOfItem(int item, ColorRef& bkColor, DisplayColours& colours);

// The colour item takes when reset: black for the screen background, the
// label colour's default otherwise.
ColorRef DefaultColourOfItem(int item);
