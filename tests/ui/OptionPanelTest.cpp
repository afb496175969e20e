// The option controls of the main window: they show a SlideshowOptions and
// give back the same record, keep their enable rules live, and carry the
// items and ranges of each option.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "ui/OptionBinding.h"
#include "ui/TfrmMain.h"

namespace {

// A record in which every field differs from its default.
SlideshowOptions EveryFieldChanged() {
  SlideshowOptions o;
  o.Interval = 37;
  o.Unit = 1;
  o.UseLabel = false;
  o.cbDir = 3;
  o.cbImg = 2;
  o.UseLimit = true;
  o.LimitNum = 99;
  o.cbBGM = 1;
  o.UseBGM = false;
  o.ImgEffect = 20;
  o.SlideEffect = 9;
  for (std::size_t i = 0; i < o.ImgCheck.size(); i += 2) o.ImgCheck[i] = false;
  for (std::size_t i = 1; i < o.SlideCheck.size(); i += 3) o.SlideCheck[i] = false;
  o.TimingIdx = 2;
  o.ChangeNum = 100;
  o.IncreaseIdx = 21;
  o.IncreaseCheck[0] = false;
  o.IncreaseCheck[21] = false;
  o.IncFrame = 2;
  o.PhotoLongSize = 202;
  o.IncRotate = false;
  o.SlideName = false;
  o.GName = false;
  o.Num = false;
  o.Date = true;
  o.BGMName = false;
  o.State = false;
  o.Art = false;
  o.ArtName = QStringLiteral("ジャケット.png");
  o.ArtSize = 4;
  o.ArtEffect = 0;
  o.Clock = false;
  o.Exif = true;
  o.Guide = false;
  o.SelectGName = 0;
  o.GGroupPos = 3;
  o.TitleTag = 7;
  o.BkColor = 0x123456;
  o.Colours.GuideColor = 0xABCDEF;
  o.Colours.SlideNameFColor = 1;
  return o;
}

void ExpectSameOptions(const SlideshowOptions& a, const SlideshowOptions& b) {
#define SAME(field) EXPECT_EQ(a.field, b.field) << #field
  SAME(Interval); SAME(Unit); SAME(UseLabel); SAME(cbDir); SAME(cbImg); SAME(UseLimit);
  SAME(LimitNum); SAME(cbBGM); SAME(UseBGM); SAME(ImgEffect); SAME(SlideEffect);
  SAME(ImgCheck); SAME(SlideCheck); SAME(TimingIdx); SAME(ChangeNum); SAME(IncreaseIdx);
  SAME(IncreaseCheck); SAME(IncFrame); SAME(PhotoLongSize); SAME(IncRotate);
  SAME(SlideName); SAME(GName); SAME(Num); SAME(Date); SAME(BGMName); SAME(State); SAME(Art);
  SAME(ArtName); SAME(ArtSize); SAME(ArtEffect); SAME(Clock); SAME(Exif); SAME(Guide);
  SAME(SelectGName); SAME(GGroupPos); SAME(TitleTag); SAME(BkColor);
  SAME(Colours.SlideNameFColor); SAME(Colours.GuideColor); SAME(Colours.ExifFColor);
  SAME(LastPlayName); SAME(LastPlayDir); SAME(LastPlayBGM);
#undef SAME
}

TEST(OptionPanel, ShownOptionsAreCollectedUnchanged) {
  TfrmMain window;
  OptionControls& controls = window.Controls();
  for (const SlideshowOptions& shown : {EveryFieldChanged(), SlideshowOptions{}}) {
    ShowOptions(controls, shown);
    SlideshowOptions collected;
    collected.LastPlayName = shown.LastPlayName;
    CollectOptions(controls, collected);
    ExpectSameOptions(shown, collected);
  }
}

TEST(OptionPanel, IndicesOutsideTheItemsStayWithoutSelection) {
  TfrmMain window;
  SlideshowOptions shown;
  shown.Unit = -1;
  shown.TitleTag = -1;
  shown.GGroupPos = -1;
  ShowOptions(window.Controls(), shown);
  EXPECT_EQ(window.Controls().cbUnit->currentIndex(), -1);
  SlideshowOptions collected;
  CollectOptions(window.Controls(), collected);
  EXPECT_EQ(collected.Unit, -1);
  EXPECT_EQ(collected.TitleTag, -1);
  EXPECT_EQ(collected.GGroupPos, -1);
}

TEST(OptionPanel, CollectingKeepsTheResumePoint) {
  TfrmMain window;
  SlideshowOptions options;
  options.LastPlayName = QStringLiteral("/photos/a.jpg");
  options.LastPlayDir = QStringLiteral("/photos");
  options.LastPlayBGM = QStringLiteral("/music/b.mp3");
  CollectOptions(window.Controls(), options);
  EXPECT_EQ(options.LastPlayName, QStringLiteral("/photos/a.jpg"));
  EXPECT_EQ(options.LastPlayDir, QStringLiteral("/photos"));
  EXPECT_EQ(options.LastPlayBGM, QStringLiteral("/music/b.mp3"));
}

struct EnableCase {
  int cbImg;
  bool useLimit;
  int timingIdx;
  bool folderOrder, limitBox, limitCount, changeCount;
};

TEST(OptionPanel, EnableRulesFollowTheShownOptions) {
  const EnableCase cases[] = {
      {0, false, 0, true, true, false, true},
      {1, true, 2, true, true, true, true},
      {3, true, 1, false, false, false, false},   // shuffle of all images
      {3, false, 0, false, false, false, true},
      {2, false, 1, true, true, false, false},
  };
  TfrmMain window;
  OptionControls& c = window.Controls();
  for (const EnableCase& e : cases) {
    SlideshowOptions o;
    o.cbImg = e.cbImg;
    o.UseLimit = e.useLimit;
    o.TimingIdx = e.timingIdx;
    ShowOptions(c, o);
    SCOPED_TRACE(testing::Message() << "cbImg " << e.cbImg << " UseLimit " << e.useLimit
                                    << " TimingIdx " << e.timingIdx);
    EXPECT_EQ(c.cbDir->isEnabled(), e.folderOrder);
    EXPECT_EQ(c.chkUseLimit->isEnabled(), e.limitBox);
    EXPECT_EQ(c.udLimitNum->isEnabled(), e.limitCount);
    EXPECT_EQ(c.lblLimitUnit->isEnabled(), e.limitCount);
    EXPECT_EQ(c.udChangeNum->isEnabled(), e.changeCount);
    EXPECT_EQ(c.lblChangeNum->isEnabled(), e.changeCount);
  }
}

TEST(OptionPanel, ChangingASelectorAppliesItsRuleAtOnce) {
  TfrmMain window;
  OptionControls& c = window.Controls();
  ShowOptions(c, SlideshowOptions{});
  c.cbImg->setCurrentIndex(3);
  EXPECT_FALSE(c.cbDir->isEnabled());
  EXPECT_FALSE(c.chkUseLimit->isEnabled());
  c.cbImg->setCurrentIndex(0);
  EXPECT_TRUE(c.cbDir->isEnabled());
  c.cbChangeTiming->setCurrentIndex(1);
  EXPECT_FALSE(c.udChangeNum->isEnabled());
  c.cbChangeTiming->setCurrentIndex(2);
  EXPECT_TRUE(c.udChangeNum->isEnabled());

  // The limit box acts only once start-up has made the window ready.
  c.chkUseLimit->setChecked(true);
  EXPECT_FALSE(c.udLimitNum->isEnabled());
  window.SetReady(true);
  c.chkUseLimit->setChecked(false);
  c.chkUseLimit->setChecked(true);
  EXPECT_TRUE(c.udLimitNum->isEnabled());
}

TEST(OptionPanel, ControlChangesReachTheCurrentSlideshow) {
  TfrmMain window;
  OptionControls& c = window.Controls();
  c.udInterval->setValue(12);
  c.cbTransition->setCurrentIndex(4);
  c.clbFilter->item(5)->setCheckState(Qt::Unchecked);
  c.edtArtName->setText(QStringLiteral("folder.jpg"));
  const SlideshowOptions& live = window.Library().Options();
  EXPECT_EQ(live.Interval, 12);
  EXPECT_EQ(live.SlideEffect, 4);
  EXPECT_FALSE(live.ImgCheck[5]);
  EXPECT_EQ(live.ArtName, QStringLiteral("folder.jpg"));
}

template <typename T>
T* Find(QWidget& window, const char* name) {
  T* widget = window.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

TEST(OptionPanel, SelectorsHoldTheirItemsInOrder) {
  TfrmMain window;
  const struct {
    const char* name;
    int count;
    const char* first;
    const char* last;
  } combos[] = {
      {"cbUnit", 2, "秒", "分"},
      {"cbDir", 4, "昇順（先頭から）", "ループ"},
      {"cbImg", 4, "昇順（先頭から）", "シャッフル（全画像）"},
      {"cbBGM", 4, "昇順（先頭から）", "ループ"},
      {"cbFilter", 23, "なし", "シャッフル"},
      {"cbTransition", 20, "なし", "シャッフル"},
      {"cbChangeTiming", 3, "フォルダ変更時と表示枚数", "表示枚数"},
      {"cbIncrease", 22, "なし", "ブリーチバイパス"},
      {"cbIncFrame", 3, "なし", "ポラロイド"},
      {"cbArtSize", 5, "100", "200"},
      {"cbArtEffect", 3, "なし", "フリップ ＋ 画像フィルタ"},
      {"cbSelectGName", 2, "画像ファイル名", "画像フォルダ名"},
      {"cbGGroupPos", 4, "左上", "右下"},
      {"cbTitleTag", 8, "アーティスト / タイトル", "タイトル - アーティスト - アルバム"},
      {"cbColor", 19, "画面の背景", "ガイドの背景"},
  };
  for (const auto& c : combos) {
    auto* combo = Find<QComboBox>(window, c.name);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), c.count) << c.name;
    EXPECT_EQ(combo->itemText(0), QString::fromUtf8(c.first)) << c.name;
    EXPECT_EQ(combo->itemText(combo->count() - 1), QString::fromUtf8(c.last)) << c.name;
  }
  const struct {
    const char* name;
    int count;
    const char* last;
  } lists[] = {{"clbFilter", 22, "ブリーチバイパス"},
               {"clbTransition", 19, "メルト"},
               {"clbIncrease", 22, "ブリーチバイパス"}};
  for (const auto& l : lists) {
    auto* list = Find<QListWidget>(window, l.name);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), l.count) << l.name;
    EXPECT_EQ(list->item(l.count - 1)->text(), QString::fromUtf8(l.last)) << l.name;
  }
}

TEST(OptionPanel, CountersHaveTheirRangesAndReadOnlyEdits) {
  TfrmMain window;
  const struct {
    const char* name;
    int minimum, maximum, step;
  } counters[] = {{"udInterval", 1, 60, 1},
                  {"udLimitNum", 1, 100, 1},
                  {"udChangeNum", 1, 100, 1},
                  {"udPhotoLongSize", 200, 500, 2}};
  for (const auto& c : counters) {
    auto* spin = Find<QSpinBox>(window, c.name);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->minimum(), c.minimum) << c.name;
    EXPECT_EQ(spin->maximum(), c.maximum) << c.name;
    EXPECT_EQ(spin->singleStep(), c.step) << c.name;
    EXPECT_TRUE(spin->findChild<QLineEdit*>()->isReadOnly()) << c.name;
  }
}

TEST(OptionPanel, CheckBoxesCarryTheirCaptions) {
  TfrmMain window;
  const struct {
    const char* name;
    const char* caption;
  } boxes[] = {{"chkAutoStart", "起動時にスライドショーを再生する"},
               {"chkNoSaver", "スライドショー再生中はスクリーンセーバーを無効にする"},
               {"chkUseLabel", "ラベル使用"},
               {"chkUseBGM", "BGM使用"},
               {"chkIncRotate", "傾ける"},
               {"chkArt", "アートワーク"}};
  for (const auto& b : boxes) {
    auto* box = Find<QCheckBox>(window, b.name);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString::fromUtf8(b.caption)) << b.name;
  }
}

TEST(OptionPanel, DetailTabsShowSixPagesAndFoldInAndOut) {
  TfrmMain window;
  window.CreateWorkingObjects();
  QTabWidget* tabs = window.Tabs().PageControl1;
  QStringList visible;
  for (int i = 0; i < tabs->count(); ++i)
    if (tabs->isTabVisible(i)) visible << tabs->tabText(i);
  EXPECT_EQ(visible, (QStringList{"スライドショー", "フォルダリスト", "BGMリスト", "エフェクト",
                                  "ラベル", "配色/環境設定"}));
  EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(window.Tabs().TabRegular)));
  EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(window.Tabs().TabCDMake)));

  auto* basic = Find<QGroupBox>(window, "grpBasicOption");
  auto* detail = Find<QGroupBox>(window, "grpDetailOption");
  EXPECT_EQ(basic->title(), QStringLiteral(" 基本オプション "));
  EXPECT_EQ(detail->title(), QStringLiteral(" 詳細オプション "));
  auto* button = Find<QPushButton>(window, "btnOption");
  window.CollapseAndPlace(RunMode::Normal);
  EXPECT_FALSE(window.IsDetailOptionsShown());
  EXPECT_EQ(button->text(), QStringLiteral("▼ 詳細オプション"));
  button->click();
  EXPECT_TRUE(window.IsDetailOptionsShown());
  EXPECT_TRUE(window.Menu().mnOption->isChecked());
  EXPECT_EQ(button->text(), QStringLiteral("▲ 詳細オプション"));
  window.Menu().mnOption->trigger();
  EXPECT_FALSE(window.IsDetailOptionsShown());
  EXPECT_FALSE(window.Menu().mnOption->isChecked());
}

}  // namespace
