#include "ui/TfrmCDMakeCheck.h"

TfrmCDMakeCheck::TfrmCDMakeCheck(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmCDMakeCheck"));
  setWindowTitle(QStringLiteral("リストの確認"));
  setModal(true);
}
