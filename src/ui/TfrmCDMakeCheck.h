#pragma once
// The report of list rows that keep a CD from being finished, with a button
// that copies it to the clipboard.
#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

class TfrmCDMakeCheck : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmCDMakeCheck(QWidget* parent = nullptr);

  // Puts the report lines into the log; ShowReport also shows it modally.
  void SetReport(const QStringList& lines);
  void ShowReport(const QStringList& lines);
  // Selects the whole report and copies it to the clipboard.
  void CopyToClipboard();

  QPlainTextEdit* memLog;
  QPushButton* btnCopy;
  QPushButton* btnClose;
};
