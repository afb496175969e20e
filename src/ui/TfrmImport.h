#pragma once
// The list import dialog. Its controls come with list import.
#include <QDialog>

class TfrmImport : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmImport(QWidget* parent = nullptr);
};
