#include "ui/OptionsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "library/OptionItems.h"
#include "library/ColourItems.h"
#include "ui/EntryListView.h"

namespace {

constexpr int kListWidth = 456;
constexpr int kListHeight = 248;
constexpr int kButtonWidth = 96;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel* Label(const char* text, QWidget* parent) {
  return new QLabel(QString::fromUtf8(text), parent);
}

template <std::size_t N>
QComboBox* Combo(const char* name, const std::array<const char*, N>& items, std::size_t count,
                 QWidget* parent) {
  auto* combo = Named(new QComboBox(parent), name);
  for (std::size_t i = 0; i < count && i < N; ++i) combo->addItem(QString::fromUtf8(items[i]));
  combo->setMaxVisibleItems(24);
  return combo;
}

template <std::size_t N>
QComboBox* Combo(const char* name, const std::array<const char*, N>& items, QWidget* parent) {
  return Combo(name, items, N, parent);
}

// An up-down counter with its read-only edit: the value changes only by the
// arrows (or the arrow keys), never by typing.
QSpinBox* UpDown(const char* name, int minimum, int maximum, int step, QWidget* parent) {
  auto* spin = Named(new QSpinBox(parent), name);
  spin->setRange(minimum, maximum);
  spin->setSingleStep(step);
  spin->setAlignment(Qt::AlignRight);
  if (auto* edit = spin->findChild<QLineEdit*>()) edit->setReadOnly(true);
  spin->setMinimumWidth(56);
  return spin;
}

QCheckBox* Check(const char* name, const char* caption, QWidget* parent) {
  return Named(new QCheckBox(QString::fromUtf8(caption), parent), name);
}

template <std::size_t N>
QListWidget* CheckList(const char* name, const std::array<const char*, N>& items, std::size_t count,
                       QWidget* parent) {
  auto* list = Named(new QListWidget(parent), name);
  for (std::size_t i = 0; i < count && i < N; ++i) {
    auto* item = new QListWidgetItem(QString::fromUtf8(items[i]), list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
  StripeOddRows(list);
  return list;
}

QPushButton* Button(const char* name, const char* caption, QWidget* parent, bool enabled = false) {
  auto* button = Named(new QPushButton(QString::fromUtf8(caption), parent), name);
  button->setEnabled(enabled);
  return button;
}

QGroupBox* Group(const char* title, QWidget* parent) {
  return new QGroupBox(QString::fromUtf8(title), parent);
}

QWidget* BuildSlideshowTab(DetailTabs& tabs) {
  auto* tab = Named(new QWidget, "TabSlideShow");
  tabs.lblCurrentSlideShow = Named(new QLabel(tab), "lblCurrentSlideShow");
  tabs.lbSlideShow = Named(new QListWidget(tab), "lbSlideShow");
  tabs.lbSlideShow->setFixedSize(kListWidth, 230);
  StripeOddRows(tabs.lbSlideShow);
  tabs.SlideshowButtons = {
      Button("btnNewSlideShow", "新規作成", tab),    Button("btnImportSlideShow", "インポート", tab),
      Button("btnSaveAsSlideShow", "別名で保存", tab), Button("btnRenameSlideShow", "名前の変更", tab),
      Button("btnDeleteSlideShow", "削除", tab),     Button("btnUpSlideShow", "上へ △", tab),
      Button("btnDownSlideShow", "下へ ▽", tab),
  };
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : tabs.SlideshowButtons) {
    b->setFixedWidth(kButtonWidth);
    buttons->addWidget(b);
  }
  buttons->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(tabs.lblCurrentSlideShow);
  left->addWidget(tabs.lbSlideShow);
  left->addStretch();
  auto* layout = new QHBoxLayout(tab);
  layout->addLayout(left);
  layout->addLayout(buttons);
  return tab;
}

QWidget* BuildListTab(const char* tabName, QTreeWidget*& view, const char* viewName,
                      const char* firstColumn, QLabel*& hint, const char* hintName,
                      const char* hintText, ListTabButtons& b, bool music) {
  auto* tab = Named(new QWidget, tabName);
  view = MakeEntryListView(QString::fromLatin1(viewName), QString::fromUtf8(firstColumn), tab);
  view->setFixedSize(kListWidth, kListHeight);
  hint = Named(new QLabel(QString::fromUtf8(hintText), tab), hintName);
  hint->setVisible(false);
  b.Add = Button(music ? "btnAddBGM" : "btnAddDir", "追加...", tab);
  b.Up = Button(music ? "btnUpBGM" : "btnUpDir", "上へ △", tab);
  b.Down = Button(music ? "btnDownBGM" : "btnDownDir", "下へ ▽", tab);
  b.Cut = Button(music ? "btnCutBGM" : "btnCutDir", "切り取り", tab);
  b.Paste = Button(music ? "btnPasteBGM" : "btnPasteDir", "貼り付け", tab);
  b.DelSame = Button(music ? "btnDelSameBGM" : "btnDelSameDir", "重複削除", tab);
  b.Del = Button(music ? "btnDelBGM" : "btnDelDir", "削除", tab);
  b.Clear = Button(music ? "btnClearBGM" : "btnClearDir", "クリア", tab);
  b.Explorer = Button(music ? "btnExpBGM" : "btnExpDir", "ｴｸｽﾌﾟﾛｰﾗ", tab);
  b.Reload = Button(music ? "btnReloadBGM" : "btnReloadDir", "更新", tab);
  b.Reload->setVisible(false);
  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(2);
  for (QPushButton* button : b.All()) {
    button->setFixedWidth(kButtonWidth);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(view);
  left->addWidget(hint);
  left->addStretch();
  auto* layout = new QHBoxLayout(tab);
  layout->addLayout(left);
  layout->addLayout(buttons);
  return tab;
}

QWidget* BuildEffectTab(OptionControls& c) {
  auto* tab = Named(new QWidget, "TabEffect");

  auto* filters = Group(" 画像フィルタ（シャッフル） ", tab);
  c.clbFilter = CheckList("clbFilter", kFilterNames, kFilterCount, filters);
  c.clbFilter->setFixedSize(150, 212);
  (new QVBoxLayout(filters))->addWidget(c.clbFilter, 0, Qt::AlignTop);

  auto* transitions = Group(" トランジション（シャッフル） ", tab);
  c.clbTransition = CheckList("clbTransition", kTransitionNames, kTransitionCount, transitions);
  c.clbTransition->setFixedSize(150, 212);
  (new QVBoxLayout(transitions))->addWidget(c.clbTransition, 0, Qt::AlignTop);

  auto* increase = Group(" インクリース ", tab);
  c.cbIncrease = Combo("cbIncrease", kFilterNames, kFilterCount, increase);
  c.clbIncrease = CheckList("clbIncrease", kFilterNames, kFilterCount, increase);
  c.clbIncrease->setFixedHeight(84);
  c.cbIncFrame = Combo("cbIncFrame", kIncFrameItems, increase);
  c.udPhotoLongSize = UpDown("udPhotoLongSize", 200, 500, 2, increase);
  c.chkIncRotate = Check("chkIncRotate", "傾ける", increase);
  auto* inc = new QGridLayout(increase);
  inc->setVerticalSpacing(3);
  inc->addWidget(Label("単独で使用の場合 ：", increase), 0, 0, 1, 4);
  inc->addWidget(c.cbIncrease, 1, 0, 1, 4);
  inc->addWidget(Label("シャッフルで使用の場合 ：", increase), 2, 0, 1, 4);
  inc->addWidget(c.clbIncrease, 3, 0, 1, 4);
  inc->addWidget(Label("白フチ ：", increase), 4, 0);
  inc->addWidget(c.cbIncFrame, 4, 1, 1, 3);
  inc->addWidget(Label("長辺 ：", increase), 5, 0);
  inc->addWidget(c.udPhotoLongSize, 5, 1);
  inc->addWidget(Label("px", increase), 5, 2);
  inc->addWidget(c.chkIncRotate, 5, 3, Qt::AlignRight);
  inc->setRowStretch(6, 1);

  auto* timing = new QHBoxLayout;
  c.cbChangeTiming = Combo("cbChangeTiming", kTimingItems, tab);
  c.udChangeNum = UpDown("udChangeNum", 1, 100, 1, tab);
  c.lblChangeNum = Named(Label("表示枚数 ：", tab), "lblChangeNum");
  c.lblChangeNumUnit = Named(Label("枚ごと", tab), "lblChangeNumUnit");
  timing->addWidget(Label("シャッフル時のエフェクト変更 ：", tab));
  timing->addWidget(c.cbChangeTiming);
  timing->addSpacing(12);
  timing->addWidget(c.lblChangeNum);
  timing->addWidget(c.udChangeNum);
  timing->addWidget(c.lblChangeNumUnit);
  timing->addStretch();

  auto* lists = new QHBoxLayout;
  lists->addWidget(filters);
  lists->addWidget(transitions);
  lists->addWidget(increase);
  auto* layout = new QVBoxLayout(tab);
  layout->addLayout(lists);
  layout->addLayout(timing);
  return tab;
}

QWidget* BuildLabelTab(OptionControls& c) {
  auto* tab = Named(new QWidget, "TabLabel");

  auto* shown = Group(" 表示するラベル ", tab);
  c.chkSlideName = Check("chkSlideName", "スライドショー名", shown);
  c.chkGName = Check("chkGName", "画像ファイル/フォルダ名", shown);
  c.chkNum = Check("chkNum", "画像枚数", shown);
  c.chkDate = Check("chkDate", "撮影日付（ファイル日付）", shown);
  c.chkBGMName = Check("chkBGMName", "BGM曲名", shown);
  c.chkState = Check("chkState", "再生状態", shown);
  c.chkArt = Check("chkArt", "アートワーク", shown);
  c.chkClock = Check("chkClock", "時刻", shown);
  c.chkExif = Check("chkExif", "Exif情報", shown);
  c.chkGuide = Check("chkGuide", "ガイド", shown);
  auto* boxes = new QVBoxLayout(shown);
  for (QCheckBox* box : {c.chkSlideName, c.chkGName, c.chkNum, c.chkDate, c.chkBGMName, c.chkState,
                         c.chkArt, c.chkClock, c.chkExif, c.chkGuide})
    boxes->addWidget(box);
  boxes->addStretch();

  auto* texts = Group(" 表示内容 ", tab);
  c.cbSelectGName = Combo("cbSelectGName", kSelectGNameItems, texts);
  c.cbGGroupPos = Combo("cbGGroupPos", kGGroupPosItems, texts);
  c.cbTitleTag = Combo("cbTitleTag", kTitleTagItems, texts);
  auto* grid = new QGridLayout(texts);
  grid->addWidget(Label("画像ファイル/フォルダ名 ：", texts), 0, 0);
  grid->addWidget(c.cbSelectGName, 0, 1);
  grid->addWidget(Label("画像ラベルの位置 ：", texts), 1, 0);
  grid->addWidget(c.cbGGroupPos, 1, 1);
  grid->addWidget(Label("BGM曲名の表示 ：", texts), 2, 0);
  grid->addWidget(c.cbTitleTag, 2, 1);

  auto* art = Group(" アートワーク ", tab);
  c.edtArtName = Named(new QLineEdit(art), "edtArtName");
  c.cbArtSize = Combo("cbArtSize", kArtSizeItems, art);
  c.cbArtEffect = Combo("cbArtEffect", kArtEffectItems, art);
  auto* artGrid = new QGridLayout(art);
  artGrid->addWidget(Label("ファイル名 ：", art), 0, 0);
  artGrid->addWidget(c.edtArtName, 0, 1);
  artGrid->addWidget(Label("※ BGMと同じフォルダに置いて下さい。", art), 1, 1);
  artGrid->addWidget(Label("サイズ ：", art), 2, 0);
  artGrid->addWidget(c.cbArtSize, 2, 1, Qt::AlignLeft);
  artGrid->addWidget(Label("エフェクト ：", art), 3, 0);
  artGrid->addWidget(c.cbArtEffect, 3, 1);

  auto* right = new QVBoxLayout;
  right->addWidget(texts);
  right->addWidget(art);
  right->addStretch();
  auto* layout = new QHBoxLayout(tab);
  layout->addWidget(shown);
  layout->addLayout(right, 1);
  return tab;
}

QWidget* BuildColourTab(OptionControls& c) {
  auto* tab = Named(new QWidget, "TabColor");

  auto* colours = Group(" 配色 ", tab);
  c.cbColor = Combo("cbColor", kColourItemNames, colours);
  c.pnlColor = Named(new QFrame(colours), "pnlColor");
  c.pnlColor->setFrameShape(QFrame::Panel);
  c.pnlColor->setFrameShadow(QFrame::Sunken);
  c.pnlColor->setAutoFillBackground(true);
  c.pnlColor->setFixedSize(64, 24);
  c.btnColor = Button("btnColor", "色の選択...", colours);
  auto* row = new QHBoxLayout(colours);
  row->addWidget(c.cbColor);
  row->addWidget(c.pnlColor);
  row->addWidget(c.btnColor);
  row->addStretch();

  auto* environment = Group(" 環境設定 ", tab);
  c.chkAutoStart = Check("chkAutoStart", "起動時にスライドショーを再生する", environment);
  c.chkNoSaver =
      Check("chkNoSaver", "スライドショー再生中はスクリーンセーバーを無効にする", environment);
  auto* env = new QVBoxLayout(environment);
  env->addWidget(c.chkAutoStart);
  env->addWidget(c.chkNoSaver);

  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(colours);
  layout->addWidget(environment);
  layout->addStretch();
  return tab;
}

}  // namespace

QGroupBox* BuildBasicOptions(OptionControls& c, QWidget* parent) {
  auto* group = Named(Group(" 基本オプション ", parent), "grpBasicOption");
  c.udInterval = UpDown("udInterval", 1, 60, 1, group);
  c.cbUnit = Combo("cbUnit", kUnitItems, group);
  c.cbDir = Combo("cbDir", kFolderOrderItems, group);
  c.cbImg = Combo("cbImg", kImageOrderItems, group);
  c.chkUseLimit = Check("chkUseLimit", "1フォルダの表示枚数を制限", group);
  c.udLimitNum = UpDown("udLimitNum", 1, 100, 1, group);
  c.lblLimitUnit = Named(Label("枚", group), "lblLimitNum");
  c.chkUseBGM = Check("chkUseBGM", "BGM使用", group);
  c.cbBGM = Combo("cbBGM", kBgmOrderItems, group);
  c.cbBGM->setToolTip(QStringLiteral("BGM再生順の選択"));
  c.cbFilter = Combo("cbFilter", kFilterNames, group);
  c.cbTransition = Combo("cbTransition", kTransitionNames, group);
  c.chkUseLabel = Check("chkUseLabel", "ラベル使用", group);

  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(4);
  int row = 0;
  grid->addWidget(Label("表示間隔 ：", group), row, 0);
  auto* interval = new QHBoxLayout;
  interval->addWidget(c.udInterval);
  interval->addWidget(c.cbUnit);
  interval->addStretch();
  grid->addLayout(interval, row++, 1);
  grid->addWidget(Label("フォルダ表示順 ：", group), row, 0);
  grid->addWidget(c.cbDir, row++, 1);
  grid->addWidget(Label("画像表示順 ：", group), row, 0);
  grid->addWidget(c.cbImg, row++, 1);
  grid->addWidget(c.chkUseLimit, row, 0);
  auto* limit = new QHBoxLayout;
  limit->addWidget(c.udLimitNum);
  limit->addWidget(c.lblLimitUnit);
  limit->addStretch();
  grid->addLayout(limit, row++, 1);
  grid->addWidget(c.chkUseBGM, row, 0);
  grid->addWidget(c.cbBGM, row++, 1);
  grid->addWidget(Label("画像フィルタ ：", group), row, 0);
  grid->addWidget(c.cbFilter, row++, 1);
  grid->addWidget(Label("トランジション ：", group), row, 0);
  grid->addWidget(c.cbTransition, row++, 1);
  grid->addWidget(c.chkUseLabel, row++, 0, 1, 2);
  return group;
}

QGroupBox* BuildDetailOptions(OptionControls& c, DetailTabs& tabs, QWidget* parent) {
  auto* group = Named(Group(" 詳細オプション ", parent), "grpDetailOption");
  tabs.PageControl1 = Named(new QTabWidget(group), "PageControl1");
  tabs.TabSlideShow = BuildSlideshowTab(tabs);
  tabs.TabDir = BuildListTab("TabDir", tabs.lvDirList, "lvDirList", "フォルダ名", tabs.lblDirHint,
                             "lblDirHint",
                             "※ リスト上の右クリックで実データをデータフォルダ（IMG）へコピーします。",
                             tabs.DirButtons, false);
  tabs.TabBGM = BuildListTab("TabBGM", tabs.lvBGMList, "lvBGMList", "ファイル名", tabs.lblBGMHint,
                             "lblBGMHint",
                             "※ リスト上の右クリックで実データをデータフォルダ（BGM）へコピーします。",
                             tabs.BgmButtons, true);
  tabs.TabEffect = BuildEffectTab(c);
  tabs.TabLabel = BuildLabelTab(c);
  tabs.TabColor = BuildColourTab(c);
  tabs.TabRegular = Named(new QWidget, "TabRegular");
  tabs.TabCDMake = Named(new QWidget, "TabCDMake");
  tabs.PageControl1->addTab(tabs.TabSlideShow, QStringLiteral("スライドショー"));
  tabs.PageControl1->addTab(tabs.TabDir, QStringLiteral("フォルダリスト"));
  tabs.PageControl1->addTab(tabs.TabBGM, QStringLiteral("BGMリスト"));
  tabs.PageControl1->addTab(tabs.TabEffect, QStringLiteral("エフェクト"));
  tabs.PageControl1->addTab(tabs.TabLabel, QStringLiteral("ラベル"));
  tabs.PageControl1->addTab(tabs.TabColor, QStringLiteral("配色/環境設定"));
  tabs.PageControl1->addTab(tabs.TabRegular, QStringLiteral("レギュラー"));
  tabs.PageControl1->addTab(tabs.TabCDMake, QStringLiteral("CD作成"));
  (new QVBoxLayout(group))->addWidget(tabs.PageControl1);
  return group;
}
