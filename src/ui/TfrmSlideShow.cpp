#include "ui/TfrmSlideShow.h"

TfrmSlideShow::TfrmSlideShow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmSlideShow"));
  setWindowTitle(QStringLiteral("■スライドショーの編集■"));
  setModal(true);
}
