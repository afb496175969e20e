#include "ui/DisplayMenuActions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

QAction* MakeAction(QObject* owner, const char* name, const char* caption,
                    const QKeySequence& key = {}, bool checkable = false) {
  auto* action = new QAction(QString::fromUtf8(caption), owner);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(key);
  action->setCheckable(checkable);
  return action;
}

}  // namespace

DisplayMenuActions::DisplayMenuActions(QObject* parent) : QObject(parent) {
  pmnSlide = MakeAction(this, "pmnSlide", "スライドショー開始(&S)", Qt::Key_Space);
  pmnStopSlide = MakeAction(this, "pmnStopSlide", "スライドショー停止(&E)", Qt::Key_Escape);
  pmnPrevDir = MakeAction(this, "pmnPrevDir", "前のフォルダ(&P)", Qt::CTRL | Qt::Key_Left);
  pmnNextDir = MakeAction(this, "pmnNextDir", "次のフォルダ(&N)", Qt::CTRL | Qt::Key_Right);
  pmnPrevBGM = MakeAction(this, "pmnPrevBGM", "前のBGM(&P)", Qt::SHIFT | Qt::Key_Left);
  pmnNextBGM = MakeAction(this, "pmnNextBGM", "次のBGM(&N)", Qt::SHIFT | Qt::Key_Right);
  pmnPrevImg = MakeAction(this, "pmnPrevImg", "前の画像(&P)", Qt::Key_Left);
  pmnNextImg = MakeAction(this, "pmnNextImg", "次の画像(&N)", Qt::Key_Right);
  pmnWMPVolUp = MakeAction(this, "pmnWMPVolUp", "音量を上げる(&U)");
  pmnWMPVolDown = MakeAction(this, "pmnWMPVolDown", "音量を下げる(&D)");
  pmnWMPVolReset = MakeAction(this, "pmnWMPVolReset", "音量のリセット(&R)");
  pmnSlideName = MakeAction(this, "pmnSlideName", "スライドショー名(&L)", Qt::ALT | Qt::Key_L, true);
  pmnGName = MakeAction(this, "pmnGName", "画像ファイル/フォルダ名(&G)", Qt::ALT | Qt::Key_G, true);
  pmnNum = MakeAction(this, "pmnNum", "画像枚数(&N)", Qt::ALT | Qt::Key_N, true);
  pmnDate = MakeAction(this, "pmnDate", "撮影日付（ファイル日付）(&D)", Qt::ALT | Qt::Key_D, true);
  pmnBGMName = MakeAction(this, "pmnBGMName", "BGM曲名(&B)", Qt::ALT | Qt::Key_B, true);
  pmnState = MakeAction(this, "pmnState", "再生状態(&S)", Qt::ALT | Qt::Key_S, true);
  pmnArt = MakeAction(this, "pmnArt", "アートワーク(&A)", Qt::ALT | Qt::Key_A, true);
  pmnClock = MakeAction(this, "pmnClock", "時刻(&C)", Qt::ALT | Qt::Key_C, true);
  pmnExif = MakeAction(this, "pmnExif", "Exif情報(&E)", Qt::ALT | Qt::Key_E, true);
  pmnGuide = MakeAction(this, "pmnGuide", "ガイド(&U)", Qt::ALT | Qt::Key_U, true);
  pmnLabelAllShow = MakeAction(this, "pmnLabelAllShow", "全て表示(&V)", Qt::ALT | Qt::Key_V);
  pmnLabelAllHide = MakeAction(this, "pmnLabelAllHide", "全て非表示(&H)", Qt::ALT | Qt::Key_H);
  pmnExit = MakeAction(this, "pmnExit", "Brinmoraの終了(&X)", Qt::ALT | Qt::Key_F4);
  SetVolumeKeysActive(false);
}

QList<QAction*> DisplayMenuActions::All() const {
  return {pmnSlide,     pmnStopSlide,   pmnPrevDir,    pmnNextDir,      pmnPrevBGM,
          pmnNextBGM,   pmnPrevImg,     pmnNextImg,    pmnWMPVolUp,     pmnWMPVolDown,
          pmnWMPVolReset, pmnSlideName, pmnGName,      pmnNum,          pmnDate,
          pmnBGMName,   pmnState,       pmnArt,        pmnClock,        pmnExif,
          pmnGuide,     pmnLabelAllShow, pmnLabelAllHide, pmnExit};
}

void DisplayMenuActions::FillContextMenu(QMenu* menu) const {
  menu->addAction(pmnSlide);
  menu->addAction(pmnStopSlide);
  menu->addSeparator();
  QMenu* images = menu->addMenu(QStringLiteral("画像(&G)"));
  images->setObjectName(QStringLiteral("pmnImage"));
  images->addAction(pmnPrevImg);
  images->addAction(pmnNextImg);
  QMenu* folders = menu->addMenu(QStringLiteral("フォルダ(&D)"));
  folders->setObjectName(QStringLiteral("pmnDir"));
  folders->addAction(pmnPrevDir);
  folders->addAction(pmnNextDir);
  QMenu* music = menu->addMenu(QStringLiteral("BGM(&B)"));
  music->setObjectName(QStringLiteral("pmnBGM"));
  music->addAction(pmnPrevBGM);
  music->addAction(pmnNextBGM);
  music->addSeparator();
  music->addAction(pmnWMPVolUp);
  music->addAction(pmnWMPVolDown);
  music->addAction(pmnWMPVolReset);
  QMenu* labels = menu->addMenu(QStringLiteral("ラベル(&L)"));
  labels->setObjectName(QStringLiteral("pmnLabel"));
  for (QAction* a : {pmnSlideName, pmnGName, pmnNum, pmnDate, pmnBGMName, pmnState, pmnArt,
                     pmnClock, pmnExif, pmnGuide})
    labels->addAction(a);
  labels->addSeparator();
  labels->addAction(pmnLabelAllShow);
  labels->addAction(pmnLabelAllHide);
  menu->addSeparator();
  menu->addAction(pmnExit);
}

void DisplayMenuActions::AddShortcutsTo(QWidget* widget) const { widget->addActions(All()); }

void DisplayMenuActions::SetVolumeKeysActive(bool slideshowRunning) {
  pmnWMPVolUp->setShortcut(slideshowRunning ? QKeySequence(Qt::Key_Up) : QKeySequence());
  pmnWMPVolDown->setShortcut(slideshowRunning ? QKeySequence(Qt::Key_Down) : QKeySequence());
  pmnWMPVolReset->setShortcut(slideshowRunning ? QKeySequence(Qt::Key_Return) : QKeySequence());
}
