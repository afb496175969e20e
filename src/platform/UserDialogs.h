#pragma once
// How core speaks to the user and keeps the windows alive during long work.
// The window layer implements it with message boxes and the event loop;
// tests use a fake that records what was shown.
#include <QString>

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;
  // An information box with OK. A "\r" in text is a line break.
  virtual void ShowInformation(const QString& text) = 0;
  // An error box with OK (decoding failures, write failures).
  virtual void ShowError(const QString& text) = 0;
  // A confirmation box with Yes and No; true for Yes.
  virtual bool AskYesNo(const QString& text) = 0;
  // A confirmation box with OK and Cancel; true for OK. Without a box of its
  // own a dialog set asks Yes/No.
  virtual bool AskOkCancel(const QString& text) { return AskYesNo(text); }
  // Lets pending window messages run (repaints, key presses, timer ticks).
  virtual void ProcessPendingMessages() = 0;
};
