#pragma once
// The option groups of the main window: " 基本オプション " (always shown) and
// " 詳細オプション " with its tabs. The builders create every control with its
// name, items, range and caption; the window connects them.
#include <QList>

#include "ui/OptionControls.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QWidget;

// The buttons of one list tab, in the order they are shown.
struct ListTabButtons {
  QPushButton* Add;
  QPushButton* Up;
  QPushButton* Down;
  QPushButton* Cut;
  QPushButton* Paste;
  QPushButton* DelSame;
  QPushButton* Del;
  QPushButton* Clear;
  QPushButton* Explorer;
  QPushButton* Reload;  // hidden
  QList<QPushButton*> All() const {
    return {Add, Up, Down, Cut, Paste, DelSame, Del, Clear, Explorer, Reload};
  }
};

struct DetailTabs {
  QTabWidget* PageControl1;
  QWidget* TabSlideShow;
  QWidget* TabDir;
  QWidget* TabBGM;
  QWidget* TabEffect;
  QWidget* TabLabel;
  QWidget* TabColor;
  QWidget* TabRegular;
  QWidget* TabCDMake;

  QLabel* lblCurrentSlideShow;
  QListWidget* lbSlideShow;
  // 新規作成, インポート, 別名で保存, 名前の変更, 削除, 上へ △, 下へ ▽
  QList<QPushButton*> SlideshowButtons;

  QTreeWidget* lvDirList;
  QTreeWidget* lvBGMList;
  QLabel* lblDirHint;  // shown in CD-making mode only
  QLabel* lblBGMHint;
  ListTabButtons DirButtons;
  ListTabButtons BgmButtons;
};

QGroupBox* BuildBasicOptions(OptionControls& controls, QWidget* parent);
QGroupBox* BuildDetailOptions(OptionControls& controls, DetailTabs& tabs, QWidget* parent);
