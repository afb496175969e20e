#include "ui/TfrmImport.h"

TfrmImport::TfrmImport(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmImport"));
  setWindowTitle(QStringLiteral("リストのインポート"));
  setModal(true);
}
