#pragma once
// The small always-on-top window shown during long list and copy work. The
// work runs on the UI thread; callers keep it painted by processing pending
// messages between steps.
#include <QDialog>

class QLabel;
class QProgressBar;

class TfrmProgress : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmProgress(QWidget* parent = nullptr);

  // Caption, info text and bar back to their defaults (bar 0..100, visible).
  void ResetTexts();
  // Shows the window modelessly, centred on the screen, with the texts given.
  void ShowWork(const QString& caption, const QString& text, bool withBar);

  QLabel* lblInfo;
  QProgressBar* ProgressBar1;
};
