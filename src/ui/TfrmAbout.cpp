#include "ui/TfrmAbout.h"

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("バージョン情報"));
  setModal(true);
  setFixedSize(264, 154);
}
