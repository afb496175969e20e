#include <gtest/gtest.h>

#include "library/ColourEditor.h"
#include "library/ColourItems.h"

namespace {

constexpr int kBgmNameBack = 10;  // "BGM曲名の背景"
constexpr int kClockText = 13;    // "時刻の文字"
constexpr int kNumText = 5;       // "画像枚数の文字"
constexpr int kGuideBack = 18;    // "ガイドの背景"
constexpr int kSlideNameText = 1;

struct ColourEditorTest : ::testing::Test {
  ColorRef background = 0x102030;
  DisplayColours colours;
  ColourEditor editor{background, colours};
};

TEST_F(ColourEditorTest, UndoBelongsToTheItemOfTheLastChangeAndActsOnce) {
  const ColorRef before = colours.BGMNameColor;
  editor.Choose(kBgmNameBack, 0x0000FF);
  EXPECT_EQ(colours.BGMNameColor, 0x0000FFu);
  EXPECT_FALSE(editor.CanUndo(kClockText));
  EXPECT_FALSE(editor.Undo(kClockText));
  EXPECT_TRUE(editor.CanUndo(kBgmNameBack));

  EXPECT_TRUE(editor.Undo(kBgmNameBack));
  EXPECT_EQ(colours.BGMNameColor, before);
  EXPECT_FALSE(editor.CanUndo(kBgmNameBack));
  EXPECT_FALSE(editor.Undo(kBgmNameBack));
}

TEST_F(ColourEditorTest, CopiedColourPastesOnAnyItemAndThePasteCanBeUndone) {
  EXPECT_FALSE(editor.CanPaste());
  EXPECT_FALSE(editor.Paste(kGuideBack));
  EXPECT_FALSE(editor.CanUndo(kGuideBack));

  colours.NumFColor = 0x00ABCDEF;
  const ColorRef guideBefore = colours.GuideColor;
  editor.Copy(kNumText);
  colours.NumFColor = 0;  // the clipboard holds the colour, not the item
  ASSERT_TRUE(editor.Paste(kGuideBack));
  EXPECT_EQ(colours.GuideColor, 0x00ABCDEFu);
  EXPECT_TRUE(editor.Undo(kGuideBack));
  EXPECT_EQ(colours.GuideColor, guideBefore);

  // Item 0 is the screen background.
  ASSERT_TRUE(editor.Paste(0));
  EXPECT_EQ(background, 0x00ABCDEFu);

  editor.Forget();
  EXPECT_FALSE(editor.CanPaste());
  EXPECT_FALSE(editor.CanUndo(0));
}

TEST_F(ColourEditorTest, ResetsTakeTheDefaultsAndKeepTheUndo) {
  colours = DisplayColours{};
  colours.SlideNameFColor = 1;
  colours.SlideNameColor = 2;
  colours.ExifColor = 3;
  editor.Choose(kClockText, 0x00FFFFFF);

  editor.ResetItem(kClockText);
  EXPECT_EQ(colours.ClockFColor, DisplayColours{}.ClockFColor);
  editor.ResetItem(0);
  EXPECT_EQ(background, 0u);
  EXPECT_TRUE(editor.CanUndo(kClockText));

  background = 0x00123456;
  editor.ResetAll();
  EXPECT_EQ(background, 0u);
  EXPECT_EQ(editor.ColourOf(kSlideNameText), 8454016u);  // the slide-name pair too
  EXPECT_EQ(colours.SlideNameColor, 4210688u);
  EXPECT_EQ(colours.ExifColor, 3223857u);
  EXPECT_TRUE(editor.CanUndo(kClockText));
  for (int item = 0; item < kColourItemCount; ++item)
    EXPECT_EQ(editor.ColourOf(item), DefaultColourOfItem(item)) << item;
}

}  // namespace
