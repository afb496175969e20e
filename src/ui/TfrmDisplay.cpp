#include "ui/TfrmDisplay.h"

TfrmDisplay::TfrmDisplay(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmDisplay"));
  setWindowTitle(QStringLiteral("Brinmora"));
}
