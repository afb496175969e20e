#pragma once
// The menu bar of the main window: "ファイル(&F)", "ツール(&T)", "ヘルプ(&H)",
// and the two hidden list-navigation items that own ↑ and ↓ while no
// slideshow runs.
class QAction;
class QMainWindow;
class QMenu;

struct MainMenuActions {
  QMenu* mnFile;
  QAction* mnSlide;
  QAction* mnImportList;
  QAction* mnOption;
  QAction* mnReset;
  QAction* OpenExePlace;
  QAction* mnExit;

  QMenu* Tool1;
  QMenu* mnCDMake;       // "CD作成(&C)"
  QAction* mnMakeWorkDir;
  QMenu* mnCDEdit;       // "CDの編集(&C)": one item per recent work folder
  QAction* mnParentExe;
  QAction* CD1;          // hidden: the CD list check
  QAction* mnCDMakeClose;  // hidden: the CD end dialog

  QMenu* mnHelp;
  QAction* mnHelpDoc;
  QAction* mnReadMe;
  QAction* mnAbout;

  // Not in any menu: their keys act on the window itself.
  QAction* mnArrowUP;
  QAction* mnArrowDown;

  // ↑ and ↓ belong to these items while idle and to the volume items of the
  // display menu while a slideshow runs.
  void SetArrowKeysActive(bool idle);
};

MainMenuActions BuildMainMenu(QMainWindow* window);
