#include "ui/TfrmCDMakeClose.h"

TfrmCDMakeClose::TfrmCDMakeClose(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmCDMakeClose"));
  setWindowTitle(QStringLiteral("終了の確認"));
  setModal(true);
}
