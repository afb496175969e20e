#pragma once
// The progress window as core sees it, shown by a TfrmProgress of its own.
#include "engine/ProgressWindow.h"

class QWidget;
class TfrmProgress;

class QtProgressWindow final : public ProgressWindow {
 public:
  explicit QtProgressWindow(QWidget* parent);
  void Open(const QString& title, const QString& text, bool withBar) override;
  void SetText(const QString& text) override;
  void Close() override;
  bool IsShowing() const override;
  TfrmProgress* Window() const { return window_; }

 private:
  TfrmProgress* window_;
};
