#pragma once
// The version box. Its contents come with the help commands.
#include <QDialog>

class TfrmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAbout(QWidget* parent = nullptr);
};
