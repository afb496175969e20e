#pragma once
// The dialog that creates a CD work folder. Its controls come with CD making.
#include <QDialog>

class TfrmWork : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmWork(QWidget* parent = nullptr);
};
