#include "ui/TfrmWork.h"

TfrmWork::TfrmWork(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmWork"));
  setWindowTitle(QStringLiteral("作業フォルダの作成"));
  setModal(true);
}
