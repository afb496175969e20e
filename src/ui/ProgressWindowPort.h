#pragma once
// The progress window as core's ProgressWindow, bar included: counted work
// (copying, deleting) sets the bar's maximum and moves it on step by step.
#include "engine/ProgressWindow.h"

class QWidget;
class TfrmProgress;

class ProgressWindowPort final : public ProgressWindow {
 public:
  // Uses window, or makes one owned by parent when window is null.
  ProgressWindowPort(TfrmProgress* window, QWidget* parent);
  void Open(const QString& title, const QString& text, bool withBar) override;
  void SetText(const QString& text) override;
  void Close() override;
  bool IsShowing() const override;
  void SetBarMaximum(int maximum) override;
  void SetBarValue(int value) override;

  TfrmProgress* Window() const { return window_; }

 private:
  TfrmProgress* window_;
};
