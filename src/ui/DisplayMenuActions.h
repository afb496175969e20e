#pragma once
// The commands of the display window's context menu, with their captions and
// keys. The main window owns them for the whole process so the display
// window (and its context menu) only has to add and connect them.
#include <QObject>

class QAction;
class QMenu;
class QWidget;

class DisplayMenuActions : public QObject {
  Q_OBJECT
 public:
  explicit DisplayMenuActions(QObject* parent = nullptr);

  // Builds the context menu with its submenus "画像(&G)", "フォルダ(&D)",
  // "BGM(&B)" and "ラベル(&L)" from these actions.
  void FillContextMenu(QMenu* menu) const;
  // Adds every action to widget so its key works while widget has the focus.
  void AddShortcutsTo(QWidget* widget) const;
  // The volume items take ↑, ↓ and Enter only while a slideshow runs.
  void SetVolumeKeysActive(bool slideshowRunning);

  QAction* pmnSlide;
  QAction* pmnStopSlide;
  QAction* pmnPrevDir;
  QAction* pmnNextDir;
  QAction* pmnPrevBGM;
  QAction* pmnNextBGM;
  QAction* pmnPrevImg;
  QAction* pmnNextImg;
  QAction* pmnWMPVolUp;
  QAction* pmnWMPVolDown;
  QAction* pmnWMPVolReset;
  QAction* pmnSlideName;
  QAction* pmnGName;
  QAction* pmnNum;
  QAction* pmnDate;
  QAction* pmnBGMName;
  QAction* pmnState;
  QAction* pmnArt;
  QAction* pmnClock;
  QAction* pmnExif;
  QAction* pmnGuide;
  QAction* pmnLabelAllShow;
  QAction* pmnLabelAllHide;
  QAction* pmnExit;

  // All of them, in menu order.
  QList<QAction*> All() const;
};
