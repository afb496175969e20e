#pragma once
// The small always-on-top progress window of long list and copy operations,
// as core sees it. The window layer implements it.
#include <QString>

class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  virtual void Open(const QString& title, const QString& text, bool withBar) = 0;
  virtual void SetText(const QString& text) = 0;
  virtual void Close() = 0;
  virtual bool IsShowing() const = 0;
  // The bar of counted work: SetBarMaximum starts it at 0, SetBarValue moves it.
  virtual void SetBarMaximum(int maximum) { (void)maximum; }
  virtual void SetBarValue(int value) { (void)value; }
};
