#pragma once
// The report of list rows that keep a CD from being finished.
#include <QDialog>

class TfrmCDMakeCheck : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmCDMakeCheck(QWidget* parent = nullptr);
};
