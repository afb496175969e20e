#pragma once
// The dialog asked when a CD-making copy closes. Its controls come with CD making.
#include <QDialog>

class TfrmCDMakeClose : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmCDMakeClose(QWidget* parent = nullptr);
};
