#pragma once
// The small dialog of the video export: the file, the picture size, the
// frame rate, music and labels. It only collects the choice; the export
// itself runs in VideoExportCommand.
#include <QDialog>
#include <QSize>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

struct VideoExportChoice {
  QString Path;
  QSize Size;
  int Fps = 30;
  bool Music = true;
  bool Labels = false;
};

class TfrmVideoExport : public QDialog {
  Q_OBJECT
 public:
  // monitor: the size of the monitor the slideshow plays on (the first choice).
  TfrmVideoExport(QSize monitor, const QString& suggestedPath, QWidget* parent = nullptr);

  VideoExportChoice Choice() const;

  QLineEdit* edtFile;
  QPushButton* btnBrowse;
  QComboBox* cbSize;
  QSpinBox* seFps;
  QCheckBox* chkMusic;
  QCheckBox* chkLabels;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 private:
  void Browse();
  void UpdateOk();
};
